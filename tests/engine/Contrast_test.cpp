#include <gtest/gtest.h>

#include <random>

#include "core/Errors.h"
#include "engine/Contrast.h"
#include "engine/UndoHistory.h"
#include "tests/engine/PixelPages.h"

namespace pintoola {
namespace {

using testing::AllPixels;
using testing::PalettedImage;
using testing::RawRows;
using testing::SetPixel;

// The outputs of the curve at strength 100: 0 up to 95, these for 96…159, 255 from 160.
constexpr uint8_t kMiddle[64] = {
    1,   5,   10,  14,  17,  21,  26,  30,  33,  37,  42,  46,  49,  53,  58,  62,  66,  69,  74,  78,  82, 85,
    90,  94,  98,  101, 106, 110, 114, 117, 122, 126, 130, 133, 137, 141, 146, 150, 154, 158, 162, 165, 169, 173,
    178, 182, 186, 190, 194, 197, 201, 205, 210, 214, 218, 222, 226, 229, 233, 237, 242, 246, 250, 254};

TEST(ContrastTest, TableAtFullStrengthMatchesValueForValue) {
  const auto table = ContrastTable(100);
  for (int v = 0; v < 256; ++v) {
    const int want = v < 96 ? 0 : v >= 160 ? 255 : kMiddle[v - 96];
    EXPECT_EQ(table[static_cast<size_t>(v)], want) << v;
  }
}

TEST(ContrastTest, NeutralAndFlatStrengths) {
  const auto same = ContrastTable(0), flat = ContrastTable(-100);
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(same[static_cast<size_t>(v)], v);
    EXPECT_EQ(flat[static_cast<size_t>(v)], 128);  // 127.5 rounds to the even neighbour
  }
}

// A page whose three channels of every pixel run through all byte values.
void AllValues(PageBitmap& page, int w, int h) {
  page.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int v = (y * w + x) % 256;
      SetPixel(page, x, y, RGB(v, (v + 85) % 256, (v + 170) % 256));
    }
}

TEST(ContrastTest, PageChannelsGoThroughTheTableAndPaddingIsKept) {
  for (const int w : {5, 6, 7, 8, 31, 300}) {  // 3·W mod 4 = 3, 2, 1, 0 …; 300 takes the wide path
    SCOPED_TRACE(w);
    for (const int strength : {100, 37, -60}) {
      PageBitmap page;
      const int h = w == 300 ? 1200 : 3;
      AllValues(page, w, h);
      PageWriter writer(page);
      for (int y = 0; y < h; ++y)
        for (int i = 3 * w; i < page.Stride(); ++i) writer.ScanLine(y)[i] = static_cast<uint8_t>(0xA0 + i);
      writer.Commit();
      const auto before = RawRows(page);
      ContrastImage(page, strength);
      const auto after = RawRows(page);
      const auto table = ContrastTable(strength);
      for (size_t i = 0; i < before.size(); ++i) {
        const bool padding = static_cast<int>(i % static_cast<size_t>(page.Stride())) >= 3 * w;
        ASSERT_EQ(after[i], padding ? before[i] : table[before[i]]) << "byte " << i;
      }
    }
  }
}

TEST(ContrastTest, RepeatedPressesKeepPushingOutwards) {
  const struct {
    int start;
    std::vector<int> presses;
  } cases[] = {{128, {130, 137, 165, 255, 255}}, {127, {126, 122, 106, 42, 0, 0}}, {0, {0, 0}}, {255, {255, 255}}};
  for (const auto& c : cases) {
    PageBitmap page;
    page.SetSize(2, 2, RGB(c.start, c.start, c.start));
    for (const int want : c.presses) {
      ContrastImage(page, 100);
      EXPECT_EQ(page.Pixels(1, 1), RGB(want, want, want)) << c.start;
    }
  }
}

TEST(ContrastTest, ChannelsAreMappedOnTheirOwn) {
  PageBitmap page;
  page.SetSize(3, 2, 0x0080FF);
  SetPixel(page, 0, 0, clBlack);
  SetPixel(page, 1, 0, clWhite);
  ContrastImage(page, 100);
  EXPECT_EQ(page.Pixels(2, 1), 0x0082FF);
  EXPECT_EQ(page.Pixels(0, 0), clBlack);
  EXPECT_EQ(page.Pixels(1, 0), clWhite);
}

TEST(ContrastTest, StrengthOutOfRangeTouchesNothing) {
  for (const int strength : {-101, 101, 1000, -2147483647 - 1}) {
    PageBitmap page;
    page.SetSize(4, 3, clGray);
    TPictureArray history;
    history.PushUndo(page);
    int changes = 0;
    page.SetOnChange([&] { ++changes; });
    ContrastImage(page, strength);
    EXPECT_TRUE(page.SharesImageWith(history.Snapshot(0))) << strength;
    EXPECT_EQ(page.Pixels(0, 0), clGray);
    EXPECT_EQ(changes, 0);
  }
}

TEST(ContrastTest, PageOfFewerThanTwoRowsReportsErrorAndStaysAsItWas) {
  for (const int w : {1, 5}) {
    PageBitmap page;
    page.SetSize(w, 1, clGray);
    TPictureArray history;
    history.PushUndo(page);
    const auto before = RawRows(page);
    try {
      ContrastImage(page, 100);
      ADD_FAILURE() << "no error";
    } catch (const EPintoolaError& e) {
      EXPECT_STREQ(e.what(), "Error");
    }
    EXPECT_EQ(RawRows(page), before);
    EXPECT_TRUE(page.SharesImageWith(history.Snapshot(0)));
  }
  PageBitmap empty;
  EXPECT_THROW(ContrastImage(empty, 100), EPintoolaError);
}

TEST(ContrastTest, SnapshotKeepsItsPixelsAndTheCanvasIsUntouched) {
  PageBitmap page;
  page.SetSize(4, 3, clGray);
  page.Canvas().brushStyle = bsCross;
  TPictureArray history;
  history.PushUndo(page);
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  ContrastImage(page, 100);
  EXPECT_EQ(history.Snapshot(0).Pixels(0, 0), clGray);
  EXPECT_EQ(page.Pixels(0, 0), RGB(130, 130, 130));
  EXPECT_EQ(page.Canvas().brushStyle, bsCross);
  EXPECT_EQ(changes, 1);
}

TEST(ContrastTest, PalettedPageIsConvertedThenMapped) {
  const std::vector<RGBQuad> table = {{0, 128, 255, 0}, {100, 150, 200, 0}};
  PageBitmap page;
  page.SetImage(PalettedImage(3, 2, table, {{0, 1, 0}, {1, 1, 0}}));
  ContrastImage(page, 100);
  EXPECT_EQ(page.Depth(), 24);
  const auto t = ContrastTable(100);
  EXPECT_EQ(page.Pixels(0, 0), RGB(t[255], t[128], t[0]));
  EXPECT_EQ(page.Pixels(0, 1), RGB(t[200], t[150], t[100]));
  EXPECT_EQ(page.Pixels(2, 1), RGB(t[255], t[128], t[0]));
}

TEST(ContrastTest, EveryMapperPathGivesTheTableAndStaysInsideItsBytes) {
  std::mt19937 rng(5);
  const auto table = ContrastTable(100);
  for (const auto path : {ContrastMapper::Bytes, ContrastMapper::Pairs, ContrastMapper::Wide}) {
    if (path == ContrastMapper::Wide && !ContrastMapper::WideAvailable()) continue;
    const ContrastMapper mapper(table, path);
    ASSERT_EQ(mapper.UsedPath(), path);
    for (size_t n : {size_t{0}, size_t{1}, size_t{7}, size_t{8}, size_t{63}, size_t{64}, size_t{65}, size_t{200},
                     size_t{12000}}) {
      std::vector<uint8_t> buf(n + 16);
      for (auto& b : buf) b = static_cast<uint8_t>(rng());
      const auto before = buf;
      mapper.Map(buf.data() + 8, n);
      for (size_t i = 0; i < buf.size(); ++i) {
        const bool inside = i >= 8 && i < 8 + n;
        ASSERT_EQ(buf[i], inside ? table[before[i]] : before[i]) << "path " << path << " n " << n << " i " << i;
      }
    }
  }
}

}  // namespace
}  // namespace pintoola
