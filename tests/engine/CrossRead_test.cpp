// BMP files from another program: ImageMagick writes pictures of every kind the reader accepts,
// and every pixel we read must be the pixel ImageMagick reads back from the same file. The other
// way round, ImageMagick must read our saved pages pixel for pixel as we hold them.
//
// What ImageMagick (6.9, Debian) cannot write, and how it is covered instead:
// - run-length 4-bit: asked for it, it writes run-length 8-bit; a hand-made stream is checked
//   against a hand-computed picture and against ImageMagick's reading of it;
// - top-down rows: no writer option; its bottom-up files are turned top-down here (height negated,
//   rows reversed), which ImageMagick reads;
// - bit fields after a 40-byte header: with BMP3: it writes compression 3 without the masks, a
//   file it cannot read itself, so only its V5 headers are used for bit fields.
// Where the two readers differ by design:
// - 5- and 6-bit channels: we scale to the nearest 8-bit value, round(v * 255 / max); ImageMagick
//   repeats the top bits (v << 3 | v >> 2), one lower or higher for a few values. Allowed: 1.
//   4-bit channels (its ARGB4444) it scales by 16, so 15 reads as 240, not white: there only the
//   4-bit values are compared.
// - pixels a run-length stream skips: black here (as the platform's decoder leaves them); colour
//   table entry 0 in ImageMagick.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/PageBitmap.h"
#include "tests/engine/BmpTestUtil.h"

extern char** environ;

namespace pintoola {
namespace {

using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

// Debian's ImageMagick; a `convert` earlier on the path may be a wrapper that changes pictures.
std::string ConvertTool() {
  static const std::string tool = [] {
    for (const char* known : {"/usr/bin/convert-im6.q16", "/usr/bin/convert"})
      if (::access(known, X_OK) == 0) return std::string(known);
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
      const std::string candidate = dir + "/convert";
      if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::string();
  }();
  return tool;
}

struct RunResult {
  int status = -1;
  std::string out, err;
};

// Runs a program without a shell, collecting both output streams.
RunResult Run(const std::vector<std::string>& args) {
  RunResult result;
  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return result;
  if (::pipe2(err, O_CLOEXEC) != 0) {
    ::close(out[0]);
    ::close(out[1]);
    return result;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  if (spawned == 0) {
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
      if (::poll(fds, 2, -1) < 0) {
        if (errno == EINTR) continue;
        break;
      }
      for (int i = 0; i < 2; ++i) {
        if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        char buf[65536];
        const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
        if (n > 0) {
          sinks[i]->append(buf, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
          fds[i].fd = -1;
          --open;
        }
      }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  ::close(out[0]);
  ::close(err[0]);
  return result;
}

RunResult Convert(std::vector<std::string> args) {
  args.insert(args.begin(), ConvertTool());
  return Run(args);
}

// A picture as ImageMagick reads it: 8 bits per channel, red, green, blue, top row first.
struct Rgb8 {
  int width = 0, height = 0;
  std::string pixels;
  TColor At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return RGB(static_cast<uint8_t>(pixels[i]), static_cast<uint8_t>(pixels[i + 1]),
               static_cast<uint8_t>(pixels[i + 2]));
  }
};

// Reads through ImageMagick as a binary PPM. Fails the test where it cannot.
Rgb8 ReadWithImageMagick(const std::string& file) {
  Rgb8 picture;
  const RunResult r = Convert({file, "-depth", "8", "ppm:-"});
  EXPECT_EQ(r.status, 0) << "convert could not read " << file << ": " << r.err;
  std::istringstream in(r.out);
  std::string magic;
  int maxValue = 0;
  in >> magic >> picture.width >> picture.height >> maxValue;
  in.get();
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(maxValue, 255);
  const size_t start = static_cast<size_t>(in.tellg());
  const size_t bytes = static_cast<size_t>(picture.width) * picture.height * 3;
  if (magic != "P6" || in.fail() || r.out.size() < start + bytes) {
    ADD_FAILURE() << "short picture from convert for " << file;
    picture.width = picture.height = 0;
    return picture;
  }
  picture.pixels = r.out.substr(start, bytes);
  return picture;
}

std::string Hex(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return buf;
}

// Every pixel of the page against ImageMagick's reading; channels may differ by `tolerance`.
void ExpectSamePixels(const PageBitmap& page, const Rgb8& theirs, int tolerance, const std::string& what) {
  ASSERT_EQ(page.Width(), theirs.width) << what;
  ASSERT_EQ(page.Height(), theirs.height) << what;
  int reported = 0;
  for (int y = 0; y < page.Height(); ++y) {
    for (int x = 0; x < page.Width(); ++x) {
      const TColor ours = page.Pixels(x, y), other = theirs.At(x, y);
      bool same = true;
      for (int shift = 0; shift < 24; shift += 8) {
        const int a = (ours >> shift) & 0xFF, b = (other >> shift) & 0xFF;
        same = same && std::abs(a - b) <= tolerance;
      }
      if (!same && reported++ < 5)
        ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << Hex(ours) << " here, "
                      << Hex(other) << " in ImageMagick";
    }
  }
  EXPECT_EQ(reported, 0) << what << ": pixels that differ";
}

uint32_t Field(const std::vector<uint8_t>& f, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(f[at + i]) << (8 * i);
  return v;
}

// The same picture with top-down rows: height negated and the rows stored the other way.
std::vector<uint8_t> MadeTopDown(const std::vector<uint8_t>& file) {
  const uint32_t offset = Field(file, 10, 4);
  const int32_t width = static_cast<int32_t>(Field(file, 18, 4));
  const int32_t height = static_cast<int32_t>(Field(file, 22, 4));
  const int depth = static_cast<int>(Field(file, 28, 2));
  const size_t stride = static_cast<size_t>(test::RowBytes(width, depth));
  std::vector<uint8_t> out(file.begin(), file.begin() + offset);
  const uint32_t negated = static_cast<uint32_t>(-height);
  for (int i = 0; i < 4; ++i) out[22 + i] = static_cast<uint8_t>(negated >> (8 * i));
  for (int32_t r = height - 1; r >= 0; --r) {
    const auto row = file.begin() + offset + static_cast<ptrdiff_t>(r * stride);
    out.insert(out.end(), row, row + static_cast<ptrdiff_t>(stride));
  }
  return out;
}

struct CrossCase {
  const char* name;
  int width, height;
  std::vector<std::string> encoding;  // options before the output file
  const char* format;                 // ImageMagick's output prefix
  uint32_t headerSize;
  int depth;
  uint32_t compression;
  int tolerance;  // 1 where channels are narrower than 8 bits (see the top of the file)
  bool alsoTopDown;
};

// Colours that change along both axes and a blue that is not a gradient at all, so a wrong row
// order, a shifted column or a misread padding byte all show.
std::vector<std::string> SourcePicture(int width, int height) {
  return {"-size",    std::to_string(width) + "x" + std::to_string(height), "xc:black",
          "-channel", "R", "-fx", "i/w",
          "-channel", "G", "-fx", "j/h",
          "-channel", "B", "-fx", "(i*3+j*5)%11/10",
          "+channel"};
}
const std::vector<std::string> kAlpha = {"-alpha", "set", "-channel", "A", "-fx", "(i+2*j)%4/3", "+channel"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const CrossCase kCases[] = {
    {"pal1", 37, 23, {"-colors", "2", "-type", "palette", "-compress", "None"}, "BMP3", 40, 1, 0, 0, true},
    {"pal1_w3", 3, 5, {"-colors", "2", "-type", "palette", "-compress", "None"}, "BMP3", 40, 1, 0, 0, false},
    {"pal4", 37, 23, {"-colors", "16", "-type", "palette", "-compress", "None"}, "BMP3", 40, 4, 0, 0, true},
    {"pal4_w1", 1, 7, {"-colors", "16", "-type", "palette", "-compress", "None"}, "BMP3", 40, 4, 0, 0, false},
    {"pal8", 37, 23, {"-colors", "200", "-type", "palette", "-compress", "None"}, "BMP3", 40, 8, 0, 0, true},
    {"rle8", 37, 23, {"-colors", "200", "-type", "palette", "-compress", "RLE"}, "BMP3", 40, 8, 1, 0, false},
    {"rgb565", 37, 23, {"-define", "bmp:subtype=RGB565"}, "BMP", 124, 16, 3, 1, true},
    {"rgb555", 37, 23, {"-define", "bmp:subtype=RGB555"}, "BMP", 124, 16, 3, 1, false},
    {"argb1555", 37, 23, Join(kAlpha, {"-define", "bmp:subtype=ARGB1555"}), "BMP", 124, 16, 3, 1, false},
    {"rgb24", 37, 23, {"-type", "truecolor"}, "BMP3", 40, 24, 0, 0, true},
    {"rgb24_w2", 2, 3, {"-type", "truecolor"}, "BMP3", 40, 24, 0, 0, true},
    {"rgb24_v5", 37, 23, {"-type", "truecolor"}, "BMP", 124, 24, 0, 0, false},
    {"argb32_fields", 37, 23, Join(kAlpha, {"-define", "bmp:subtype=ARGB8888"}), "BMP", 124, 32, 3, 0, true},
    {"rgb32", 37, 23, Join(kAlpha, {"-define", "bmp3:alpha=true"}), "BMP3", 40, 32, 0, 0, true},
    {"core1", 37, 23, {"-colors", "2", "-type", "palette"}, "BMP2", 12, 1, 0, 0, false},
    {"core4", 37, 23, {"-colors", "16", "-type", "palette"}, "BMP2", 12, 4, 0, 0, false},
    {"core8", 37, 23, {"-colors", "200", "-type", "palette"}, "BMP2", 12, 8, 0, 0, false},
    {"core24", 37, 23, {"-type", "truecolor"}, "BMP2", 12, 24, 0, 0, false},
};

void PrintTo(const CrossCase& c, std::ostream* os) { *os << c.name; }

class CrossReadTest : public ::testing::TestWithParam<CrossCase> {
 protected:
  void SetUp() override {
    if (ConvertTool().empty())
      GTEST_SKIP() << "ImageMagick's convert is not installed (Debian package imagemagick); "
                      "the cross-reading tests need it";
  }

  // Has ImageMagick write the case's file and checks it is the kind of file the case is about.
  std::vector<uint8_t> Written(const CrossCase& c, const std::string& file) {
    const RunResult r = Convert(
        Join(Join(SourcePicture(c.width, c.height), c.encoding), {std::string(c.format) + ":" + file}));
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<uint8_t> bytes = ReadBytes(file);
    if (bytes.size() < 30) {
      ADD_FAILURE() << "convert wrote no picture";
      return {};
    }
    EXPECT_EQ(Field(bytes, 14, 4), c.headerSize);
    if (c.headerSize == 12) {
      EXPECT_EQ(Field(bytes, 24, 2), static_cast<uint32_t>(c.depth));
    } else {
      EXPECT_EQ(Field(bytes, 28, 2), static_cast<uint32_t>(c.depth));
      EXPECT_EQ(Field(bytes, 30, 4), c.compression);
    }
    return bytes;
  }

  // Our page saved, then read by ImageMagick, must be the page.
  void ExpectSavedReadBack(const PageBitmap& page, const std::string& file, int tolerance,
                           const std::string& what) {
    page.SaveToFile(file);
    ExpectSamePixels(page, ReadWithImageMagick(file), tolerance, what);
  }

  ScratchDir dir_;
};

TEST_P(CrossReadTest, EveryPixelAsImageMagickReadsItAndBack) {
  const CrossCase& c = GetParam();
  const std::string file = dir_.File("theirs.bmp");
  const std::vector<uint8_t> bytes = Written(c, file);
  ASSERT_FALSE(bytes.empty());
  if (HasFailure()) return;

  PageBitmap page;
  page.LoadFromFile(file);
  if (c.compression == 0 || c.compression == 3) {
    EXPECT_EQ(page.Depth(), c.depth);
  }
  ExpectSamePixels(page, ReadWithImageMagick(file), c.tolerance, "read");

  // Saved unchanged: the file's own kind (a run-length file comes back byte for byte).
  ExpectSavedReadBack(page, dir_.File("ours.bmp"), c.tolerance, "saved unchanged");
  if (c.compression == 1) {
    EXPECT_EQ(ReadBytes(dir_.File("ours.bmp")), bytes);
  }
  if (c.headerSize == 12) {
    EXPECT_EQ(Field(ReadBytes(dir_.File("ours.bmp")), 14, 4), 12u);
  }

  // Drawn on: the 24-bit page a project is saved as, with exactly the colours it showed.
  PageBitmap drawn;
  drawn.LoadFromFile(file);
  PageWriter(drawn).Commit();
  EXPECT_EQ(drawn.Depth(), 24);
  ExpectSamePixels(drawn, ReadWithImageMagick(file), c.tolerance, "converted for drawing");
  ExpectSavedReadBack(drawn, dir_.File("project.bmp"), 0, "saved after drawing");

  if (c.alsoTopDown) {
    const std::string topDown = dir_.File("theirs-top-down.bmp");
    WriteBytes(topDown, MadeTopDown(bytes));
    PageBitmap flipped;
    flipped.LoadFromFile(topDown);
    ASSERT_TRUE(flipped.Image() && flipped.Image()->topDown);
    const Rgb8 theirs = ReadWithImageMagick(topDown);
    ExpectSamePixels(flipped, theirs, c.tolerance, "top-down read");
    // The same picture whichever way its rows are stored.
    ExpectSamePixels(flipped, ReadWithImageMagick(file), c.tolerance, "top-down against bottom-up");
    ExpectSavedReadBack(flipped, dir_.File("ours-top-down.bmp"), c.tolerance, "top-down saved");
    EXPECT_LT(static_cast<int32_t>(Field(ReadBytes(dir_.File("ours-top-down.bmp")), 22, 4)), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(ImageMagick, CrossReadTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CrossCase>& info) {
                           return std::string(info.param.name);
                         });

class CrossReadHandMade : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ConvertTool().empty())
      GTEST_SKIP() << "ImageMagick's convert is not installed (Debian package imagemagick); "
                      "the cross-reading tests need it";
  }
  ScratchDir dir_;
};

// Sixteen colours unlike each other; entry 0 is not black, so skipped pixels show whose they are.
std::vector<RGBQuad> SixteenColours() {
  std::vector<RGBQuad> t(16);
  for (int i = 0; i < 16; ++i)
    t[i] = {static_cast<uint8_t>(i * 16 + 5), static_cast<uint8_t>(200 - i * 9),
            static_cast<uint8_t>(i * 37 + 40), 0};
  return t;
}

// Run-length 4-bit, which ImageMagick does not write: encoded runs of two alternating nibbles, an
// absolute run of odd length with its padding, a delta, end of line and an early end of bitmap.
TEST_F(CrossReadHandMade, RunLength4MatchesTheHandDecodingAndImageMagick) {
  const std::vector<uint8_t> stream = {
      9, 0x12,                       // stream row 0 (the bottom row): 1 2 1 2 1 2 1 2 1
      0, 0,                          // end of line
      0, 5,    0x34, 0x56, 0x70, 0,  // absolute: 3 4 5 6 7, padded to a 16-bit boundary
      2, 0xAB,                       // a b
      0, 2,    1,    1,              // delta: right 1, up 1, to column 8 of stream row 2
      1, 0xC0,                       // c
      0, 0,                          // end of line
      3, 0xDE,                       // stream row 3: d e d
      0, 1,                          // end of bitmap: stream row 4 is never written
  };
  // Stream rows bottom-up; -1 marks a pixel the stream skips.
  const int kSkip = -1;
  const int expected[5][9] = {
      {kSkip, kSkip, kSkip, kSkip, kSkip, kSkip, kSkip, kSkip, kSkip},  // top row = stream row 4
      {0xD, 0xE, 0xD, kSkip, kSkip, kSkip, kSkip, kSkip, kSkip},
      {kSkip, kSkip, kSkip, kSkip, kSkip, kSkip, kSkip, kSkip, 0xC},
      {3, 4, 5, 6, 7, 0xA, 0xB, kSkip, kSkip},
      {1, 2, 1, 2, 1, 2, 1, 2, 1},
  };
  const std::vector<RGBQuad> table = SixteenColours();
  test::BmpLayout layout;
  layout.width = 9;
  layout.height = 5;
  layout.depth = 4;
  layout.compression = 2;
  layout.colorsUsed = 16;
  layout.table = table;
  // ImageMagick refuses a run-length file shorter than the picture would be uncompressed, so
  // zeros follow the stream; the header's image size says where the stream ends.
  layout.pixels = stream;
  layout.pixels.resize(stream.size() + 64, 0);
  layout.imageSize = static_cast<int64_t>(stream.size());
  const std::string file = dir_.File("rle4.bmp");
  WriteBytes(file, test::MakeBmp(layout));

  PageBitmap page;
  page.LoadFromFile(file);
  const Rgb8 theirs = ReadWithImageMagick(file);
  ASSERT_EQ(theirs.width, 9);
  ASSERT_EQ(theirs.height, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 9; ++x) {
      const int index = expected[y][x];
      SCOPED_TRACE("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")");
      if (index == kSkip) {
        EXPECT_EQ(page.Pixels(x, y), clBlack);
        EXPECT_EQ(theirs.At(x, y), test::TableColor(table, 0));
      } else {
        EXPECT_EQ(page.Pixels(x, y), test::TableColor(table, index));
        EXPECT_EQ(theirs.At(x, y), test::TableColor(table, index));
      }
    }
  }
  // Unchanged it is written back as it came, which ImageMagick still reads the same.
  page.SaveToFile(dir_.File("saved.bmp"));
  EXPECT_EQ(ReadBytes(dir_.File("saved.bmp")), ReadBytes(file));
}

// Every value of 4-, 5- and 6-bit channels: ours the nearest 8-bit value. ImageMagick's 5- and
// 6-bit values are within one (it gives 24, 57, 198, 231 for the 5-bit values 3, 7, 24, 28, where
// the nearest are 25, 58, 197, 230); its 4-bit ones are v * 16, so only their 4 bits must agree.
TEST_F(CrossReadHandMade, NarrowChannelsScaleToTheNearestValue) {
  // v × 255 ÷ (2^bits − 1) to the nearest, worked out by hand: 4 bits are steps of 17.
  const std::vector<int> nearest4 = {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238, 255};
  const std::vector<int> nearest5 = {
      0, 8, 16, 25, 33, 41, 49, 58, 66, 74, 82, 90, 99, 107, 115, 123,
      132, 140, 148, 156, 165, 173, 181, 189, 197, 206, 214, 222, 230, 239, 247, 255
  };
  const std::vector<int> nearest6 = {
      0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 45, 49, 53, 57, 61,
      65, 69, 73, 77, 81, 85, 89, 93, 97, 101, 105, 109, 113, 117, 121, 125,
      130, 134, 138, 142, 146, 150, 154, 158, 162, 166, 170, 174, 178, 182, 186, 190,
      194, 198, 202, 206, 210, 215, 219, 223, 227, 231, 235, 239, 243, 247, 251, 255
  };
  auto nearest = [&](int bits) -> const std::vector<int>& {
    return bits == 4 ? nearest4 : bits == 5 ? nearest5 : nearest6;
  };
  struct Layout {
    std::vector<uint32_t> masks;  // red, green, blue
    int redBits, greenBits, blueBits;
  };
  const Layout layouts[] = {
      {{0xF800, 0x07E0, 0x001F}, 5, 6, 5},
      {{0x7C00, 0x03E0, 0x001F}, 5, 5, 5},
      {{0x0F00, 0x00F0, 0x000F}, 4, 4, 4},
  };
  for (const Layout& l : layouts) {
    const int values = 1 << std::max({l.redBits, l.greenBits, l.blueBits});
    const int rs = std::countr_zero(l.masks[0]), gs = std::countr_zero(l.masks[1]);
    const int rmax = (1 << l.redBits) - 1, gmax = (1 << l.greenBits) - 1, bmax = (1 << l.blueBits) - 1;
    std::vector<uint8_t> row;
    for (int v = 0; v < values; ++v) {
      const uint32_t pixel = ((v & rmax) << rs) | ((v & gmax) << gs) | (bmax - (v & bmax));
      row.push_back(static_cast<uint8_t>(pixel));
      row.push_back(static_cast<uint8_t>(pixel >> 8));
    }
    test::BmpLayout layout;
    layout.width = values;
    layout.height = 1;
    layout.depth = 16;
    layout.compression = 3;
    layout.masks = l.masks;
    layout.pixels = row;
    layout.pixels.resize(static_cast<size_t>(test::RowBytes(values, 16)), 0);
    const std::string file = dir_.File("narrow.bmp");
    WriteBytes(file, test::MakeBmp(layout));

    PageBitmap page;
    page.LoadFromFile(file);
    const Rgb8 theirs = ReadWithImageMagick(file);
    ASSERT_EQ(theirs.width, values);
    for (int v = 0; v < values; ++v) {
      SCOPED_TRACE("bits " + std::to_string(l.redBits) + std::to_string(l.greenBits) +
                   std::to_string(l.blueBits) + ", value " + std::to_string(v));
      const TColor ours = page.Pixels(v, 0), other = theirs.At(v, 0);
      const int channel[3][3] = {{GetRValue(ours), GetRValue(other), rmax},
                                 {GetGValue(ours), GetGValue(other), gmax},
                                 {GetBValue(ours), GetBValue(other), bmax}};
      const int raw[3] = {v & rmax, v & gmax, bmax - (v & bmax)};
      const int bits[3] = {l.redBits, l.greenBits, l.blueBits};
      for (int c = 0; c < 3; ++c) {
        const int max = channel[c][2];
        EXPECT_EQ(channel[c][0], nearest(bits[c])[static_cast<size_t>(raw[c])]) << "channel " << c;
        if (max == 15) {
          EXPECT_EQ(channel[c][1] >> 4, raw[c]) << "channel " << c;
        } else {
          EXPECT_LE(std::abs(channel[c][0] - channel[c][1]), 1) << "channel " << c;
        }
      }
    }
  }
}

}  // namespace
}  // namespace pintoola
