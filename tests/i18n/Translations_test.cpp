// The catalogues, their loading, and every window in every language: each text translated and
// each fitting its control.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string_view>

#include "app/ABOUT.h"
#include "app/PicLibFrm.h"
#include "app/ProjLibFrm.h"
#include "app/ProjectAddFrm.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/signFrm.h"
#include "i18n/WindowTexts.h"
#include "platform/Files.h"
#include "platform/FontDialog.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

namespace pintoola::testing {
namespace {

const char* const kLanguages[] = {"de", "fr", "es", "it", "nl", "pl", "pt_BR", "uk"};

struct Message {
  QString context, source, translation;
  bool unfinished = false;
};

std::vector<Message> ReadCatalogue(const QString& language) {
  QFile file(QStringLiteral(PINTOOLA_TS_DIR "/pintoola_%1.ts").arg(language));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  std::vector<Message> out;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      out.push_back({context, {}, {}});
    } else if (xml.name() == u"source") {
      out.back().source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const auto type = xml.attributes().value(QStringLiteral("type"));
      out.back().unfinished = type == u"unfinished" || type == u"obsolete" || type == u"vanished";
      out.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return out;
}

QString Accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text.mid(i + 1, 1).toLower();
    ++i;
  }
  return {};
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  static const QRegularExpression marker(QStringLiteral("%\\d"));
  for (auto it = marker.globalMatch(text); it.hasNext();) found << it.next().captured();
  found.sort();
  return found;
}

class Language {
 public:
  explicit Language(const QLocale& locale) { InstallTranslations(locale); }
  ~Language() { InstallTranslations(QLocale::c()); }
};

TEST(Catalogues, EveryMessageTranslatedKeepingPlaceholdersAndAccelerators) {
  for (const char* language : kLanguages) {
    SCOPED_TRACE(language);
    const std::vector<Message> messages = ReadCatalogue(QString::fromLatin1(language));
    ASSERT_FALSE(messages.empty());
    for (const Message& m : messages) {
      SCOPED_TRACE((m.context + " / " + m.source).toStdString());
      EXPECT_FALSE(m.unfinished);
      EXPECT_FALSE(m.translation.trimmed().isEmpty());
      EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source));
      EXPECT_EQ(Accelerator(m.translation).isEmpty(), Accelerator(m.source).isEmpty()) << m.translation.toStdString();
      if (m.source == u"Do you want to exit Pintoola ?") {
        EXPECT_TRUE(m.translation.endsWith(u'?')) << "the exit question is a question";
      }
    }
  }
}

TEST(Catalogues, FollowTheLocaleWithQtsOwnTextsAndEnglishOtherwise) {
  const auto exitQuestion = [] { return QCoreApplication::translate("pintoola::TForm1", "Do you want to exit Pintoola ?"); };
  const auto qtYes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
  {
    Language german(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(exitQuestion(), QString::fromUtf8("Möchtest du Pintoola beenden?"));
    EXPECT_EQ(qtYes(), QStringLiteral("&Ja")) << "Qt's own catalogue";
  }
  {
    Language brazilian(QLocale(QStringLiteral("pt_BR")));
    EXPECT_EQ(exitQuestion(), QStringLiteral("Quer sair do Pintoola?"));
  }
  for (const char* english : {"C", "en_GB", "sw_KE"}) {
    Language none{QLocale(QString::fromLatin1(english))};
    EXPECT_EQ(exitQuestion(), QStringLiteral("Do you want to exit Pintoola ?")) << english;
    EXPECT_EQ(qtYes(), QStringLiteral("&Yes")) << english;
  }
}

TEST(Catalogues, ARightToLeftSessionKeepsTheLayoutLeftToRight) {
  Language hebrew(QLocale(QStringLiteral("he_IL")));
  ASSERT_EQ(QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION"), QStringLiteral("RTL"))
      << "Qt's Hebrew catalogue asks for right to left";
  QCoreApplication::processEvents();
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST(Catalogues, ErrorsTranslatedWithTheirFileNames) {
  Language polish(QLocale(QStringLiteral("pl_PL")));
  EXPECT_EQ(TranslatedError("Cannot create file \"/tmp/Zoë.bmp\". Permission denied"),
            QString::fromUtf8("Nie można utworzyć pliku „/tmp/Zoë.bmp”. Permission denied"));
  EXPECT_EQ(TranslatedError("Stream read error"), QString::fromUtf8("Nie udało się odczytać pliku"));
  EXPECT_EQ(TranslatedError("something new"), QStringLiteral("something new"));
}

TEST(Catalogues, HelpPageForTheSessionLanguage) {
  QTemporaryDir dir;
  for (const char* name : {"index.html", "index.de.html", "index.pt_BR.html"}) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  const QString folder = dir.path();
  EXPECT_EQ(LocalizedFile(folder, "index", "html", QLocale("de_AT")), folder + "/index.de.html");
  EXPECT_EQ(LocalizedFile(folder, "index", "html", QLocale("pt_BR")), folder + "/index.pt_BR.html");
  EXPECT_EQ(LocalizedFile(folder, "index", "html", QLocale("fr_FR")), folder + "/index.html");
  EXPECT_EQ(LocalizedFile(folder, "index", "html", QLocale::c()), folder + "/index.html");
}

// ---- every window --------------------------------------------------------------------------------

// All windows and message boxes of the program, each shown, with every text it shows.
class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    SetExeFolderForTesting(dir.path().toStdString() + "/");
  }
  void TearDown() override {
    SetMessageBoxScript(nullptr);
    SetExeFolderForTesting("");
  }

  // Calls `check` with the texts of every window and message box, made in the current language.
  void ForEveryWindow(const std::function<void(const std::vector<ShownText>&)>& check) {
    InstallArtwork();
    CreateWindows();
    const auto visit = [&](QWidget* w) {
      w->show();
      QCoreApplication::processEvents();
      check(TextsOf(w));
      w->hide();
    };
    for (QWidget* w : std::initializer_list<QWidget*>{Form1, Form2, Form3, AboutBox, Form4, Form5}) visit(w);
    TFontDialog font;
    font.SetChoice(FontChoice{});
    visit(&font);
    // The real message boxes, answered as soon as they are up.
    const auto answerBox = [&](const std::function<void()>& ask) {
      QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(TextsOf(box));
        box->reject();
      });
      ask();
    };
    answerBox([] { Form1->FormCloseQuery(); });
    answerBox([] { Form1->btn13Click(); });
    answerBox([] { ShowErrorBox(TranslatedError("Stream read error")); });
    DestroyWindows();
  }

  QTemporaryDir dir;
};

TEST_F(Windows, EveryCaptionFitsAndEveryAcceleratorIsUniqueInEveryLanguage) {
  for (const char* language : kLanguages) {
    Language current{QLocale(QString::fromLatin1(language))};
    ForEveryWindow([&](const std::vector<ShownText>& texts) {
      std::map<QString, QString> accelerators;
      for (const ShownText& t : texts) {
        EXPECT_TRUE(t.Fits()) << language << ": " << Describe(t).toStdString();
        const QString key = t.kind == std::string_view("caption") ? Accelerator(t.text) : QString();
        if (key.isEmpty()) continue;
        const auto [at, added] = accelerators.emplace(key, t.text);
        EXPECT_TRUE(added) << language << ": \"" << t.text.toStdString() << "\" and \"" << at->second.toStdString()
                           << "\" share the key " << key.toStdString();
      }
    });
  }
}

// Marks every text it knows and makes it 40 % longer, the way long languages do.
class PseudoTranslator : public QTranslator {
 public:
  PseudoTranslator() {
    for (const Message& m : ReadCatalogue(QStringLiteral("de"))) known.insert({m.context, m.source});
  }
  static QString Mark(const QString& source) {
    QString padded = source;
    padded += QString(qMax<qsizetype>(1, source.size() * 4 / 10), u'~');
    return QStringLiteral("\u27e6") + padded + QStringLiteral("\u27e7");
  }
  static bool Marked(const QString& text) {
    return text.contains(QStringLiteral("\u27e6")) && text.contains(QStringLiteral("\u27e7"));
  }
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QString c = QString::fromUtf8(context), s = QString::fromUtf8(source);
    // Qt's own texts come from Qt's catalogues; a context of ours is marked only when lupdate found it.
    if (known.count({c, s}) || (c.startsWith(u'Q') && !c.contains(u"::"))) return Mark(s);
    return {};
  }

 private:
  std::set<std::pair<QString, QString>> known;
};

TEST_F(Windows, UnderAPseudoLanguageEveryTextIsTranslatedAndMeasured) {
  InstallTranslations(QLocale::c());
  PseudoTranslator pseudo;
  QCoreApplication::installTranslator(&pseudo);
  // Names and figures, the same in every language.
  const std::set<QString> untranslated = {"Pintoola", "Pintoola 1.0", "Doodlo", "0", "X, Y", "AaBbYyZz"};
  std::vector<QString> tooLong;
  ForEveryWindow([&](const std::vector<ShownText>& texts) {
    for (const ShownText& t : texts) {
      if (untranslated.count(t.text)) continue;
      EXPECT_TRUE(PseudoTranslator::Marked(t.text)) << "escapes translation: " << Describe(t).toStdString();
      if (!t.Fits()) tooLong.push_back(Describe(t));
    }
  });
  QCoreApplication::removeTranslator(&pseudo);
  // Every error the program reports, with and without its file name.
  for (const char* error : {"Bitmap image is not valid", "Stream read error", "Stream write error", "Error",
                            "Out of memory", "Printing in progress", "Printer selected is not valid",
                            "Printer is not currently printing", "Cannot open clipboard: no clipboard is available",
                            "Scan line index out of range", "Grid index out of range",
                            "Cannot open file \"a.bmp\". No such file or directory",
                            "Cannot create file \"b.bmp\". Permission denied", "System Error.  Code: 5.\nAccess denied",
                            "'x' is not a valid integer value"}) {
    QCoreApplication::installTranslator(&pseudo);
    EXPECT_TRUE(PseudoTranslator::Marked(TranslatedError(error))) << error;
    QCoreApplication::removeTranslator(&pseudo);
  }
  // What does not fit at 140 % is what the fit test would report; list it for the translators.
  for (const QString& t : tooLong) std::cout << "longer than its control at 140 %: " << t.toStdString() << "\n";
}

}  // namespace
}  // namespace pintoola::testing
