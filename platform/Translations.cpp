#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <vector>

namespace pintoola {

namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

void Install(const QLocale& locale, const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(locale, name, QStringLiteral("_"), folder)) return;
  QCoreApplication::installTranslator(translator.get());
  Installed().push_back(std::move(translator));
}

// Error texts the engine and the platform raise, for extraction; they are looked up at display time.
[[maybe_unused]] const char* const kFixedErrors[] = {
    QT_TRANSLATE_NOOP("Errors", "Bitmap image is not valid"),
    QT_TRANSLATE_NOOP("Errors", "Stream read error"),
    QT_TRANSLATE_NOOP("Errors", "Stream write error"),
    QT_TRANSLATE_NOOP("Errors", "Error"),
    QT_TRANSLATE_NOOP("Errors", "Out of memory"),
    QT_TRANSLATE_NOOP("Errors", "Scan line index out of range"),
    QT_TRANSLATE_NOOP("Errors", "Printing in progress"),
    QT_TRANSLATE_NOOP("Errors", "Printer selected is not valid"),
    QT_TRANSLATE_NOOP("Errors", "Printer is not currently printing"),
    QT_TRANSLATE_NOOP("Errors", "Cannot open clipboard: no clipboard is available"),
    QT_TRANSLATE_NOOP("Errors", "Grid index out of range"),
};

}  // namespace

void InstallTranslations(const QLocale& locale) {
  for (const auto& t : Installed()) QCoreApplication::removeTranslator(t.get());
  Installed().clear();
  Install(locale, QStringLiteral("pintoola"), QStringLiteral(":/i18n"));
  Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Qt would mirror the windows for a right-to-left language; the fixed layout is not built for that.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

QString TranslatedError(const std::string& message) {
  const QString text = QString::fromStdString(message);
  // A file name and the system's own text (already in the session's language) fill the gaps.
  static const QRegularExpression openFile(QStringLiteral("^Cannot open file \"(.*)\"\\. (.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression createFile(QStringLiteral("^Cannot create file \"(.*)\"\\. (.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression systemError(QStringLiteral("^System Error\\.  Code: (-?\\d+)\\.\\n(.*)$"),
                                              QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression notInteger(QStringLiteral("^'(.*)' is not a valid integer value$"),
                                             QRegularExpression::DotMatchesEverythingOption);
  if (const auto m = openFile.match(text); m.hasMatch())
    return QCoreApplication::translate("Errors", "Cannot open file \"%1\". %2").arg(m.captured(1), m.captured(2));
  if (const auto m = createFile.match(text); m.hasMatch())
    return QCoreApplication::translate("Errors", "Cannot create file \"%1\". %2").arg(m.captured(1), m.captured(2));
  if (const auto m = systemError.match(text); m.hasMatch())
    return QCoreApplication::translate("Errors", "System Error.  Code: %1.\n%2").arg(m.captured(1), m.captured(2));
  if (const auto m = notInteger.match(text); m.hasMatch())
    return QCoreApplication::translate("Errors", "'%1' is not a valid integer value").arg(m.captured(1));
  return QCoreApplication::translate("Errors", message.c_str());
}

QString LocalizedFile(const QString& folder, const QString& base, const QString& extension,
                      const QLocale& locale) {
  for (QString language : locale.uiLanguages()) {
    language.replace(u'-', u'_');
    // "pt_BR" is tried as it is, then as "pt".
    for (;;) {
      const QString candidate = folder + u'/' + base + u'.' + language + u'.' + extension;
      if (QFileInfo::exists(candidate)) return candidate;
      const qsizetype cut = language.lastIndexOf(u'_');
      if (cut < 0) break;
      language.truncate(cut);
    }
  }
  return folder + u'/' + base + u'.' + extension;
}

}  // namespace pintoola
