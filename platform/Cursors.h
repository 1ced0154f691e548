#pragma once
#include <QCursor>

#include "core/Types.h"

class QWidget;

namespace pintoola {

// The pointer shape a cursor number stands for.
Qt::CursorShape CursorShape(TCursor cursor);
void SetControlCursor(QWidget* control, TCursor cursor);

// The application-wide override cursor (hourglass during long work); crDefault removes it.
void SetScreenCursor(TCursor cursor);
TCursor ScreenCursor();

}  // namespace pintoola
