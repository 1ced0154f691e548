#pragma once
// Small enumerations every folder speaks: fill styles, cursor numbers, dialog results, buttons.
#include <cstdint>

namespace pintoola {

enum TBrushStyle : uint8_t {
  bsSolid = 0,
  bsClear = 1,
  bsHorizontal = 2,
  bsVertical = 3,
  bsFDiagonal = 4,
  bsBDiagonal = 5,
  bsCross = 6,
  bsDiagCross = 7,
};

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crCross = -3;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrAll = 12;

enum TMouseButton : int { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// Shift state of a mouse or key event.
enum TShiftFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = unsigned;

}  // namespace pintoola
