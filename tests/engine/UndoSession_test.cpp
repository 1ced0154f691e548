// Long random sessions of everything that changes a page, against the undo history's promise: every
// undo gives back the page exactly as it was before its click.
#include <gtest/gtest.h>

#include <random>

#include "core/Errors.h"
#include "engine/Contrast.h"
#include "engine/RegionFill.h"
#include "engine/SignatureStamp.h"
#include "engine/UndoHistory.h"
#include "tests/engine/BmpTestUtil.h"
#include "tests/engine/PixelPages.h"

namespace pintoola {
namespace {

using test::ScratchDir;
using testing::Capture;
using Record = testing::PageRecord;

// Glyphs of mixed coverage, so that blending with the page shows in the bytes, with ink reaching
// beyond the text's box on every side.
class HatchGlyphs : public TextRasterizer {
 public:
  TextRaster Rasterize(const std::u32string& text, const PageFont&, int pixelHeight) override {
    TextRaster r;
    r.width = 5 * static_cast<int>(text.size());
    r.height = pixelHeight;
    r.inkLeft = -2;
    r.inkTop = -1;
    r.inkWidth = r.width + 4;
    r.inkHeight = r.height + 2;
    r.coverage.resize(static_cast<size_t>(r.inkWidth) * static_cast<size_t>(r.inkHeight));
    for (size_t i = 0; i < r.coverage.size(); ++i) r.coverage[i] = static_cast<uint8_t>((i * 37 % 5) * 60);
    return r;
  }
};

// A line drawing of a random size, depth and row order: black lines splitting white into areas,
// with some coloured pixels.
std::shared_ptr<BitmapImage> RandomPage(std::mt19937& rng) {
  static constexpr std::pair<int, int> kSizes[] = {{5, 4}, {1, 1}, {9, 1}, {33, 31}, {97, 70}, {150, 66}, {64, 97}};
  static constexpr int kDepths[] = {24, 24, 24, 8, 32};
  static constexpr TColor kInk[] = {clWhite, clBlack, clRed, 0x808080, clBlue};
  const auto [w, h] = kSizes[rng() % std::size(kSizes)];
  auto img = std::make_shared<BitmapImage>();
  img->width = w;
  img->height = h;
  img->depth = kDepths[rng() % std::size(kDepths)];
  img->topDown = rng() % 2;
  img->stride = BitmapImage::StrideFor(w, img->depth);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride) * static_cast<size_t>(h), true);
  if (img->depth == 8)
    for (TColor c : kInk) img->colorTable.push_back({GetBValue(c), GetGValue(c), GetRValue(c), 0});
  const int lineX = 1 + static_cast<int>(rng() % 9), lineY = 1 + static_cast<int>(rng() % 9);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = img->Row(y);
    for (int x = 0; x < w; ++x) {
      size_t ink = (x % (lineX + 6) == lineX || y % (lineY + 6) == lineY) ? 1 : 0;
      if (rng() % 40 == 0) ink = 2 + rng() % 3;
      const TColor c = kInk[ink];
      if (img->depth == 8) {
        row[x] = static_cast<uint8_t>(ink);
        continue;
      }
      uint8_t* p = row + static_cast<size_t>(x) * static_cast<size_t>(img->depth / 8);
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  return img;
}

// The page the way the main window holds it, and a twin that takes the same drawing without ever
// sharing pixels with a snapshot.
struct Session {
  std::unique_ptr<PageBitmap> page = std::make_unique<PageBitmap>();
  std::unique_ptr<PageBitmap> twin = std::make_unique<PageBitmap>();
  TPictureArray history;
  std::vector<Record> before;  // the page before each click, as the history should give it back
  HatchGlyphs glyphs;

  template <typename Draw>
  void Both(Draw&& draw) {
    draw(*page);
    draw(*twin);
  }
  void Click(std::mt19937& rng) {
    if (page->Empty()) return;  // the window takes no snapshot of an empty page
    before.push_back(Capture(*page));
    history.PushUndo(*page);
    // Points up to a few pixels outside the page too.
    const int x = static_cast<int>(rng() % static_cast<unsigned>(page->Width() + 4)) - 2;
    const int y = static_cast<int>(rng() % static_cast<unsigned>(page->Height() + 4)) - 2;
    static constexpr TColor kColors[] = {clRed, clLime, clBlack, clWhite, 0x123456};
    const TColor color = kColors[rng() % std::size(kColors)];
    if (rng() % 6 == 0) {
      const std::u32string text(1 + rng() % 4, U'x');
      const int size = 4 + static_cast<int>(rng() % 8);
      Both([&](PageBitmap& p) {
        p.Canvas().font.size = size;
        DrawPageText(p, x, y, text, glyphs, 96);
      });
    } else {
      const auto style = static_cast<TBrushStyle>(rng() % 8);
      Both([&](PageBitmap& p) { FillRegion(p, x, y, color, style); });
    }
  }
  void Undo() {
    std::unique_ptr<PageBitmap> restored = history.UndoLast();
    if (before.empty()) {
      EXPECT_EQ(restored, nullptr);
      return;
    }
    ASSERT_NE(restored, nullptr);
    page = std::move(restored);
    EXPECT_EQ(Capture(*page), before.back()) << "undo " << before.size();
    before.pop_back();
    twin = std::make_unique<PageBitmap>();
    if (!page->Empty()) twin->SetImage(page->Image()->Clone());
  }
};

TEST(UndoSessionTest, EveryUndoGivesBackThePageBeforeItsClick) {
  for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    ScratchDir dir;
    std::vector<std::string> files;
    for (int i = 0; i < 4; ++i) {
      PageBitmap file;
      file.SetImage(RandomPage(rng));
      files.push_back(dir.File("page" + std::to_string(i) + ".bmp"));
      file.SaveToFile(files.back());
    }
    std::string current = files[0];
    Session s;
    s.Both([&](PageBitmap& p) { p.LoadFromFile(current); });
    for (int step = 0; step < 400; ++step) {
      const unsigned op = rng() % 100;
      if (op < 55) {
        s.Click(rng);
      } else if (op < 75) {
        s.Undo();
      } else if (op < 80) {
        if (s.page->Height() < 2) {
          EXPECT_THROW(ContrastImage(*s.page, 100), EPintoolaError);
          continue;
        }
        s.Both([](PageBitmap& p) { ContrastImage(p, 100); });
      } else if (op < 85) {
        current = files[rng() % files.size()];  // open a page
        s.Both([&](PageBitmap& p) { p.LoadFromFile(current); });
      } else if (op < 88) {
        s.Both([&](PageBitmap& p) { p.LoadFromFile(current); });  // reset
      } else if (op < 90) {
        s.page = std::make_unique<PageBitmap>();  // close
        s.twin = std::make_unique<PageBitmap>();
      } else if (!s.before.empty()) {
        const size_t i = rng() % s.before.size();
        EXPECT_EQ(Capture(s.history.Snapshot(i)), s.before[i]) << "snapshot " << i << " read at step " << step;
      }
      ASSERT_EQ(Capture(*s.page), Capture(*s.twin)) << "step " << step;
    }
    while (!s.before.empty()) s.Undo();
    const Record last = Capture(*s.page);
    EXPECT_EQ(s.history.UndoLast(), nullptr);
    EXPECT_EQ(Capture(*s.page), last);
  }
}

}  // namespace
}  // namespace pintoola
