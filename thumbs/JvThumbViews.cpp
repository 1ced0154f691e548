#include "thumbs/JvThumbViews.h"

#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>

#include "platform/Collation.h"
#include "platform/Cursors.h"
#include "platform/DrawSurface.h"
#include "platform/Files.h"
#include "platform/FolderList.h"

namespace pintoola {

Q_LOGGING_CATEGORY(lcThumbView, "pintoola.thumbs")

// ---- pure rules ---------------------------------------------------------------------------------

std::vector<std::string> FilterMasks(const std::string& filter) {
  std::vector<std::string> lists;
  std::string s = filter;
  for (;;) {
    auto bar = s.find('|');
    if (bar == std::string::npos) {
      lists.push_back(s);
      break;
    }
    s.erase(0, bar + 1);  // a description
    bar = s.find('|');
    if (bar == std::string::npos) {
      lists.push_back(s);
      break;
    }
    lists.push_back(s.substr(0, bar));
    s.erase(0, bar + 1);
  }
  std::vector<std::string> masks;
  for (const std::string& list : lists) {
    size_t start = 0;
    while (start <= list.size()) {
      const size_t semi = std::min(list.find(';', start), list.size());
      if (semi > start) masks.push_back(list.substr(start, semi - start));
      start = semi + 1;
    }
  }
  return masks;
}

int ScaledCellSide(int maxSide, int percent) {
  // Extended precision on purpose: 53 / 100 * 100 truncates to 52, as the tiles were always sized.
  const long double side = static_cast<long double>(maxSide) / 100 * percent;
  return std::max(0, static_cast<int>(std::trunc(side)));
}

int GridColumns(int count) {
  int c = 1;
  while (c * c < count) ++c;
  return c;
}

TPoint SlotPosition(int n, int columns, int cellW, int cellH, int gap) {
  if (n <= 0 || columns <= 0) return {0, 0};
  const int r = (n + columns - 1) / columns;
  const int c = n - (r - 1) * columns;
  return {(c - 1) * cellW + c * gap, (r - 1) * cellH + r * gap};
}

int CandidateEntry(int x, int y, int hScroll, int vScroll, int cellW, int cellH, int gap, int columns,
                   int count) {
  if (cellW + gap <= 0 || cellH + gap <= 0 || columns <= 0) return -1;
  int c = static_cast<int>(std::ceil(static_cast<long double>(x + hScroll) / (cellW + gap)));
  c = std::min(c, columns);
  int r = static_cast<int>(std::ceil(static_cast<long double>(y + vScroll) / (cellH + gap)));
  r = std::max(r, 1);
  // 16 bits, as the index always was: column 0 of row 1 wraps to 65535 and hits nothing.
  const int k = static_cast<uint16_t>((r - 1) * columns + c - 1);
  return k >= count ? -1 : k;
}

int CompareNames(const std::string& a, const std::string& b) {
  const int c = CompareText(a, b);
  return c != 0 ? c : a.compare(b);
}

// ---- TJvThumbList -------------------------------------------------------------------------------

int TJvThumbList::AddThumb(const QString& title, std::unique_ptr<TJvThumbnail> thumb) {
  const std::string key = title.toStdString();
  auto it = std::lower_bound(FEntries.begin(), FEntries.end(), key, [](const Entry& e, const std::string& k) {
    return CompareNames(e.title.toStdString(), k) < 0;
  });
  if (it != FEntries.end() && it->title == title) return -1;
  it = FEntries.insert(it, Entry{title, std::move(thumb)});
  return static_cast<int>(it - FEntries.begin());
}

void TJvThumbList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FEntries.erase(FEntries.begin() + index);
}

TJvThumbnail* TJvThumbList::GetThumbnail(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FEntries[static_cast<size_t>(index)].thumb.get();
}

int TJvThumbList::IndexOf(const TJvThumbnail* thumb) const {
  for (int i = 0; i < Count(); ++i)
    if (FEntries[static_cast<size_t>(i)].thumb.get() == thumb) return i;
  return -1;
}

// ---- the scroll box -----------------------------------------------------------------------------

TJvBaseThumbView::TJvBaseThumbView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  QPalette pal = palette();
  pal.setColor(QPalette::Dark, ToQColor(clBtnShadow));
  pal.setColor(QPalette::Light, ToQColor(clBtnHighlight));
  pal.setColor(QPalette::Shadow, ToQColor(cl3DDkShadow));
  pal.setColor(QPalette::Midlight, ToQColor(cl3DLight));
  setPalette(pal);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setTracking(true);
    bar->setSingleStep(8);
  }
  viewport()->setAutoFillBackground(false);
}

int TJvBaseThumbView::HorzPosition() const { return horizontalScrollBar()->value(); }
int TJvBaseThumbView::VertPosition() const { return verticalScrollBar()->value(); }
void TJvBaseThumbView::SetHorzPosition(int value) { horizontalScrollBar()->setValue(value); }
void TJvBaseThumbView::SetVertPosition(int value) { verticalScrollBar()->setValue(value); }

void TJvBaseThumbView::wheelEvent(QWheelEvent* event) { event->accept(); }

// ---- TJvThumbView -------------------------------------------------------------------------------

TJvThumbView::TJvThumbView(QWidget* parent) : TJvBaseThumbView(parent) {
  // Tab reaches the view; a click does not (the viewport forwards its focus to the view).
  setFocusPolicy(Qt::TabFocus);
  FClock = [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
  UpdateCellSize();
}

TJvThumbView::~TJvThumbView() = default;

void TJvThumbView::SetColor(TColor color) {
  FColor = color;
  for (int i = 0; i < Count(); ++i) {
    TJvThumbnail* t = Thumbnail(i);
    if (FThumbColor == clNone) t->SetColor(color);
    if (i != FSelected) t->SetTitleColor(t->Color());
  }
  viewport()->update();
}

void TJvThumbView::SetMaxWidth(int value) {
  FMaxWidth = value;
  UpdateCellSize();
  PlaceThumbnails(0);
}

void TJvThumbView::SetMaxHeight(int value) {
  FMaxHeight = value;
  UpdateCellSize();
  PlaceThumbnails(0);
}

void TJvThumbView::SetSize(int percent) {
  FPercent = std::clamp(percent, -100, 100);
  UpdateCellSize();
  PlaceThumbnails(0);
}

void TJvThumbView::SetThumbGap(int gap) {
  FThumbGap = std::clamp(gap, 0, 255);
  // Fitted to the screen, the new gap waits for the next layout.
  if (FAlignView != vtFitToScreen) {
    FMaxX = GridColumns(Count());
    PlaceThumbnails(0);
  }
}

void TJvThumbView::SetAlignView(TViewType value) {
  FAlignView = value;
  PlaceThumbnails(0);
}

void TJvThumbView::UpdateCellSize() {
  FThumbSize = QSize(ScaledCellSide(FMaxWidth, FPercent), ScaledCellSide(FMaxHeight, FPercent));
  FMaxX = GridColumns(Count());
}

QSize TJvThumbView::ContentExtent() const {
  int w = 0, h = 0;
  for (int i = 0; i < Count(); ++i) {
    const TJvThumbnail* t = Thumbnail(i);
    if (t->isHidden()) continue;
    w = std::max(w, t->ContentPos().x() + t->width());
    h = std::max(h, t->ContentPos().y() + t->height());
  }
  return QSize(w, h);
}

void TJvThumbView::UpdateScrollRange() {
  const QSize extent = ContentExtent();
  const QSize client = viewport()->size();
  QScrollBar* hb = horizontalScrollBar();
  QScrollBar* vb = verticalScrollBar();
  hb->setPageStep(std::max(1, client.width()));
  vb->setPageStep(std::max(1, client.height()));
  hb->setRange(0, std::max(0, extent.width() - client.width()));
  vb->setRange(0, std::max(0, extent.height() - client.height()));
}

void TJvThumbView::PositionTiles() {
  const QPoint scroll(HorzPosition(), VertPosition());
  for (int i = 0; i < Count(); ++i) {
    TJvThumbnail* t = Thumbnail(i);
    t->move(t->ContentPos() - scroll);
  }
}

void TJvThumbView::PlaceThumbnails(int from) {
  if (FPlacing) return;
  FPlacing = true;
  const int h = HorzPosition(), v = VertPosition();
  for (int i = std::max(0, from); i < Count(); ++i) {
    TJvThumbnail* t = Thumbnail(i);
    t->SetContentPos(QPoint(SlotLeft(i + 1), SlotTop(i + 1)));
    t->resize(FThumbSize);
  }
  UpdateScrollRange();
  // Restored positions are limited to the new ranges by the scroll bars.
  SetHorzPosition(h);
  SetVertPosition(v);
  PositionTiles();
  FPlacing = false;
}

void TJvThumbView::scrollContentsBy(int, int) {
  PositionTiles();
  viewport()->update();
}

void TJvThumbView::resizeEvent(QResizeEvent*) {
  FMaxX = GridColumns(Count());
  PlaceThumbnails(0);
}

TJvThumbnail* TJvThumbView::AddThumb(const QString& title, bool redraw) {
  auto tile = std::make_unique<TJvThumbnail>(viewport(), this, FThumbSize.width(), FThumbSize.height());
  TJvThumbnail* t = tile.get();
  t->SetContentPos(QPoint(SlotLeft(Count() + 1), SlotTop(Count() + 1)));
  t->move(t->ContentPos() - QPoint(HorzPosition(), VertPosition()));
  const TColor color = FThumbColor == clNone ? FColor : FThumbColor;
  t->SetColor(color);
  t->SetTitleColor(color);
  t->SetTitleTextColor(clWindowText);
  t->SetMinimizeMemory(FMinMemory);
  t->SetAsButton(FAsButtons);
  t->SetTitlePlacement(FTitlePlacement);
  t->SetShowShadow(FShowShadow);
  t->SetShadowColor(FShadowColor);
  t->Photo()->OnInvalidImage = [this](TJvThumbImage*, const std::string& file) {
    if (OnInvalidImage) OnInvalidImage(file);
  };
  t->SetTitle(title);
  if (FThumbList.AddThumb(title, std::move(tile)) < 0) return nullptr;
  t->show();
  if (redraw) {
    UpdateCellSize();
    PlaceThumbnails(0);
  }
  return t;
}

void TJvThumbView::EmptyList() {
  for (int i = Count() - 1; i >= 0; --i) FThumbList.Delete(i);
  FSelected = -1;
  UpdateScrollRange();
}

void TJvThumbView::ListFolderFiles(const std::string& folder) {
  FFileList.clear();
  FFileListSorted.clear();
  FGraphicExtensions = FilterMasks(FFilter);
  if (DirectoryExists(folder)) {
    std::string base = folder;
    if (base.empty() || base.back() != '/') base += '/';
    for (const std::string& mask : FGraphicExtensions) {
      for (const std::string& name : ListMatchingFiles(base, mask)) {
        const std::string path = base + name;
        // Paths are compared exactly: on this file system names differing in case are two files.
        if (std::find(FFileList.begin(), FFileList.end(), path) != FFileList.end()) continue;
        FFileList.push_back(path);
        FFileListSorted.push_back(path);
      }
    }
    std::sort(FFileListSorted.begin(), FFileListSorted.end(),
              [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
  }
  FGraphicExtensions.clear();
}

void TJvThumbView::SetDirectory(const std::string& path) { Scan(path); }

void TJvThumbView::Scan(const std::string& path) {
  FSelected = -1;
  if (FFilling) return;
  if (path.empty()) {
    EmptyList();
  } else {
    // Restores the running flag and the cursor on every way out, an error included.
    // The hourglass is the view's own: the rest of the program keeps its cursor.
    struct ScanGuard {
      TJvThumbView* view;
      QCursor saved;
      bool own;
      ~ScanGuard() {
        view->FFilling = false;
        if (own)
          view->setCursor(saved);
        else
          view->unsetCursor();
      }
    } guard{this, cursor(), testAttribute(Qt::WA_SetCursor)};
    FFilling = true;
    const int64_t start = FClock();
    bool hourglass = guard.saved.shape() == Qt::WaitCursor;

    ListFolderFiles(path);
    const std::vector<std::string> work = FSorted ? FFileListSorted : FFileList;
    EmptyList();
    FDirectory = path;
    if (OnStartScanning) OnStartScanning(static_cast<int>(work.size()) - 1);
    for (size_t i = 0; i < work.size(); ++i) {
      bool stop = false;
      if (OnScanProgress) OnScanProgress(static_cast<int>(i) + 1, stop);
      if (stop) break;
      TJvThumbnail* t = AddThumb(QString::fromStdString(ExtractFileName(work[i])), true);
      // The tile just made takes the path (the list's order need not be the listing's).
      if (t) t->SetFileName(work[i]);
      if (!hourglass && FClock() - start > 1000) {
        SetControlCursor(this, crHourGlass);
        hourglass = true;
      }
    }
    if (OnStopScanning) OnStopScanning();
  }
  FDirectory = path;
  if (Count() > 0 && FSelected < 0) SetSelected(0);
  viewport()->update();
}

void TJvThumbView::SetSelected(int index) {
  if (index < 0 || index >= Count()) index = -1;
  if (Count() == 0) {
    FSelected = -1;
    return;
  }
  if (TJvThumbnail* old = Thumbnail(FSelected)) {
    old->SetTitleColor(old->Color());
    old->SetTitleTextColor(clWindowText);
  }
  if (index != -1) {
    TJvThumbnail* t = Thumbnail(index);
    t->SetTitleColor(clHighlight);
    t->SetTitleTextColor(clHighlightText);
    if (FAutoScrolling) {
      if (t->y() + t->height() > height() || t->y() < 0) BringIntoView(index);
      if (t->x() + t->width() > width() || t->x() < 0) BringIntoView(index);
    }
  }
  // BringIntoView may already have taken the index (raising OnClick instead).
  if (index == FSelected) return;
  if (OnChanging) OnChanging();
  FSelected = index;
  if (OnChange) OnChange();
}

void TJvThumbView::BringIntoView(int index) {
  TJvThumbnail* t = Thumbnail(index);
  if (!t) return;
  const int w = t->width(), h = t->height();
  // Half a tile WIDTH above the top edge, as the view always did; tiles are square in practice.
  if (t->y() < 0) SetVertPosition(VertPosition() + t->y() - w / 2);
  if (t->y() + h > height()) SetVertPosition(VertPosition() + t->y() - (h - h / 2));
  if (t->x() < 0) SetHorzPosition(HorzPosition() + t->x() - w / 2);
  if (t->x() + w > width()) SetHorzPosition(HorzPosition() + t->x() + w + w / 2 - width());
  if (index != FSelected) {
    FSelected = index;
    if (OnClick) OnClick();
  }
}

std::string TJvThumbView::SelectedFile() const {
  const TJvThumbnail* t = Thumbnail(FSelected);
  return t ? t->FileName() : std::string();
}

void TJvThumbView::SetSelectedFile(const std::string& path) {
  const auto slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  SetDirectory(folder);
  for (int i = 0; i < Count(); ++i) {
    if (Thumbnail(i)->FileName() != path) continue;
    SetSelected(i);
    if (!FAutoScrolling) BringIntoView(i);
    return;
  }
}

void TJvThumbView::ThumbMouseDown(TMouseButton button, TShiftState shift, QPoint p) {
  if (Count() > 0) {
    const int k = CandidateEntry(p.x(), p.y(), HorzPosition(), VertPosition(), FThumbSize.width(),
                                 FThumbSize.height(), FThumbGap, FMaxX, Count());
    const TJvThumbnail* t = Thumbnail(k);
    const bool hit = t && t->x() <= p.x() && p.x() < t->x() + t->width() && t->y() <= p.y() &&
                     p.y() < t->y() + t->height();
    SetSelected(hit ? k : -1);
  }
  if (OnMouseDown) OnMouseDown(button, shift, p.x(), p.y());
}

void TJvThumbView::ThumbMouseMove(TShiftState, QPoint) {}
void TJvThumbView::ThumbMouseUp(TMouseButton, TShiftState, QPoint) {}

void TJvThumbView::ThumbDblClick(TShiftState, QPoint) {
  if (OnDblClick) OnDblClick();
}

void TJvThumbView::mousePressEvent(QMouseEvent* e) {
  e->accept();
  ThumbMouseDown(MouseButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()),
                 e->position().toPoint());
}

void TJvThumbView::mouseDoubleClickEvent(QMouseEvent* e) {
  e->accept();
  const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble;
  if (e->button() == Qt::LeftButton) ThumbDblClick(shift, e->position().toPoint());
  ThumbMouseDown(MouseButtonOf(e->button()), shift, e->position().toPoint());
}

void TJvThumbView::mouseMoveEvent(QMouseEvent* e) { e->accept(); }
void TJvThumbView::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }

bool TJvThumbView::event(QEvent* e) {
  // Every key but Tab belongs to the view: Enter and Escape must not reach the dialog's buttons.
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) {
      e->accept();
      return true;
    }
  }
  return TJvBaseThumbView::event(e);
}

void TJvThumbView::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
    TJvBaseThumbView::keyPressEvent(e);
    return;
  }
  e->accept();
  if (!FAutoHandleKeyb || Count() == 0) return;
  int target;
  switch (e->key()) {
    case Qt::Key_End:
      target = Count() - 1;
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_Left:
      target = FSelected - 1;
      break;
    case Qt::Key_Right:
      target = FSelected + 1;
      break;
    case Qt::Key_Up:
      target = FSelected - FMaxX;
      break;
    case Qt::Key_Down:
      target = FSelected + FMaxX;
      break;
    default:
      return;
  }
  if (target < 0 || target > Count() - 1) target = FSelected;
  SetSelected(target);
  BringIntoView(FSelected);
}

void TJvThumbView::paintEvent(QPaintEvent*) {
  if (!FPainted) {
    // The folder is read once more when the view is first painted, before any input can reach it.
    // The tiles this replaces are not painted yet: children are painted after their parent, from
    // the parent's child list as it stands then.
    FPainted = true;
    FirstPaintRescan();
  }
  QPainter painter(viewport());
  DrawSurface s(painter);
  s.FillSolid(Bounds(0, 0, viewport()->width(), viewport()->height()), FColor);
}

void TJvThumbView::FirstPaintRescan() {
  try {
    SetDirectory(FDirectory);
  } catch (const std::exception& e) {
    qCWarning(lcThumbView) << "rescan failed:" << e.what();
  }
}

}  // namespace pintoola
