#include "platform/Cursors.h"

#include <QApplication>
#include <QWidget>

namespace pintoola {

namespace {
TCursor g_screenCursor = crDefault;
}

Qt::CursorShape CursorShape(TCursor cursor) {
  switch (cursor) {
    case crCross: return Qt::CrossCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

void SetControlCursor(QWidget* control, TCursor cursor) { control->setCursor(CursorShape(cursor)); }

void SetScreenCursor(TCursor cursor) {
  if (cursor == g_screenCursor) return;
  if (g_screenCursor != crDefault) QApplication::restoreOverrideCursor();
  if (cursor != crDefault) QApplication::setOverrideCursor(QCursor(CursorShape(cursor)));
  g_screenCursor = cursor;
}

TCursor ScreenCursor() { return g_screenCursor; }

}  // namespace pintoola
