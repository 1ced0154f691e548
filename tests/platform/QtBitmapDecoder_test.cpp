#include "platform/QtBitmapDecoder.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "tests/engine/BmpTestUtil.h"

namespace pintoola {
namespace {

using test::BmpLayout;
using test::MakeBmp;

std::vector<uint8_t> Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, 100);
  return {bytes.begin(), bytes.end()};
}

QImage Sample() {
  QImage image(3, 2, QImage::Format_RGB32);
  const QRgb colours[6] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                           qRgb(10, 20, 30), qRgb(255, 255, 255), qRgb(0, 0, 0)};
  for (int i = 0; i < 6; ++i) image.setPixel(i % 3, i / 3, colours[i]);
  return image;
}

class QtBitmapDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override { PageBitmap::SetCompressedDecoder(&decoder_); }
  void TearDown() override { PageBitmap::SetCompressedDecoder(nullptr); }
  std::string Load(PageBitmap& page, const std::vector<uint8_t>& bytes) {
    test::WriteBytes(dir_.File("in.bmp"), bytes);
    try {
      page.LoadFromFile(dir_.File("in.bmp"));
    } catch (const EPintoolaError& e) {
      return e.what();
    }
    return {};
  }
  QtCompressedBitmapDecoder decoder_;
  test::ScratchDir dir_;
};

TEST_F(QtBitmapDecoderTest, PngInsideABitmapKeepsEveryPixelAndItsFile) {
  BmpLayout s;
  s.depth = 0;
  s.compression = 5;
  s.width = 3;
  s.height = 2;
  s.pixels = Encoded(Sample(), "PNG");
  const std::vector<uint8_t> file = MakeBmp(s);
  PageBitmap page;
  ASSERT_EQ(Load(page, file), "");
  ASSERT_EQ(page.Width(), 3);
  ASSERT_EQ(page.Height(), 2);
  const QImage sample = Sample();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const QRgb c = sample.pixel(x, y);
      EXPECT_EQ(page.Pixels(x, y), RGB(qRed(c), qGreen(c), qBlue(c))) << x << "," << y;
    }
  page.SaveToFile(dir_.File("out.bmp"));
  EXPECT_EQ(test::ReadBytes(dir_.File("out.bmp")), file);
}

TEST_F(QtBitmapDecoderTest, JpegInsideABitmapDecodesToItsSize) {
  QImage grey(8, 8, QImage::Format_RGB32);
  grey.fill(qRgb(128, 128, 128));
  BmpLayout s;
  s.depth = 24;
  s.compression = 4;
  s.width = 8;
  s.height = 8;
  s.imageSize = 0;
  s.pixels = Encoded(grey, "JPEG");
  PageBitmap page;
  ASSERT_EQ(Load(page, MakeBmp(s)), "");
  EXPECT_EQ(page.Width(), 8);
  EXPECT_EQ(page.Depth(), 24);
  const TColor c = page.Pixels(4, 4);
  EXPECT_NEAR(GetRValue(c), 128, 3);
  EXPECT_NEAR(GetBValue(c), 128, 3);
}

TEST_F(QtBitmapDecoderTest, DataThatIsNotTheAnnouncedFormatIsNotValid) {
  BmpLayout s;
  s.compression = 5;
  s.pixels = Encoded(Sample(), "JPEG");  // announced PNG, holds JPEG
  PageBitmap page;
  EXPECT_EQ(Load(page, MakeBmp(s)), "Bitmap image is not valid");
  s.pixels = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(Load(page, MakeBmp(s)), "Bitmap image is not valid");
  EXPECT_TRUE(page.Empty());
}

}  // namespace
}  // namespace pintoola
