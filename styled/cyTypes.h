#pragma once
// The vocabulary of the styled controls: gradient, bevel, picture, caption and button enumerations.
#include <cstdint>

namespace pintoola {

enum TDgradOrientation : uint8_t {
  dgdVertical = 0,
  dgdHorizontal = 1,
  dgdAngle = 2,
  dgdRadial = 3,
  dgdRectangle = 4
};

enum TDgradBalanceMode : uint8_t {
  bmNormal = 0,
  bmMirror = 1,
  bmReverse = 2,
  bmReverseFromColor = 3,
  bmInvertReverse = 4,
  bmInvertReverseFromColor = 5,
};

enum TcyBevelCut : uint8_t { bcLowered = 0, bcRaised = 1, bcNone = 2, bcTransparent = 3 };

enum TBgStyle : uint8_t { bgNone = 0, bgNormal = 1, bgMosaic = 2, bgStretch = 3, bgStretchProportional = 4 };

enum TBgPosition : uint8_t {
  bgCentered = 0,
  bgTopLeft = 1,
  bgTopCenter = 2,
  bgTopRight = 3,
  bgCenterRight = 4,
  bgBottomRight = 5,
  bgBottomCenter = 6,
  bgBottomLeft = 7,
  bgCenterLeft = 8,
};

enum TCaptionOrientation : uint8_t {
  coHorizontal = 0,
  coHorizontalReversed = 1,  // turned 180°
  coVertical = 2,            // turned 90°, reading upwards
  coVerticalReversed = 3,    // turned 270°, reading downwards
};

enum TAlignment : uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TTextLayout : uint8_t { tlTop = 0, tlCenter = 1, tlBottom = 2 };
enum TCaptionRender : uint8_t { crNormal = 0, crPathEllipsis = 1, crEndEllipsis = 2, crWordEllipsis = 3 };

// Draw state of a button face.
enum TButtonState : uint8_t { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };
enum TButtonLayout : uint8_t { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };
enum TFlatHotStyle : uint8_t { hsWindowsTheme = 0, hsClassic = 1, hsHidden = 2 };
enum TFlatDownStyle : uint8_t { dsWindowsTheme = 0, dsClassic = 1, dsHidden = 2 };

enum TBitBtnKind : uint8_t {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};

}  // namespace pintoola
