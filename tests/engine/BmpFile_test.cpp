#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>
#include <csignal>
#include <cstring>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "engine/PageBitmap.h"
#include "tests/engine/BmpTestUtil.h"

namespace pintoola {
namespace {

using test::BmpLayout;
using test::MakeBmp;
using test::MakeTable;
using test::ReadBytes;
using test::RowBytes;
using test::ScratchDir;
using test::TableColor;
using test::WriteBytes;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EPintoolaError& e) {
    return e.what();
  }
  return "(no error)";
}

class BmpFileTest : public ::testing::Test {
 protected:
  // Writes `bytes` to a scratch file and loads it into `page`.
  void Load(PageBitmap& page, const std::vector<uint8_t>& bytes, const std::string& name = "in.bmp") {
    WriteBytes(dir_.File(name), bytes);
    page.LoadFromFile(dir_.File(name));
  }
  std::vector<uint8_t> Save(const PageBitmap& page, const std::string& name = "out.bmp") {
    page.SaveToFile(dir_.File(name));
    return ReadBytes(dir_.File(name));
  }
  ScratchDir dir_;
};

// ---- Round trips ----

struct RoundTripCase {
  const char* name;
  BmpLayout layout;
};

BmpLayout Layout(uint16_t depth, size_t tableSize = 0, uint32_t colorsUsed = 0) {
  BmpLayout s;
  s.depth = depth;
  s.table = MakeTable(tableSize);
  s.colorsUsed = colorsUsed;
  return s;
}

std::vector<RoundTripCase> RoundTripCases() {
  std::vector<RoundTripCase> cases = {
      {"depth1", Layout(1, 2, 2)},
      {"depth4", Layout(4, 16, 16)},
      {"depth8", Layout(8, 256, 256)},
      {"depth8ShortTable", Layout(8, 5, 5)},
      {"depth16", Layout(16)},
      {"depth24", Layout(24)},
      {"depth32", Layout(32)},
      {"depth24Palette", Layout(24, 3, 3)},
  };
  BmpLayout s = Layout(24);
  s.height = -4;
  cases.push_back({"topDown24", s});
  s = Layout(8, 256, 256);
  s.height = -4;
  cases.push_back({"topDown8", s});
  s = Layout(16);
  s.compression = 3;
  s.masks = {0xF800, 0x07E0, 0x001F};
  cases.push_back({"bitFields16", s});
  s = Layout(32);
  s.compression = 3;
  s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  s.colorsImportant = 7;
  cases.push_back({"bitFields32", s});
  s = Layout(32, 2, 2);
  s.compression = 3;
  s.masks = {0xFF, 0xFF00, 0xFF0000};
  cases.push_back({"bitFields32Palette", s});
  for (uint16_t depth : {1, 4, 8, 24}) {
    s = Layout(depth, depth <= 8 ? size_t{1} << depth : 0);
    s.headerSize = 12;
    cases.push_back({depth == 24 ? "core24" : depth == 8 ? "core8" : depth == 4 ? "core4" : "core1", s});
  }
  return cases;
}

TEST_F(BmpFileTest, UnchangedPictureIsWrittenBackByteForByte) {
  for (const RoundTripCase& c : RoundTripCases()) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> file = MakeBmp(c.layout);
    PageBitmap page;
    Load(page, file);
    ASSERT_FALSE(page.Empty());
    EXPECT_EQ(page.Width(), 5);
    EXPECT_EQ(page.Height(), 4);
    EXPECT_EQ(page.Depth(), c.layout.depth);
    EXPECT_EQ(page.Stride(), RowBytes(5, c.layout.depth));
    EXPECT_FALSE(page.HasLoadedFileBytes());
    EXPECT_EQ(Save(page), file);
  }
}

TEST_F(BmpFileTest, WriteComputesSizesAndDropsTrailingBytes) {
  BmpLayout s = Layout(24);
  std::vector<uint8_t> file = MakeBmp(s);
  std::vector<uint8_t> expected = file;
  // Nonsense size fields, a pixel offset that is not consulted, and bytes after the rows.
  file[2] = 0x99;
  file[10] = 0x77;
  file[34] = 0;  // image size 0: computed from the rows
  file.insert(file.end(), {1, 2, 3, 4, 5});
  PageBitmap page;
  Load(page, file);
  const std::vector<uint8_t> out = Save(page);
  EXPECT_EQ(out, expected);
  EXPECT_EQ(out.size(), 54u + 16u * 4u);
}

TEST_F(BmpFileTest, LongerHeaderIsWrittenAsFortyBytesWithItsMasks) {
  BmpLayout v4 = Layout(16);
  v4.headerSize = 108;
  v4.compression = 3;
  v4.masks = {0xF800, 0x07E0, 0x001F};
  v4.width = 2;
  v4.height = 1;
  v4.pixels = {0x00, 0xF8, 0xE0, 0x07};
  BmpLayout plain = v4;
  plain.headerSize = 40;
  PageBitmap page;
  Load(page, MakeBmp(v4));
  // Full red and full green only when the header's 5-6-5 masks are used.
  EXPECT_EQ(page.Pixels(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(page.Pixels(1, 0), RGB(0, 255, 0));
  EXPECT_EQ(Save(page), MakeBmp(plain));
}

TEST_F(BmpFileTest, MissingMasksGetDefaultsOnWrite) {
  for (uint16_t depth : {16, 32}) {
    SCOPED_TRACE(depth);
    BmpLayout s = Layout(depth);
    s.compression = 3;
    s.masks = {0, 0, 0};
    PageBitmap page;
    Load(page, MakeBmp(s));
    s.masks = depth == 16 ? std::vector<uint32_t>{0xF800, 0x07E0, 0x001F}
                          : std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF};
    EXPECT_EQ(Save(page), MakeBmp(s));
  }
}

TEST_F(BmpFileTest, CoreHeaderTableIsReadAsTriples) {
  BmpLayout s = Layout(8, 256);
  s.headerSize = 12;
  s.width = 3;
  s.height = 1;
  s.pixels = {7, 200, 255, 0};
  PageBitmap page;
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  Load(page, MakeBmp(s));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(page.Pixels(0, 0), TableColor(s.table, 7));
  EXPECT_EQ(page.Pixels(1, 0), TableColor(s.table, 200));
  EXPECT_EQ(page.Pixels(2, 0), TableColor(s.table, 255));
}

TEST_F(BmpFileTest, CorePictureTooWideForItsHeaderIsWrittenWithTheLongOne) {
  auto img = std::make_shared<BitmapImage>();
  img->width = 70000;
  img->height = 1;
  img->fromCoreHeader = true;
  img->stride = BitmapImage::StrideFor(img->width, 24);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride), true);
  img->pixels.data()[3 * 69999] = 0x42;
  PageBitmap page;
  page.SetImage(img);
  const std::vector<uint8_t> out = Save(page);
  ASSERT_GT(out.size(), 54u);
  EXPECT_EQ(out[14], 40);
  PageBitmap again;
  Load(again, out, "again.bmp");
  EXPECT_EQ(again.Width(), 70000);
  EXPECT_EQ(again.Pixels(69999, 0), RGB(0, 0, 0x42));
}

// ---- Pixel values per depth ----

struct PixelCase {
  const char* name;
  uint16_t depth;
  uint32_t compression;
  std::vector<uint32_t> masks;
  size_t tableSize;
  std::vector<uint8_t> row;  // one row of two pixels, padded
  TColor first, second;
  uint32_t headerSize = 40;
};

TEST_F(BmpFileTest, PixelsReadTheColourOfEachDepth) {
  const auto t = MakeTable(16);
  const auto t256 = MakeTable(256);
  const PixelCase cases[] = {
      {"1bit", 1, 0, {}, 2, {0x40, 0, 0, 0}, TableColor(t, 0), TableColor(t, 1)},
      {"4bit", 4, 0, {}, 16, {0x3A, 0, 0, 0}, TableColor(t, 3), TableColor(t, 10)},
      {"8bit", 8, 0, {}, 256, {7, 200, 0, 0}, TableColor(t256, 7), TableColor(t256, 200)},
      {"16bit555", 16, 0, {}, 0, {0x00, 0x7C, 0x1F, 0x00}, RGB(255, 0, 0), RGB(0, 0, 255)},
      {"16bit565", 16, 3, {0xF800, 0x07E0, 0x001F}, 0, {0x00, 0xF8, 0xE0, 0x07}, RGB(255, 0, 0), RGB(0, 255, 0)},
      {"24bit", 24, 0, {}, 0, {1, 2, 3, 4, 5, 6, 0, 0}, RGB(3, 2, 1), RGB(6, 5, 4)},
      {"32bit", 32, 0, {}, 0, {1, 2, 3, 0, 4, 5, 6, 0}, RGB(3, 2, 1), RGB(6, 5, 4)},
      {"32bitFields", 32, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0, {1, 2, 3, 0, 4, 5, 6, 0}, RGB(1, 2, 3),
       RGB(4, 5, 6)},
      // The table and the pixels follow a longer header wherever it ends.
      {"8bitV5", 8, 0, {}, 256, {7, 200, 0, 0}, TableColor(t256, 7), TableColor(t256, 200), 124},
      {"4bitV3", 4, 0, {}, 16, {0x3A, 0, 0, 0}, TableColor(t, 3), TableColor(t, 10), 56},
      {"32bitFieldsV4", 32, 3, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0, {1, 2, 3, 0, 4, 5, 6, 0}, RGB(1, 2, 3),
       RGB(4, 5, 6), 108},
      {"core24", 24, 0, {}, 0, {1, 2, 3, 4, 5, 6, 0, 0}, RGB(3, 2, 1), RGB(6, 5, 4), 12},
      {"core1", 1, 0, {}, 2, {0x80, 0, 0, 0}, TableColor(t, 1), TableColor(t, 0), 12},
  };
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(c.name);
    BmpLayout s = Layout(c.depth, c.tableSize);
    s.width = 2;
    s.height = 1;
    s.compression = c.compression;
    s.masks = c.masks;
    s.pixels = c.row;
    s.headerSize = c.headerSize;
    PageBitmap page;
    Load(page, MakeBmp(s));
    EXPECT_EQ(page.Pixels(0, 0), c.first);
    EXPECT_EQ(page.Pixels(1, 0), c.second);
    // Drawing converts to 24 bits and keeps every colour exactly.
    PageWriter(page).Commit();
    EXPECT_EQ(page.Depth(), 24);
    EXPECT_EQ(page.Pixels(0, 0), c.first);
    EXPECT_EQ(page.Pixels(1, 0), c.second);
  }
}

TEST_F(BmpFileTest, PixelsOutsideThePictureAreMinusOne) {
  PageBitmap page;
  Load(page, MakeBmp(Layout(24)));
  for (auto [x, y] : {std::pair{5, 0}, {-1, 0}, {0, 4}, {0, -1}, {INT_MIN, INT_MAX}})
    EXPECT_EQ(page.Pixels(x, y), -1) << x << "," << y;
  EXPECT_NE(page.Pixels(4, 3), -1);
}

TEST_F(BmpFileTest, RowOrderIsKeptAndScanLineZeroIsTheTop) {
  for (int height : {4, -4}) {
    SCOPED_TRACE(height);
    BmpLayout s = Layout(24);
    s.height = height;
    const std::vector<uint8_t> file = MakeBmp(s);
    PageBitmap page;
    Load(page, file);
    const int stride = RowBytes(5, 24);
    const size_t firstStored = 54;
    const size_t topInFile = height < 0 ? firstStored : firstStored + 3u * stride;
    const uint8_t* top = page.ConstScanLine(0);
    EXPECT_EQ(std::memcmp(top, file.data() + topInFile, stride), 0);
    EXPECT_EQ(page.Pixels(0, 0), RGB(file[topInFile + 2], file[topInFile + 1], file[topInFile]));
    EXPECT_EQ(page.ConstScanLine(1) - page.ConstScanLine(0), height < 0 ? stride : -stride);
  }
}

TEST_F(BmpFileTest, ShortFileKeepsMissingRowsBlack) {
  BmpLayout s = Layout(24);
  const std::vector<uint8_t> full = MakeBmp(s);
  const int stride = RowBytes(5, 24);
  // Two stored rows and a piece of the third.
  const std::vector<uint8_t> cut(full.begin(), full.begin() + 54 + 2 * stride + 4);
  PageBitmap page;
  Load(page, cut);
  ASSERT_EQ(page.Height(), 4);
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(page.Pixels(x, 0), clBlack);
    EXPECT_EQ(page.Pixels(x, 3), RGB(full[54 + 3 * x + 2], full[54 + 3 * x + 1], full[54 + 3 * x]));
  }
  EXPECT_NE(page.Pixels(0, 1), clBlack);
  EXPECT_EQ(page.Pixels(2, 1), clBlack);
}

TEST_F(BmpFileTest, ZeroByteFileMakesThePageEmptyAndEmptyPageWritesNothing) {
  PageBitmap page;
  Load(page, MakeBmp(Layout(24)));
  page.Canvas().brushColor = clRed;
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  Load(page, {}, "zero.bmp");
  EXPECT_TRUE(page.Empty());
  EXPECT_EQ(page.Width(), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(page.Canvas().brushColor, clRed);
  WriteBytes(dir_.File("out.bmp"), {1, 2, 3});
  EXPECT_TRUE(Save(page).empty());
  EXPECT_TRUE(std::filesystem::exists(dir_.File("out.bmp")));
}

// ---- Errors ----

struct ErrorCase {
  const char* name;
  std::vector<uint8_t> file;
  const char* message;
};

std::vector<uint8_t> Cut(std::vector<uint8_t> v, size_t n) {
  v.resize(n);
  return v;
}

// A valid 24-bit file whose header-size field says `size`.
std::vector<uint8_t> WithHeaderSize(uint32_t size) {
  std::vector<uint8_t> v = MakeBmp(Layout(24));
  for (int i = 0; i < 4; ++i) v[14 + i] = static_cast<uint8_t>(size >> (8 * i));
  return v;
}

std::vector<ErrorCase> ErrorCases() {
  const char* notValid = "Bitmap image is not valid";
  const char* readError = "Stream read error";
  auto with = [](auto change) {
    BmpLayout s = Layout(24);
    change(s);
    return MakeBmp(s);
  };
  std::vector<uint8_t> notBm = MakeBmp(Layout(24));
  notBm[0] = 'B';
  notBm[1] = 'A';
  std::vector<ErrorCase> cases = {
      {"fiveBytes", {'B', 'M', 0, 0, 0}, readError},
      {"thirteenBytes", Cut(MakeBmp(Layout(24)), 13), readError},
      {"notBM", notBm, notValid},
      {"endsAfterFileHeader", Cut(MakeBmp(Layout(24)), 14), notValid},
      {"endsInsideHeaderSize", Cut(MakeBmp(Layout(24)), 16), notValid},
      {"endsInsideInfoHeader", Cut(MakeBmp(Layout(24)), 40), notValid},
      {"headerLargerThanFile", WithHeaderSize(4000), notValid},
      {"headerOneByteTooLarge", WithHeaderSize(40 + 16 * 4 + 1), notValid},
      {"headerSize13", WithHeaderSize(13), notValid},
      {"headerSize39", WithHeaderSize(39), notValid},
      {"headerSize8", WithHeaderSize(8), notValid},
      {"headerSize0", WithHeaderSize(0), notValid},
      {"headerSizeHuge", WithHeaderSize(0xFFFFFFF0u), notValid},
      {"planes2", with([](BmpLayout& s) { s.planes = 2; }), notValid},
      {"planes0", with([](BmpLayout& s) { s.planes = 0; }), notValid},
      {"depth0", with([](BmpLayout& s) { s.depth = 0; }), notValid},
      {"depth2", with([](BmpLayout& s) { s.depth = 2; }), notValid},
      {"depth64", with([](BmpLayout& s) { s.depth = 64; }), notValid},
      {"width0", with([](BmpLayout& s) { s.width = 0; }), notValid},
      {"widthNegative", with([](BmpLayout& s) { s.width = -5; s.noPixels = true; }), notValid},
      {"height0", with([](BmpLayout& s) { s.height = 0; }), notValid},
      {"heightMin", with([](BmpLayout& s) { s.height = INT_MIN; s.noPixels = true; }), notValid},
      {"over1GiB", with([](BmpLayout& s) { s.width = 20000; s.height = 20000; s.noPixels = true; }), notValid},
      {"overflowingStorage",
       with([](BmpLayout& s) { s.width = INT_MAX; s.height = INT_MAX; s.depth = 32; s.noPixels = true; }), notValid},
      {"overflowingTopDown",
       with([](BmpLayout& s) { s.width = INT_MAX; s.height = -INT_MAX; s.noPixels = true; }), notValid},
      {"colorsUsed257", with([](BmpLayout& s) { s.depth = 8; s.colorsUsed = 257; }), notValid},
      {"colorsUsedHuge", with([](BmpLayout& s) { s.colorsUsed = 0xFFFFFFFFu; }), notValid},
      {"bitFieldsAt24", with([](BmpLayout& s) { s.compression = 3; }), notValid},
      {"bitFieldsAt8", with([](BmpLayout& s) { s.depth = 8; s.compression = 3; s.table = MakeTable(256); }),
       notValid},
      {"rle8At4", with([](BmpLayout& s) { s.depth = 4; s.compression = 1; s.table = MakeTable(16); }), notValid},
      {"rle4At8", with([](BmpLayout& s) { s.depth = 8; s.compression = 2; s.table = MakeTable(256); }), notValid},
      {"compression6", with([](BmpLayout& s) { s.compression = 6; }), notValid},
      {"compression99", with([](BmpLayout& s) { s.compression = 99; }), notValid},
      {"pngWithoutDecoder", with([](BmpLayout& s) { s.compression = 5; s.depth = 0; }), notValid},
      {"endsInsideColourTable",
       Cut(with([](BmpLayout& s) { s.depth = 8; s.table = MakeTable(256); }), 54 + 4 * 100 + 2), readError},
      {"endsInsideCoreTable",
       Cut(with([](BmpLayout& s) { s.headerSize = 12; s.depth = 4; s.table = MakeTable(16); }), 26 + 3 * 15 + 1),
       readError},
      {"endsInsideMasks",
       Cut(with([](BmpLayout& s) { s.depth = 16; s.compression = 3; s.masks = {0xF800, 0x7E0, 0x1F}; }), 54 + 6),
       readError},
  };
  BmpLayout core = Layout(24);
  core.headerSize = 12;
  cases.push_back({"coreEndsInsideHeader", Cut(MakeBmp(core), 14 + 8), notValid});
  core.width = 0;
  cases.push_back({"coreWidth0", MakeBmp(core), notValid});
  core.width = 5;
  core.height = 0;
  cases.push_back({"coreHeight0", MakeBmp(core), notValid});
  return cases;
}

// The page as it was before a failed load: the very same image object and file bytes, pixels,
// drawing state, and no change signal.
void ExpectFailureLeavesPage(PageBitmap& page, const std::function<void()>& load, const std::string& message) {
  const BitmapImage* before = page.Image();
  const bool hadBytes = page.HasLoadedFileBytes();
  const TColor pixel = page.Pixels(0, 0);
  page.Canvas().brushColor = clAqua;
  page.Canvas().brushStyle = bsCross;
  int changes = 0;
  page.SetOnChange([&] { ++changes; });
  EXPECT_EQ(ErrorOf(load), message);
  EXPECT_EQ(page.Image(), before);
  EXPECT_EQ(page.HasLoadedFileBytes(), hadBytes);
  EXPECT_EQ(page.Pixels(0, 0), pixel);
  EXPECT_EQ(page.Canvas().brushColor, clAqua);
  EXPECT_EQ(page.Canvas().brushStyle, bsCross);
  EXPECT_EQ(changes, 0);
  page.SetOnChange(nullptr);
}

TEST_F(BmpFileTest, DamagedFilesFailWithTheirTextAndLeaveThePage) {
  PageBitmap page;
  BmpLayout good = Layout(8, 256);
  Load(page, MakeBmp(good), "good.bmp");
  for (const ErrorCase& c : ErrorCases()) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir_.File("bad.bmp"), c.file);
    ExpectFailureLeavesPage(page, [&] { page.LoadFromFile(dir_.File("bad.bmp")); }, c.message);
  }
}

TEST_F(BmpFileTest, FailedLoadKeepsRunLengthFileBytes) {
  BmpLayout s = Layout(8, 16, 16);
  s.compression = 1;
  s.pixels = {5, 1, 0, 1};
  PageBitmap page;
  Load(page, MakeBmp(s), "rle.bmp");
  ASSERT_TRUE(page.HasLoadedFileBytes());
  WriteBytes(dir_.File("bad.bmp"), {'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  ExpectFailureLeavesPage(page, [&] { page.LoadFromFile(dir_.File("bad.bmp")); }, "Bitmap image is not valid");
}

TEST_F(BmpFileTest, UnopenableFilesNameTheFullPathAndTheReason) {
  PageBitmap page;
  Load(page, MakeBmp(Layout(24)));
  const std::string missing = dir_.File("missing.bmp");
  ExpectFailureLeavesPage(page, [&] { page.LoadFromFile(missing); },
                          "Cannot open file \"" + missing + "\". No such file or directory");
  const std::string folder = dir_.File("folder.bmp");
  std::filesystem::create_directory(folder);
  ExpectFailureLeavesPage(page, [&] { page.LoadFromFile(folder); },
                          "Cannot open file \"" + folder + "\". Is a directory");
  // A relative path is reported in full.
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir_.Path());
  ExpectFailureLeavesPage(page, [&] { page.LoadFromFile("nothing.bmp"); },
                          "Cannot open file \"" + (dir_.Path() / "nothing.bmp").string() + "\". No such file or directory");
  std::filesystem::current_path(cwd);
}

// ---- JPEG/PNG through the decoder port ----

class FakeDecoder : public CompressedBitmapDecoder {
 public:
  std::shared_ptr<BitmapImage> Decode(const std::vector<uint8_t>& file, int& errorCode, std::string& errorText) override {
    seen = file;
    errorCode = code;
    errorText = text;
    return result;
  }
  std::vector<uint8_t> seen;
  std::shared_ptr<BitmapImage> result;
  int code = 0;
  std::string text;
};

class DecoderTest : public BmpFileTest {
 protected:
  void SetUp() override { PageBitmap::SetCompressedDecoder(&decoder_); }
  void TearDown() override { PageBitmap::SetCompressedDecoder(nullptr); }
  FakeDecoder decoder_;
};

TEST_F(DecoderTest, EmbeddedStreamIsDecodedByThePortAndKeptForWriteBack) {
  BmpLayout s = Layout(0);
  s.compression = 4;
  s.width = 2;
  s.height = 1;
  s.pixels = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3};
  const std::vector<uint8_t> file = MakeBmp(s);
  auto img = std::make_shared<BitmapImage>();
  img->width = 2;
  img->height = 1;
  img->stride = 8;
  img->pixels = PixelBuffer(8, true);
  img->pixels.data()[5] = 0x80;  // second pixel red 0x80
  decoder_.result = img;
  PageBitmap page;
  Load(page, file);
  EXPECT_EQ(decoder_.seen, file);
  EXPECT_EQ(page.Pixels(1, 0), RGB(0x80, 0, 0));
  EXPECT_TRUE(page.HasLoadedFileBytes());
  EXPECT_EQ(Save(page), file);
}

TEST_F(DecoderTest, PortFailuresReportTheirCodeOrNotValid) {
  BmpLayout s = Layout(24);
  s.compression = 5;
  PageBitmap page;
  Load(page, MakeBmp(Layout(24)), "good.bmp");
  WriteBytes(dir_.File("png.bmp"), MakeBmp(s));
  const auto load = [&] { page.LoadFromFile(dir_.File("png.bmp")); };
  decoder_.code = 5;
  decoder_.text = "Access is denied.";
  ExpectFailureLeavesPage(page, load, "System Error.  Code: 5.\nAccess is denied.");
  decoder_.code = 0;
  ExpectFailureLeavesPage(page, load, "Bitmap image is not valid");
  // A result the engine cannot use is refused rather than trusted.
  auto wrong = std::make_shared<BitmapImage>();
  wrong->width = 100;
  wrong->height = 100;
  wrong->stride = 300;
  wrong->pixels = PixelBuffer(16, true);
  decoder_.result = wrong;
  ExpectFailureLeavesPage(page, load, "Bitmap image is not valid");
}

// ---- Run-length encoded files ----

struct RleCase {
  const char* name;
  uint32_t compression;
  int width, height;  // negative height: top-down
  std::vector<uint8_t> stream;
  std::vector<std::string> rows;  // top row first; a hex digit is a table index, '.' is untouched (black)
};

std::vector<RleCase> RleCases() {
  return {
      {"rle8AllEscapes", 1, 4, 3,
       {3, 1, 0, 0,                    // bottom row: a run of three
        0, 3, 2, 3, 1, 0, 1, 2, 0, 0,  // absolute run of three with its pad byte, then a run of one
        0, 2, 1, 0, 2, 3, 0, 1},       // delta one right, a run of two, end of bitmap
       {".33.", "2312", "111."}},
      {"rle8DeltaUp", 1, 4, 3, {0, 2, 2, 1, 1, 5, 0, 1}, {"....", "..5.", "...."}},
      {"rle8TopDown", 1, 3, -2, {3, 4, 0, 0, 3, 6, 0, 1}, {"444", "666"}},
      {"rle4Runs", 2, 5, 2,
       {5, 0x12, 0, 0,          // bottom row: alternating nibbles
        0, 3, 0x34, 0x50,       // absolute three nibbles in two bytes (no pad)
        2, 0x77, 0, 1},
       {"34577", "12121"}},
      {"rle4OddAbsolute", 2, 6, 1, {0, 5, 0xAB, 0xCD, 0xE0, 0, 1, 0xF0, 0, 1}, {"abcdef"}},
      {"runPastRowEndIsClipped", 1, 4, 2, {255, 1, 0, 0, 2, 2}, {"22..", "1111"}},
      {"absolutePastRowEnd", 1, 3, 1, {0, 5, 1, 2, 3, 4, 5, 0, 0, 0}, {"123"}},
      {"rowsPastTheTop", 1, 2, 2, {0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0, 0, 2, 1}, {"..", ".."}},
      {"deltaOutside", 1, 3, 2, {0, 2, 255, 255, 3, 1, 1, 2}, {"...", "..."}},
      {"deltaToRowEnd", 1, 3, 1, {0, 2, 200, 0, 3, 1, 0, 0}, {"..."}},
      {"truncatedAbsolute", 1, 4, 1, {0, 200, 1, 2}, {"12.."}},
      {"truncatedDelta", 1, 2, 1, {1, 3, 0, 2, 1}, {"3."}},
      {"oddTrailingByte", 1, 2, 1, {1, 3, 7}, {"3."}},
      {"indexPastTable", 1, 2, 1, {1, 0x20, 1, 2}, {".2"}},
      {"rle4TruncatedAbsolute", 2, 5, 1, {0, 9, 0x12}, {"12..."}},
  };
}

TEST_F(BmpFileTest, RunLengthStreamsDecodeInsideTheImage) {
  for (const RleCase& c : RleCases()) {
    SCOPED_TRACE(c.name);
    BmpLayout s = Layout(c.compression == 1 ? 8 : 4, 16, 16);
    s.compression = c.compression;
    s.width = c.width;
    s.height = c.height;
    s.pixels = c.stream;
    PageBitmap page;
    Load(page, MakeBmp(s));
    ASSERT_EQ(page.Depth(), 24);
    ASSERT_EQ(page.Height(), static_cast<int>(c.rows.size()));
    for (int y = 0; y < page.Height(); ++y)
      for (int x = 0; x < page.Width(); ++x) {
        const char ch = c.rows[y][x];
        const TColor want = ch == '.' ? clBlack : TableColor(s.table, std::stoul(std::string(1, ch), nullptr, 16));
        EXPECT_EQ(page.Pixels(x, y), want) << x << "," << y;
      }
  }
}

TEST_F(BmpFileTest, RunLengthStreamWithoutImageSizeRunsToTheEnd) {
  // Longer than the raw rows would be: a run of one pixel per pair, nine pairs on a 3x1 image.
  BmpLayout s = Layout(8, 16, 16);
  s.compression = 1;
  s.width = 3;
  s.height = 1;
  s.imageSize = 0;
  s.pixels = {0, 2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 1, 4, 1, 5, 1, 6};
  PageBitmap page;
  Load(page, MakeBmp(s));
  EXPECT_EQ(page.Pixels(0, 0), TableColor(s.table, 4));
  EXPECT_EQ(page.Pixels(2, 0), TableColor(s.table, 6));
}

TEST_F(BmpFileTest, UnchangedRunLengthFileIsWrittenBackAndAChangeDropsIt) {
  for (uint32_t compression : {1u, 2u}) {
    SCOPED_TRACE(compression);
    BmpLayout s = Layout(compression == 1 ? 8 : 4, 16, 16);
    s.compression = compression;
    s.width = 3;
    s.height = 2;
    s.pixels = {3, 0x21, 0, 0, 3, 0x43, 0, 1};
    std::vector<uint8_t> file = MakeBmp(s);
    file.push_back(0xEE);  // even bytes after the stream survive
    PageBitmap page;
    Load(page, file);
    EXPECT_TRUE(page.HasLoadedFileBytes());
    EXPECT_EQ(Save(page), file);

    const TColor top = page.Pixels(0, 0);
    PageWriter writer(page);
    writer.ScanLine(0);
    writer.Commit();
    EXPECT_FALSE(page.HasLoadedFileBytes());
    const std::vector<uint8_t> out = Save(page);
    ASSERT_GE(out.size(), 54u);
    EXPECT_EQ(out[28], 24);  // written uncompressed at 24 bits
    EXPECT_EQ(out[30], 0);
    PageBitmap again;
    Load(again, out, "again.bmp");
    EXPECT_EQ(again.Pixels(0, 0), top);
  }
}

// ---- Writing ----

TEST_F(BmpFileTest, ChangedPalettePictureWritesAgreeingCounts) {
  BmpLayout s = Layout(8, 5, 5);
  s.colorsImportant = 3;
  PageBitmap page;
  Load(page, MakeBmp(s));
  PageWriter writer(page, PageWriter::Format::AsStored);
  writer.ScanLine(0)[0] = 4;
  writer.Commit();
  const std::vector<uint8_t> out = Save(page);
  auto u32 = [&](size_t at) { return out[at] | (out[at + 1] << 8) | (out[at + 2] << 16) | (out[at + 3] << 24); };
  EXPECT_EQ(u32(46), 5);  // colours used = entries written
  EXPECT_EQ(u32(50), 0);  // colours important reset by the change
  EXPECT_EQ(u32(10), 14 + 40 + 4 * 5);
  EXPECT_EQ(out.size(), 14 + 40 + 4 * 5 + 8u * 4);
  PageBitmap again;
  Load(again, out, "again.bmp");
  EXPECT_EQ(again.Pixels(0, 0), TableColor(s.table, 4));
  EXPECT_EQ(again.Depth(), 8);
}

TEST_F(BmpFileTest, SavedPageHasTheDocumentedLayout) {
  PageBitmap page;
  page.SetSize(5, 3, RGB(10, 20, 30));
  const std::vector<uint8_t> out = Save(page);
  BmpLayout s;
  s.width = 5;
  s.height = 3;
  s.xPels = s.yPels = 0;
  s.pixels.assign(16 * 3, 0);
  for (int r = 0; r < 3; ++r)
    for (int x = 0; x < 5; ++x) {
      s.pixels[r * 16 + 3 * x] = 30;
      s.pixels[r * 16 + 3 * x + 1] = 20;
      s.pixels[r * 16 + 3 * x + 2] = 10;
    }
  EXPECT_EQ(out, MakeBmp(s));
}

TEST_F(BmpFileTest, SaveReplacesAnExistingFileAndKeepsItsPermissions) {
  const std::string target = dir_.File("page.bmp");
  WriteBytes(target, std::vector<uint8_t>(5000, 9));
  ::chmod(target.c_str(), 0640);
  PageBitmap page;
  page.SetSize(2, 2);
  page.SaveToFile(target);
  EXPECT_EQ(ReadBytes(target).size(), 54u + 8u * 2);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"page.bmp"});
}

TEST_F(BmpFileTest, FailedCreateReportsTheReasonAndLeavesNoFile) {
  PageBitmap page;
  page.SetSize(3, 3);
  const std::string inMissing = dir_.File("no/such/folder/out.bmp");
  EXPECT_EQ(ErrorOf([&] { page.SaveToFile(inMissing); }),
            "Cannot create file \"" + inMissing + "\". No such file or directory");
  const std::string folder = dir_.File("folder.bmp");
  std::filesystem::create_directory(folder);
  std::filesystem::create_directory(folder + "/inside");
  EXPECT_EQ(ErrorOf([&] { page.SaveToFile(folder); }), "Cannot create file \"" + folder + "\". Is a directory");
  EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"folder.bmp"});
}

TEST_F(BmpFileTest, FailedWriteLeavesTheExistingFileAndNoTemporary) {
  const std::string target = dir_.File("page.bmp");
  const std::vector<uint8_t> old(100, 7);
  WriteBytes(target, old);
  PageBitmap page;
  page.SetSize(100, 100);
  // A file size limit makes the write itself fail part-way.
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string error = ErrorOf([&] { page.SaveToFile(target); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(error, "Stream write error");
  EXPECT_EQ(ReadBytes(target), old);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"page.bmp"});
}

}  // namespace
}  // namespace pintoola

namespace pintoola {
namespace {

// Defaults stand in for bit-field masks only when all three are missing; a file with some masks
// set must read back with the same colours after a save.
TEST(BmpBitFields, PartlyZeroMasksSurviveASave) {
  const char* dir = std::getenv("TMPDIR");
  const std::string path = std::string(dir && *dir ? dir : "/tmp") + "/pintoola-partial-masks.bmp";
  PageBitmap page;
  auto img = std::make_shared<BitmapImage>();
  img->width = 3;
  img->height = 1;
  img->depth = 16;
  img->compression = 3;
  img->redMask = 0;
  img->greenMask = 0x07E0;
  img->blueMask = 0x001F;
  img->stride = BitmapImage::StrideFor(3, 16);
  img->pixels = PixelBuffer(static_cast<size_t>(img->stride), true);
  const uint16_t values[] = {0xFFFF, 0x07E0, 0x001F};
  for (int x = 0; x < 3; ++x) {
    img->pixels.data()[2 * x] = static_cast<uint8_t>(values[x] & 0xFF);
    img->pixels.data()[2 * x + 1] = static_cast<uint8_t>(values[x] >> 8);
  }
  page.SetImage(img);
  page.SaveToFile(path);
  PageBitmap again;
  again.LoadFromFile(path);
  std::remove(path.c_str());
  for (int x = 0; x < 3; ++x) EXPECT_EQ(again.Pixels(x, 0), page.Pixels(x, 0)) << x;
  EXPECT_EQ(page.Pixels(0, 0), RGB(0, 255, 255));
}

}  // namespace
}  // namespace pintoola
