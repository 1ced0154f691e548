// Clicks that run out of memory part-way: whichever allocation fails, the error comes out, the page
// and the history stay as they were, and every later undo is still exact. The allocator of this
// suite refuses, once armed, the n-th allocation and all after it; its own executable keeps that
// replacement away from the other suites.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "engine/Contrast.h"
#include "engine/RegionFill.h"
#include "engine/SignatureStamp.h"
#include "engine/UndoHistory.h"
#include "tests/engine/PixelPages.h"

namespace {
long g_allowance = -1;  // allocations left before they fail; negative: no limit

void* Allocate(std::size_t n) {
  if (g_allowance == 0) throw std::bad_alloc();
  if (g_allowance > 0) --g_allowance;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* AllocateAligned(std::size_t n, std::align_val_t a) {
  if (g_allowance == 0) throw std::bad_alloc();
  if (g_allowance > 0) --g_allowance;
  const auto align = static_cast<std::size_t>(a);
  if (void* p = std::aligned_alloc(align, (n + align - 1) / align * align)) return p;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void* operator new(std::size_t n, std::align_val_t a) { return AllocateAligned(n, a); }
void* operator new[](std::size_t n, std::align_val_t a) { return AllocateAligned(n, a); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return Allocate(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace pintoola {
namespace {

using testing::Capture;
using testing::PageRecord;

class BlockGlyphs : public TextRasterizer {
 public:
  TextRaster Rasterize(const std::u32string& text, const PageFont&, int pixelHeight) override {
    TextRaster r;
    r.width = 6 * static_cast<int>(text.size());
    r.height = pixelHeight;
    r.inkWidth = r.width;
    r.inkHeight = r.height;
    r.coverage.assign(static_cast<size_t>(r.width) * static_cast<size_t>(r.height), 200);
    return r;
  }
};

enum class Click { SolidFill, HatchFill, Signature, FixAfterFill };

struct Window {
  std::unique_ptr<PageBitmap> page = std::make_unique<PageBitmap>();
  TPictureArray history;
  std::vector<PageRecord> before;
  BlockGlyphs glyphs;

  void Fill(int x, int y, TColor c, TBrushStyle s) {
    before.push_back(Capture(*page));
    history.PushUndo(*page);
    FillRegion(*page, x, y, c, s);
  }
  void Do(Click click) {
    if (click == Click::FixAfterFill) {
      ContrastImage(*page, 100);
      return;
    }
    history.PushUndo(*page);
    if (click == Click::Signature)
      DrawPageText(*page, 60, 40, U"Name", glyphs, 96);
    else
      FillRegion(*page, 150, 100, clBlue, click == Click::SolidFill ? bsSolid : bsDiagCross);  // the lines
  }
};

// A page of grey-edged areas with some history, the pixels split over several tiles.
void Prepare(Window& w) {
  w.page->SetSize(300, 200, clWhite);
  for (int y = 0; y < 200; ++y) {
    uint8_t* row = w.page->ScanLine(y);
    for (int x = 0; x < 300; ++x)
      if (x % 70 < 2 || y % 50 < 2) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 90;
  }
  w.Fill(10, 10, clRed, bsSolid);
  w.Fill(100, 60, clLime, bsHorizontal);
  w.Fill(10, 10, clYellow, bsSolid);
}

TEST(OutOfMemoryTest, AClickThatCannotGetMemoryLeavesPageAndHistoryExact) {
  for (const Click click : {Click::SolidFill, Click::HatchFill, Click::Signature, Click::FixAfterFill}) {
    SCOPED_TRACE(static_cast<int>(click));
    for (long n = 0;; ++n) {
      SCOPED_TRACE(n);
      ASSERT_LT(n, 1000) << "the click never got through";
      Window w;
      Prepare(w);
      if (click == Click::FixAfterFill) w.Fill(150, 120, clAqua, bsSolid);  // the fix follows a click
      const PageRecord page = Capture(*w.page);
      const size_t snapshots = w.history.Count();
      bool failed = false;
      g_allowance = n;
      try {
        w.Do(click);
      } catch (const std::bad_alloc&) {
        failed = true;
      }
      g_allowance = -1;
      if (!failed) {
        EXPECT_GT(n, 0) << "a click that allocates nothing proves nothing here";
        EXPECT_NE(Capture(*w.page), page) << "the click changes the page when it has the memory";
        break;
      }
      EXPECT_EQ(Capture(*w.page), page) << "the failed click changed the page";
      ASSERT_LE(w.history.Count(), snapshots + 1);
      if (w.history.Count() == snapshots + 1) {
        EXPECT_EQ(Capture(w.history.Snapshot(snapshots)), page) << "the snapshot of the failed click";
        w.before.push_back(page);
      }
      // Colouring goes on, and the undos walk back exactly.
      w.Fill(220, 150, clYellow, bsCross);
      while (auto restored = w.history.UndoLast()) {
        w.page = std::move(restored);
        ASSERT_FALSE(w.before.empty());
        EXPECT_EQ(Capture(*w.page), w.before.back());
        w.before.pop_back();
      }
      EXPECT_TRUE(w.before.empty());
    }
  }
}

}  // namespace
}  // namespace pintoola
