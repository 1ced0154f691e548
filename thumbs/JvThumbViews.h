#pragma once
// The thumbnail view: a scrolling grid of tiles, one per picture file of a folder, in name order.
#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Colors.h"
#include "core/Geometry.h"
#include "core/Types.h"
#include "thumbs/JvBaseThumbnail.h"
#include "thumbs/JvThumbnails.h"

namespace pintoola {

enum TScrollMode { smHorizontal = 0, smVertical = 1, smBoth = 2 };
enum TViewType { vtNormal = 0, vtCenter = 1, vtFitToScreen = 2 };

// ---- pure layout and listing rules --------------------------------------------------------------

// The masks of a filter "description|masks|description|masks", in order; a filter without "|" is
// one mask list. Mask lists split at ";", empty pieces dropped.
std::vector<std::string> FilterMasks(const std::string& filter);

// trunc(max ÷ 100 × percent) in extended precision: 53 at 100 % gives 52.
int ScaledCellSide(int maxSide, int percent);
// ⌈√count⌉, at least 1: the columns of the near-square grid.
int GridColumns(int count);
// Top-left corner of cell n (from 1) in content coordinates; n = 0 gives (0, 0).
TPoint SlotPosition(int n, int columns, int cellW, int cellH, int gap);
// The entry a press at client (x, y) aims at before the tile itself is checked, or -1. The index is
// a 16-bit value, so a press left of the first column in the first row wraps and hits nothing.
int CandidateEntry(int x, int y, int hScroll, int vScroll, int cellW, int cellH, int gap, int columns,
                   int count);

// ---- the list of tiles in title order -----------------------------------------------------------

// Entries kept in ascending order of their text under CompareText; texts equal under it are told
// apart by exact comparison so that names differing only in letter case both stay listed.
class TJvThumbList {
 public:
  // The list owns its tiles. Returns the new entry's index; a tile whose text exactly equals an
  // existing entry's is not entered (and destroyed), giving -1.
  int AddThumb(const QString& title, std::unique_ptr<TJvThumbnail> thumb);
  void Delete(int index);
  int Count() const { return static_cast<int>(FEntries.size()); }
  TJvThumbnail* GetThumbnail(int index) const;
  const QString& Title(int index) const { return FEntries[static_cast<size_t>(index)].title; }
  int IndexOf(const TJvThumbnail* thumb) const;

 private:
  struct Entry {
    QString title;
    std::unique_ptr<TJvThumbnail> thumb;
  };
  std::vector<Entry> FEntries;
};

// Orders names and paths for every list of the view.
int CompareNames(const std::string& a, const std::string& b);

// ---- the scroll box -----------------------------------------------------------------------------

// A sunken two-pixel border, both scroll bars tracking, an automatic range taken from the children
// and no scrolling by the wheel.
class TJvBaseThumbView : public QAbstractScrollArea {
 public:
  explicit TJvBaseThumbView(QWidget* parent = nullptr);

  int HorzPosition() const;
  int VertPosition() const;
  void SetHorzPosition(int value);
  void SetVertPosition(int value);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

class TJvThumbView : public TJvBaseThumbView, public ThumbInputTarget {
 public:
  explicit TJvThumbView(QWidget* parent = nullptr);
  ~TJvThumbView() override;

  // Writing scans the folder and rebuilds every tile. An error while scanning still clears the
  // running flag and restores the cursor before it continues to the caller.
  void SetDirectory(const std::string& path);
  const std::string& Directory() const { return FDirectory; }
  void SetFilter(const std::string& filter) { FFilter = filter; }
  const std::string& Filter() const { return FFilter; }
  void SetSorted(bool value) { FSorted = value; }
  bool Sorted() const { return FSorted; }
  void SetMaxWidth(int value);
  void SetMaxHeight(int value);
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  void SetSize(int percent);
  int Size() const { return FPercent; }
  void SetThumbGap(int gap);
  int ThumbGap() const { return FThumbGap; }
  // Only smBoth lays out: the two other modes are not used by any window.
  TScrollMode ScrollMode() const { return smBoth; }
  void SetAlignView(TViewType value);
  TViewType AlignView() const { return FAlignView; }
  int Count() const { return FThumbList.Count(); }
  void SetMinMemory(bool value) { FMinMemory = value; }
  void SetAsButtons(bool value) { FAsButtons = value; }
  bool AsButtons() const { return FAsButtons; }
  void SetTitlePlacement(TTitlePos value) { FTitlePlacement = value; }
  TTitlePos TitlePlacement() const { return FTitlePlacement; }
  void SetThumbColor(TColor value) { FThumbColor = value; }
  void SetShowShadow(bool value) { FShowShadow = value; }
  void SetShadowColor(TColor value) { FShadowColor = value; }
  void SetColor(TColor color);
  TColor Color() const { return FColor; }
  void SetAutoScrolling(bool value) { FAutoScrolling = value; }
  void SetAutoHandleKeyb(bool value) { FAutoHandleKeyb = value; }

  void SetSelected(int index);
  int Selected() const { return FSelected; }
  void BringIntoView(int index);
  // The selected tile's full path, or empty with nothing selected.
  std::string SelectedFile() const;
  // Scans the path's folder and selects the first tile whose file name equals the path exactly
  // (letter case included); without one the selection stays as the scan left it.
  void SetSelectedFile(const std::string& path);

  TJvThumbnail* AddThumb(const QString& title, bool redraw);
  void EmptyList();
  void UpdateCellSize();
  void PlaceThumbnails(int from);
  int SlotLeft(int n) const {
    return SlotPosition(n, FMaxX, FThumbSize.width(), FThumbSize.height(), FThumbGap).X;
  }
  int SlotTop(int n) const {
    return SlotPosition(n, FMaxX, FThumbSize.width(), FThumbSize.height(), FThumbGap).Y;
  }

  TJvThumbnail* Thumbnail(int index) const { return FThumbList.GetThumbnail(index); }
  QSize ThumbSize() const { return FThumbSize; }
  int MaxX() const { return FMaxX; }
  bool Filling() const { return FFilling; }
  bool Painted() const { return FPainted; }
  // The far edges of the farthest visible tiles: the scrolled extent.
  QSize ContentExtent() const;
  // Paths of the last listing, in the order found and sorted.
  const std::vector<std::string>& FileList() const { return FFileList; }
  const std::vector<std::string>& FileListSorted() const { return FFileListSorted; }
  void ListFolderFiles(const std::string& folder);

  // Milliseconds of a monotonic clock; tests replace it.
  void SetClock(std::function<int64_t()> clock) { FClock = std::move(clock); }

  std::function<void()> OnChanging, OnChange, OnClick, OnDblClick;
  std::function<void(int max)> OnStartScanning;
  std::function<void(int position, bool& stop)> OnScanProgress;
  std::function<void()> OnStopScanning;
  std::function<void(const std::string& file)> OnInvalidImage;
  std::function<void(TMouseButton button, TShiftState shift, int x, int y)> OnMouseDown;

  void ThumbMouseDown(TMouseButton button, TShiftState shift, QPoint clientPos) override;
  void ThumbMouseMove(TShiftState shift, QPoint clientPos) override;
  void ThumbMouseUp(TMouseButton button, TShiftState shift, QPoint clientPos) override;
  void ThumbDblClick(TShiftState shift, QPoint clientPos) override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Scan(const std::string& path);
  void UpdateScrollRange();
  void PositionTiles();
  void FirstPaintRescan();

  std::string FDirectory;
  std::string FFilter = "All pictures (*.bmp;*.dib;*.jpg;*.jpeg)|*.bmp;*.dib;*.jpg;*.jpeg";
  bool FSorted = true;
  int FMaxWidth = 200, FMaxHeight = 200;
  int FPercent = 100;
  int FThumbGap = 4;
  TViewType FAlignView = vtNormal;
  bool FMinMemory = true;
  bool FAsButtons = false;
  TTitlePos FTitlePlacement = tpUp;
  TColor FThumbColor = clNone;
  bool FShowShadow = false;
  TColor FShadowColor = clBlack;
  TColor FColor = clBtnFace;
  bool FAutoScrolling = true;
  bool FAutoHandleKeyb = true;

  std::vector<std::string> FFileList, FFileListSorted, FGraphicExtensions;
  TJvThumbList FThumbList;
  QSize FThumbSize{200, 200};
  int FMaxX = 1;
  int FSelected = -1;
  bool FFilling = false;
  bool FPainted = false;
  bool FPlacing = false;
  std::function<int64_t()> FClock;
};

}  // namespace pintoola
