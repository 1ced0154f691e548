#include "thumbs/JvThumbnails.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>

namespace pintoola {

PictureLayout LayoutPicture(int tileW, int tileH, int picW, int picH, TTitlePos placement) {
  PictureLayout L;
  // The bar's height is taken off even when the bar is hidden.
  L.clientHeight = static_cast<uint16_t>(tileH - (kTitleBarHeight + 8));
  L.clientWidth = static_cast<uint16_t>(tileW - 8);
  float a = 100.0f, b = 100.0f;
  if (picW > L.clientWidth || picH > L.clientHeight) {
    // Extended-precision quotients stored as single: 192 / 800 * 100 becomes exactly 24 here.
    a = picW > 0 ? static_cast<float>(static_cast<long double>(L.clientWidth) / picW * 100) : 100.0f;
    b = picH > 0 ? static_cast<float>(static_cast<long double>(L.clientHeight) / picH * 100) : 100.0f;
  }
  L.percent = std::clamp(static_cast<int>(std::trunc(std::min(a, b))), 0, 100);
  const int w = static_cast<int>(std::trunc(static_cast<long double>(picW) / 100 * L.percent));
  const int h = static_cast<int>(std::trunc(static_cast<long double>(picH) / 100 * L.percent));
  const int left =
      static_cast<int>(std::trunc(static_cast<long double>(tileW) / 2 - static_cast<long double>(w) / 2));
  int top = tileH / 2 - h / 2;
  if (placement == tpUp) top += kTitleBarHeight / 2;
  if (placement == tpDown) top -= kTitleBarHeight / 2;
  L.picture = Bounds(left, top, w, h);
  L.shadow = L.picture.Offset(kShadowOffset, kShadowOffset);
  return L;
}

std::string ExtractFileName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ---- TFileName ----------------------------------------------------------------------------------

void TFileName::SetFileName(const std::string& path) {
  if (path == FLongName || path == FShortName) {
    FFileName = path;
    return;
  }
  FFileName = path;
  // The file system keeps no separate short names: both are the path itself.
  FLongName = path;
  FShortName = path;
  const QFileInfo info(QString::fromStdString(path));
  FSize = info.exists() ? info.size() : 0;
  FAccessed = info.lastRead();
  FChanged = info.lastModified();
  FCreated = info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime();
}

QString TFileName::TimeText(const QDateTime& t) {
  if (!t.isValid()) return QCoreApplication::translate("TFileName", "Unknown");
  return QLocale().toString(t, QLocale::ShortFormat);
}

// ---- title bar and shadow -----------------------------------------------------------------------

TJvThumbTitle::TJvThumbTitle(TJvThumbnail* tile) : QWidget(tile), FTile(tile) { setFocusPolicy(Qt::NoFocus); }

void TJvThumbTitle::SetText(const QString& text) {
  if (FText == text) return;
  FText = text;
  update();
}

void TJvThumbTitle::SetColor(TColor color) {
  if (FColor == color) return;
  FColor = color;
  update();
}

void TJvThumbTitle::SetFont(const TFontSpec& font) {
  if (FFont == font) return;
  FFont = font;
  update();
}

void TJvThumbTitle::SetBevelOuter(TPanelBevel bevel) {
  if (FBevel == bevel) return;
  FBevel = bevel;
  update();
}

void TJvThumbTitle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface s(painter);
  TRect r = Bounds(0, 0, width(), height());
  s.FillSolid(r, FColor);
  PaintBevel(s, r, FBevel);
  s.SetFont(FFont);
  s.SetTextColor(FFont.color);
  s.SetBkMode(TRANSPARENT);
  // Centred on one line; a long title is cut off at both edges, never shortened with an ellipsis.
  s.DrawText(FText, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
}

void TJvThumbTitle::mousePressEvent(QMouseEvent* e) {
  e->accept();
  FTile->TileMouseDown(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
                       e->position().toPoint() + pos());
}

void TJvThumbTitle::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  FTile->TileMouseMove(ShiftStateOf(e->modifiers(), e->buttons()), e->position().toPoint() + pos());
}

void TJvThumbTitle::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  FTile->TileMouseUp(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
                     e->position().toPoint() + pos());
}

// The title bar reports no double clicks: the second press is an ordinary press.
void TJvThumbTitle::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

TJvThumbShadow::TJvThumbShadow(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TJvThumbShadow::SetColor(TColor color) {
  if (FColor == color) return;
  FColor = color;
  update();
}

void TJvThumbShadow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawSurface s(painter);
  s.FillSolid(Bounds(0, 0, width(), height()), FColor);
}

// ---- the tile -----------------------------------------------------------------------------------

TJvThumbnail::TJvThumbnail(QWidget* parent, ThumbInputTarget* view, int maxW, int maxH)
    : TJvBaseThumbnail(parent, view) {
  // Children back to front: shadow, picture, title bar.
  FShadowObj = new TJvThumbShadow(this);
  FShadowObj->hide();
  FPhoto = new TJvThumbImage(this);
  FTitlePanel = new TJvThumbTitle(this);
  FTitlePanel->SetColor(Color());
  FTitleColor = clBtnFace;
  setGeometry(10, 10, maxW, maxH);
  PlaceTitleBar();
  LayoutPicture();
}

void TJvThumbnail::PlaceTitleBar() {
  const int y = FTitlePlacement == tpDown ? height() - 1 - kTitleBarHeight : 1;
  FTitlePanel->setGeometry(1, y, std::max(0, width() - 2), kTitleBarHeight);
  FTitlePanel->setVisible(FTitlePlacement != tpNone);
}

void TJvThumbnail::LayoutPicture() {
  FLayout = pintoola::LayoutPicture(width(), height(), ImageWidth(), ImageHeight(), FTitlePlacement);
  FPhoto->setGeometry(ToQRect(FLayout.picture));
  FShadowObj->setGeometry(ToQRect(FLayout.shadow));
}

void TJvThumbnail::resizeEvent(QResizeEvent*) {
  PlaceTitleBar();
  LayoutPicture();
}

std::string TJvThumbnail::LoadPictureFile(const std::string& path) {
  std::string name = path;
  try {
    // The picture is reduced at once to the rectangle this tile draws it in.
    FPhoto->LoadFromFile(path, [this](int w, int h) {
      const PictureLayout L = pintoola::LayoutPicture(width(), height(), w, h, FTitlePlacement);
      return QSize(L.picture.Width(), L.picture.Height());
    });
    FUpdated = false;
    LayoutPicture();
    FPhoto->show();
  } catch (const std::exception&) {
    name.clear();
  }
  return name;
}

void TJvThumbnail::SetFileName(const std::string& path) {
  std::string name;
  if (!path.empty()) {
    FPhotoName.SetFileName(path);
    if (FAutoLoad) name = LoadPictureFile(path);
  }
  if (name == path) {
    const QString previous = QString::fromStdString(ExtractFileName(FFileName));
    if (FTitle.isEmpty() || FTitle == previous) SetTitle(QString::fromStdString(ExtractFileName(name)));
  }
  FFileName = name;
  update();
}

void TJvThumbnail::SetTitle(const QString& title) {
  if (FTitle == title) return;
  FTitle = title;
  FTitlePanel->SetText(title);
}

void TJvThumbnail::SetTitleColor(TColor color) {
  if (FTitleColor == color) return;
  FTitleColor = color;
  FTitlePanel->SetColor(color);
}

void TJvThumbnail::SetTitleTextColor(TColor color) {
  TFontSpec f = FTitlePanel->Font();
  f.color = color;
  FTitlePanel->SetFont(f);
}

void TJvThumbnail::SetTitleFont(const TFontSpec& font) {
  FTitleFont = font;
  FTitleFontChanged = true;
  FTitlePanel->SetFont(font);
}

void TJvThumbnail::SetTitlePlacement(TTitlePos placement) {
  if (placement != FTitlePlacement) {
    FTitlePlacement = placement;
    PlaceTitleBar();
  }
  LayoutPicture();
}

void TJvThumbnail::SetShowShadow(bool value) {
  FShowShadow = value;
  FShadowObj->setVisible(value);
}

void TJvThumbnail::SetShadowColor(TColor color) { FShadowObj->SetColor(color); }

void TJvThumbnail::SetPressedLook(bool pressed) {
  SetBevelOuter(pressed ? bvLowered : bvRaised);
  FTitlePanel->SetBevelOuter(pressed ? bvRaised : bvLowered);
}

void TJvThumbnail::TileMouseDown(TMouseButton button, TShiftState shift, QPoint pos) {
  if (FAsButton && button == mbLeft) {
    FMousePressed = true;
    SetPressedLook(true);
  }
  TJvBaseThumbnail::TileMouseDown(button, shift, pos);
}

void TJvThumbnail::TileMouseMove(TShiftState shift, QPoint pos) {
  if (FMousePressed) {
    const bool outside = pos.x() < 0 || pos.x() > width() || pos.y() < 0 || pos.y() > height();
    SetPressedLook(!outside);
  }
  TJvBaseThumbnail::TileMouseMove(shift, pos);
}

void TJvThumbnail::TileMouseUp(TMouseButton button, TShiftState shift, QPoint pos) {
  if (FAsButton && button == mbLeft) {
    FMousePressed = false;
    SetPressedLook(false);
  }
  TJvBaseThumbnail::TileMouseUp(button, shift, pos);
}

void TJvThumbnail::paintEvent(QPaintEvent* event) {
  if (!FUpdated) {
    if (FTitle.isEmpty()) SetTitle(QString::fromStdString(ExtractFileName(FFileName)));
    FUpdated = true;
  }
  TJvBaseThumbnail::paintEvent(event);
}

}  // namespace pintoola
