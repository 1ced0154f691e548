#include "platform/Application.h"

#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>
#include <exception>
#include <new>

#include "platform/DrawSurface.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

namespace pintoola {

namespace {

// Hints appear after the pointer has rested for half a second.
class HintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return TApplication::kHintPause;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// QApplication keeps referring to its argument count and vector, so they live as long as the process.
int programArgc = 1;
char programFallbackName[] = "pintoola";
char* programArgv[] = {programFallbackName, nullptr};

int& ProgramNameOnly(int argc, char** argv) {
  if (argc > 0 && argv && argv[0]) programArgv[0] = argv[0];
  return programArgc;
}

}  // namespace

TApplication::TApplication(int argc, char** argv) : QApplication(ProgramNameOnly(argc, argv), programArgv) {
  setApplicationName(QStringLiteral("Doodlo"));
  setApplicationVersion(QStringLiteral("1.0.0.0"));
  InstallTranslations(QLocale::system());
  setStyle(new HintStyle);
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, ToQColor(clInfoBk));
  tips.setColor(QPalette::ToolTipText, ToQColor(clInfoText));
  QToolTip::setPalette(tips);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    if (event->type() == QEvent::ToolTip && receiver->isWidgetType()) {
      auto* w = static_cast<QWidget*>(receiver);
      if (!w->toolTip().isEmpty()) {
        // Shown for a fixed time, however long the text; a new control's tip replaces it at once.
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), w, QRect(), kHintShowTime);
        return true;
      }
    }
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    ShowErrorBox(TranslatedError("Out of memory"));
  } catch (const std::exception& e) {
    ShowErrorBox(TranslatedError(e.what()));
  }
  return true;
}

}  // namespace pintoola
