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
#include "tests/engine/BmpTestUtil.h"
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
using testing::RawRows;

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
  PageWriter writer(*w.page);
  for (int y = 0; y < 200; ++y) {
    uint8_t* row = writer.ScanLine(y);
    for (int x = 0; x < 300; ++x)
      if (x % 70 < 2 || y % 50 < 2) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 90;
  }
  writer.Commit();
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

// An opened page keeps the form it was read in (run-length-encoded file bytes, 8 bits with its
// colour counts) until a drawing is done. A click that fails for lack of memory is not done: the
// page still saves byte for byte as the file it came from, and so does the snapshot of it.
enum class Fixture { Rle8, Indexed8 };

// 120 × 80 pixels of colour index 1 with lines of index 0 every 30 pixels, in 16 colours of which
// the file says 5 are important.
std::vector<uint8_t> OpenedPageFile(Fixture kind) {
  constexpr int kW = 120, kH = 80;
  test::BmpLayout s;
  s.width = kW;
  s.height = kH;
  s.depth = 8;
  s.table = test::MakeTable(16);
  s.colorsUsed = 16;
  s.colorsImportant = 5;
  const int stride = test::RowBytes(kW, 8);
  for (int fileRow = 0; fileRow < kH; ++fileRow) {  // bottom-up
    const int y = kH - 1 - fileRow;
    std::vector<uint8_t> row(static_cast<size_t>(stride), 0);
    for (int x = 0; x < kW; ++x) row[x] = (x % 30 == 0 || y % 30 == 0) ? 0 : 1;
    if (kind == Fixture::Indexed8) {
      s.pixels.insert(s.pixels.end(), row.begin(), row.end());
      continue;
    }
    for (int x = 0; x < kW;) {  // runs of one index, then the end of the line
      int n = 1;
      while (x + n < kW && n < 255 && row[x + n] == row[x]) ++n;
      s.pixels.push_back(static_cast<uint8_t>(n));
      s.pixels.push_back(row[x]);
      x += n;
    }
    s.pixels.push_back(0);
    s.pixels.push_back(fileRow == kH - 1 ? 1 : 0);
  }
  if (kind == Fixture::Rle8) s.compression = 1;
  return test::MakeBmp(s);
}

TEST(OutOfMemoryTest, AFailedClickLeavesAnOpenedPageSavingAsItsFile) {
  test::ScratchDir dir;
  for (const Fixture kind : {Fixture::Rle8, Fixture::Indexed8}) {
    const std::vector<uint8_t> file = OpenedPageFile(kind);
    const std::string path = dir.File("page.bmp"), saved = dir.File("saved.bmp");
    test::WriteBytes(path, file);
    for (const Click click : {Click::SolidFill, Click::HatchFill, Click::Signature, Click::FixAfterFill}) {
      SCOPED_TRACE(::testing::Message() << (kind == Fixture::Rle8 ? "RLE-8" : "8-bit") << ", click "
                                        << static_cast<int>(click));
      for (long n = 0;; ++n) {
        SCOPED_TRACE(n);
        ASSERT_LT(n, 1000) << "the click never got through";
        Window w;
        w.page->LoadFromFile(path);
        ASSERT_EQ(kind == Fixture::Rle8, w.page->HasLoadedFileBytes());
        w.history.PushUndo(*w.page);  // "Fix image" too finds a snapshot holding the page
        const PageRecord page = Capture(*w.page);
        bool failed = false;
        g_allowance = n;
        try {
          if (click == Click::FixAfterFill)
            ContrastImage(*w.page, 100);
          else if (click == Click::Signature)
            DrawPageText(*w.page, 20, 20, U"Name", w.glyphs, 96);
          else
            FillRegion(*w.page, 45, 45, clBlue, click == Click::SolidFill ? bsSolid : bsDiagCross);
        } catch (const std::bad_alloc&) {
          failed = true;
        }
        g_allowance = -1;
        w.page->SaveToFile(saved);
        if (!failed) {
          EXPECT_GT(n, 0) << "a click that allocates nothing proves nothing here";
          EXPECT_NE(test::ReadBytes(saved), file) << "the click is a change when it has the memory";
          break;
        }
        EXPECT_EQ(test::ReadBytes(saved), file) << "the failed click changed how the page saves";
        EXPECT_EQ(Capture(*w.page), page);
        // Drawing goes on, and the undo gives back the page as opened.
        FillRegion(*w.page, 45, 45, clRed, bsSolid);
        w.page = w.history.UndoLast();
        w.page->SaveToFile(saved);
        EXPECT_EQ(test::ReadBytes(saved), file) << "the snapshot";
      }
    }
  }
}

// A snapshot let go of out of order hands its kept tiles to the next older one. When that runs out
// of memory the version stays (reading and rolling back pass through it) and is merged later: every
// undo is still exact, and once no snapshot is left nothing older is kept, whether an undo passes
// through the version or the snapshot older than it goes first.
TEST(OutOfMemoryTest, AMergeWithoutMemoryLeavesNoVersionBehind) {
  for (const bool throughIt : {true, false}) {
    SCOPED_TRACE(throughIt ? "undo through it" : "the older snapshot goes first");
    bool refused = false;
    for (long n = 0;; ++n) {
      SCOPED_TRACE(n);
      ASSERT_LT(n, 1000) << "the merge never got through";
      Window w;
      w.page->SetSize(300, 200, clWhite);
      std::unique_ptr<PageBitmap> snapshots[3];
      std::vector<uint8_t> expected[3];
      const TColor colours[] = {clRed, clLime, clBlue};
      for (int i = 0; i < 3; ++i) {
        snapshots[i] = std::make_unique<PageBitmap>();
        snapshots[i]->Assign(w.page.get());
        expected[i] = RawRows(*w.page);
        FillRegion(*w.page, 150, 100, colours[i], static_cast<TBrushStyle>(bsHorizontal + i));
      }
      const auto last = RawRows(*w.page);
      g_allowance = n;
      snapshots[1].reset();  // the middle one: its tiles go to the oldest
      const bool done = g_allowance != 0;
      g_allowance = -1;
      refused = refused || !done;
      EXPECT_EQ(RawRows(*w.page), last);
      if (!throughIt) snapshots[0].reset();
      w.page = std::move(snapshots[2]);
      EXPECT_EQ(RawRows(*w.page), expected[2]);
      FillRegion(*w.page, 20, 20, clYellow, bsCross);
      if (throughIt) {
        w.page = std::move(snapshots[0]);  // rolled back through the version that stayed, if it did
        EXPECT_EQ(RawRows(*w.page), expected[0]);
        FillRegion(*w.page, 20, 20, clAqua, bsSolid);
      }
      PageWriter writer(*w.page);
      EXPECT_NE(writer.Unannounced(), nullptr) << "an older version is left behind";
      writer.Commit();
      EXPECT_EQ(w.page->KeptBytes(), 0u);
      if (done) break;
    }
    EXPECT_TRUE(refused) << "no allocation of the merge was refused";
  }
}

}  // namespace
}  // namespace pintoola
