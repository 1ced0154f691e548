#pragma once
// One tile of the thumbnail view: a panel with the picture scaled to fit, a drop shadow behind it
// and a title bar with the file name.
#include <QDateTime>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "platform/DrawSurface.h"
#include "thumbs/JvBaseThumbnail.h"
#include "thumbs/JvThumbImage.h"

namespace pintoola {

enum TTitlePos { tpUp = 0, tpDown = 1, tpNone = 2 };

constexpr int kTitleBarHeight = 15;
constexpr int kShadowOffset = 3;

// Where a picture of picW × picH goes in a tile of tileW × tileH. Client sizes are 16-bit values.
struct PictureLayout {
  uint16_t clientWidth = 0, clientHeight = 0;
  int percent = 100;
  TRect picture;
  TRect shadow;
  friend bool operator==(const PictureLayout&, const PictureLayout&) = default;
};
// The ratios are rounded to single precision and the sizes computed in extended precision before
// they are truncated: trunc(53 / 100 * 100) is 52 there, and the tiles must match that to the pixel.
PictureLayout LayoutPicture(int tileW, int tileH, int picW, int picH, TTitlePos placement);

// The file-name part of a path: the text after its last "/".
std::string ExtractFileName(const std::string& path);

// A tile's file name with the facts of its directory entry.
class TFileName {
 public:
  void SetFileName(const std::string& path);
  const std::string& FileName() const { return FFileName; }
  const std::string& LongName() const { return FLongName; }
  const std::string& ShortName() const { return FShortName; }
  int64_t Size() const { return FSize; }
  // The three times as text in the user's format, "Unknown" where a time cannot be read.
  QString Accessed() const { return TimeText(FAccessed); }
  QString Changed() const { return TimeText(FChanged); }
  QString Created() const { return TimeText(FCreated); }

 private:
  static QString TimeText(const QDateTime& t);

  std::string FFileName, FLongName, FShortName;
  int64_t FSize = 0;
  QDateTime FAccessed, FChanged, FCreated;
};

class TJvThumbnail;

// The title bar: 15 pixels, a lowered one-pixel bevel, the title centred on one line.
class TJvThumbTitle : public QWidget {
 public:
  explicit TJvThumbTitle(TJvThumbnail* tile);
  void SetText(const QString& text);
  const QString& Text() const { return FText; }
  void SetColor(TColor color);
  TColor Color() const { return FColor; }
  void SetFont(const TFontSpec& font);
  const TFontSpec& Font() const { return FFont; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return FBevel; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TJvThumbnail* FTile;
  QString FText;
  TColor FColor = clBtnFace;
  TFontSpec FFont;
  TPanelBevel FBevel = bvLowered;
};

// The shadow: a plain rectangle in the shadow colour.
class TJvThumbShadow : public QWidget {
 public:
  explicit TJvThumbShadow(QWidget* parent);
  void SetColor(TColor color);
  TColor Color() const { return FColor; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor FColor = clSilver;
};

class TJvThumbnail : public TJvBaseThumbnail {
 public:
  // Sized maxW × maxH (the view's cell); outside a view pass nullptr and the tile is 120 × 120.
  TJvThumbnail(QWidget* parent, ThumbInputTarget* view, int maxW = 120, int maxH = 120);

  // Loads the picture (with AutoLoad). A file that cannot be read leaves an empty picture, keeps the
  // name and shows no message.
  void SetFileName(const std::string& path);
  const std::string& FileName() const { return FFileName; }
  const TFileName& PhotoName() const { return FPhotoName; }

  void SetTitle(const QString& title);
  const QString& Title() const { return FTitle; }
  void SetTitleColor(TColor color);
  TColor TitleColor() const { return FTitleColor; }
  // The title text colour (the title font's colour).
  void SetTitleTextColor(TColor color);
  TColor TitleTextColor() const { return FTitlePanel->Font().color; }
  void SetTitleFont(const TFontSpec& font);
  const TFontSpec& TitleFont() const { return FTitleFont; }
  void SetTitlePlacement(TTitlePos placement);
  TTitlePos TitlePlacement() const { return FTitlePlacement; }

  void SetAsButton(bool value) { FAsButton = value; }
  bool AsButton() const { return FAsButton; }
  void SetAutoLoad(bool value) { FAutoLoad = value; }
  bool AutoLoad() const { return FAutoLoad; }
  // The picture is always held at its drawn size; the flag is kept for the view's settings.
  void SetMinimizeMemory(bool value) { FMinimizeMemory = value; }
  bool MinimizeMemory() const { return FMinimizeMemory; }
  void SetShowShadow(bool value);
  bool ShowShadow() const { return FShowShadow; }
  void SetShadowColor(TColor color);
  TColor ShadowColor() const { return FShadowObj->Color(); }

  int ImageWidth() const { return FPhoto->Picture().width; }
  int ImageHeight() const { return FPhoto->Picture().height; }
  uint16_t ClientWidth() const { return FLayout.clientWidth; }
  uint16_t ClientHeight() const { return FLayout.clientHeight; }
  const PictureLayout& Layout() const { return FLayout; }
  bool MousePressed() const { return FMousePressed; }

  TJvThumbImage* Photo() const { return FPhoto; }
  TJvThumbTitle* TitlePanel() const { return FTitlePanel; }
  TJvThumbShadow* ShadowObj() const { return FShadowObj; }

  // Places picture and shadow for the current size and placement.
  void LayoutPicture();

  // Position in the view's content (unscrolled) coordinates.
  void SetContentPos(QPoint pos) { FContentPos = pos; }
  QPoint ContentPos() const { return FContentPos; }

  void TileMouseDown(TMouseButton button, TShiftState shift, QPoint pos) override;
  void TileMouseMove(TShiftState shift, QPoint pos) override;
  void TileMouseUp(TMouseButton button, TShiftState shift, QPoint pos) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string LoadPictureFile(const std::string& path);
  void PlaceTitleBar();
  void SetPressedLook(bool pressed);

  TJvThumbShadow* FShadowObj;
  TJvThumbImage* FPhoto;
  TJvThumbTitle* FTitlePanel;
  TFileName FPhotoName;
  std::string FFileName;
  QString FTitle;
  TColor FTitleColor = clBtnFace;
  TFontSpec FTitleFont;
  bool FTitleFontChanged = false;
  TTitlePos FTitlePlacement = tpUp;
  bool FAsButton = false;
  bool FAutoLoad = true;
  bool FMinimizeMemory = true;
  bool FShowShadow = false;
  bool FUpdated = false;
  bool FMousePressed = false;
  PictureLayout FLayout;
  QPoint FContentPos;
};

}  // namespace pintoola
