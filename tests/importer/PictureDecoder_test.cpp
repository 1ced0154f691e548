#include "platform/PictureDecoder.h"

#include <QDir>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/PageBitmap.h"
#include "platform/QtBitmapDecoder.h"
#include "tests/importer/Fixtures.h"

namespace pintoola {
namespace {

using test::GreyAt;
using test::MarkedPicture;

QByteArray Encoded(const QImage& image, const char* format, int quality = -1) {
  const QByteArray bytes = test::Encoded(image, format, quality);
  EXPECT_FALSE(bytes.isEmpty()) << format;
  return bytes;
}

class PictureDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override { PageBitmap::SetCompressedDecoder(&bmpDecoder_); }
  void TearDown() override { PageBitmap::SetCompressedDecoder(nullptr); }

  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) {
    EXPECT_TRUE(test::WriteFile(Path(name), bytes));
    return Path(name);
  }

  // Every page of the file, failing the test on any error.
  std::vector<pageprep::GreyImage> Decode(const QString& path) {
    std::vector<pageprep::GreyImage> pages;
    QString error;
    std::unique_ptr<PictureFile> picture = OpenPicture(path, error);
    EXPECT_TRUE(picture) << error.toStdString();
    if (!picture) return pages;
    for (int i = 0; i < picture->PageCount(); ++i) {
      pageprep::GreyImage page;
      EXPECT_TRUE(picture->Page(i, page, error)) << error.toStdString();
      EXPECT_EQ(page.pixels.size(), static_cast<size_t>(page.width) * static_cast<size_t>(page.height));
      pages.push_back(std::move(page));
    }
    return pages;
  }

  // The reason the file is refused, at opening or at decoding its first page.
  QString Refusal(const QString& path) {
    QString error;
    std::unique_ptr<PictureFile> picture = OpenPicture(path, error);
    if (picture) {
      pageprep::GreyImage page;
      if (picture->Page(0, page, error)) return QString();
    }
    return error;
  }

  QTemporaryDir dir_;
  QtCompressedBitmapDecoder bmpDecoder_;
};

// A page that is white, with its black mark in the top-left corner and nowhere else.
void ExpectMarkTopLeft(const pageprep::GreyImage& page, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_LT(GreyAt(page, 0.02, 0.02), 40);
  EXPECT_GT(GreyAt(page, 0.98, 0.02), 215);
  EXPECT_GT(GreyAt(page, 0.02, 0.98), 215);
  EXPECT_GT(GreyAt(page, 0.98, 0.98), 215);
  EXPECT_GT(GreyAt(page, 0.5, 0.5), 215);
}

TEST_F(PictureDecoderTest, RasterFormatsLandUprightWithTheirMarkInPlace) {
  const QImage picture = MarkedPicture(64, 48);
  QImage transparent(64, 48, QImage::Format_ARGB32);
  transparent.fill(Qt::transparent);
  {
    QPainter painter(&transparent);
    painter.fillRect(0, 0, 12, 12, Qt::black);
  }
  QImage deep = MarkedPicture(64, 48).convertToFormat(QImage::Format_RGBA64);
  const QByteArray deepPng = Encoded(deep, "PNG");
  ASSERT_EQ(deepPng[24], 16) << "the fixture is not a 16-bit PNG";
  const QByteArray greyJpeg = Encoded(picture.convertToFormat(QImage::Format_Grayscale8), "JPEG", 90);

  struct Case {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"alpha.png", Encoded(transparent, "PNG")},
      {"deep.png", deepPng},
      {"grey.jpg", greyJpeg},
      {"colour.jpg", Encoded(picture, "JPEG", 90)},
      {"picture.webp", Encoded(picture, "WEBP", 100)},
      {"picture.tiff", Encoded(picture, "TIFF")},
      {"picture.bmp", Encoded(picture, "BMP")},
      {"mono.bmp", Encoded(picture.convertToFormat(QImage::Format_Mono), "BMP")},
  };
  for (const Case& c : cases) {
    const auto pages = Decode(Write(c.name, c.bytes));
    ASSERT_EQ(pages.size(), 1u) << c.name;
    EXPECT_EQ(pages[0].width, 64) << c.name;
    EXPECT_EQ(pages[0].height, 48) << c.name;
    ExpectMarkTopLeft(pages[0], c.name);
  }
}

TEST_F(PictureDecoderTest, TransparencyBecomesWhitePaper) {
  QImage half(8, 8, QImage::Format_ARGB32);
  half.fill(qRgba(0, 0, 0, 0));
  half.setPixel(1, 1, qRgba(0, 0, 0, 255));
  half.setPixel(2, 2, qRgba(0, 0, 0, 128));
  const auto pages = Decode(Write("half.png", Encoded(half, "PNG")));
  ASSERT_EQ(pages.size(), 1u);
  const auto at = [&](int x, int y) { return pages[0].pixels[static_cast<size_t>(y * 8 + x)]; };
  EXPECT_EQ(at(0, 0), 255);  // a transparent black pixel is paper, not ink
  EXPECT_EQ(at(1, 1), 0);
  EXPECT_NEAR(at(2, 2), 127, 3);
}

TEST_F(PictureDecoderTest, ExifOrientationTurnsTheJpeg) {
  // Stored 64 x 32 with the mark top-left; shown a quarter turn clockwise it is 32 x 64 with the
  // mark top-right.
  const QByteArray jpeg = test::WithExifOrientation(Encoded(MarkedPicture(64, 32), "JPEG", 95), 6);
  const auto pages = Decode(Write("turned.jpg", jpeg));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].width, 32);
  EXPECT_EQ(pages[0].height, 64);
  EXPECT_LT(GreyAt(pages[0], 0.95, 0.03), 40);
  EXPECT_GT(GreyAt(pages[0], 0.05, 0.03), 215);
}

TEST_F(PictureDecoderTest, GifGivesItsFirstFrameAndCmykJpegReads) {
  const QString first = Write("first.png", Encoded(MarkedPicture(40, 40), "PNG"));
  const QString second = Write("second.png", Encoded(MarkedPicture(40, 40).mirrored(true, true), "PNG"));
  ASSERT_TRUE(test::Convert({first, second, Path("animated.gif")}));
  ASSERT_TRUE(test::Convert({first, QStringLiteral("-colorspace"), QStringLiteral("CMYK"), Path("cmyk.jpg")}));
  ASSERT_TRUE(test::ReadFile(Path("cmyk.jpg")).contains("Adobe")) << "the fixture is not a CMYK JPEG";
  for (const char* name : {"animated.gif", "cmyk.jpg"}) {
    const auto pages = Decode(Path(name));
    ASSERT_EQ(pages.size(), 1u) << name;
    EXPECT_EQ(pages[0].width, 40) << name;
    ExpectMarkTopLeft(pages[0], name);
  }
}

TEST_F(PictureDecoderTest, SvgRendersLargeEnoughForThinLines) {
  const QString path = Write("drawing.svg",
                             "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100' width='200' height='100'>"
                             "<defs><linearGradient id='g'><stop offset='0' stop-color='white'/></linearGradient></defs>"
                             "<rect width='200' height='100' fill='url(#g)'/>"
                             "<rect x='0' y='0' width='25' height='25' fill='black'/>"
                             "<line x1='100' y1='0' x2='100' y2='100' stroke='black' stroke-width='0.5'/></svg>");
  const auto pages = Decode(path);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].width, kRenderWidth);
  EXPECT_EQ(pages[0].height, kRenderWidth / 2);
  EXPECT_LT(GreyAt(pages[0], 0.05, 0.1), 40);
  EXPECT_GT(GreyAt(pages[0], 0.9, 0.9), 215);
  // The half-unit line is several pixels wide at this resolution: some of it is solid ink.
  int darkest = 255;
  for (int x = kRenderWidth / 2 - 10; x < kRenderWidth / 2 + 10; ++x)
    darkest = std::min(darkest, int(pages[0].pixels[static_cast<size_t>(pages[0].height / 2) * pages[0].width + x]));
  EXPECT_LT(darkest, 40);
}

TEST_F(PictureDecoderTest, EveryPageOfAPdfInOrder) {
  const QString path = Path("book.pdf");
  {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const int w = writer.width(), h = writer.height();
    painter.fillRect(0, 0, w / 5, w / 5, Qt::black);
    writer.newPage();
    painter.fillRect(w - w / 5, h - w / 5, w / 5, w / 5, Qt::black);
  }
  const auto pages = Decode(path);
  ASSERT_EQ(pages.size(), 2u);
  for (const auto& page : pages) {
    EXPECT_EQ(page.height, kRenderHeight);  // A4 portrait is limited by its height
    EXPECT_NEAR(double(page.width) / page.height, 210.0 / 297.0, 0.01);
  }
  ExpectMarkTopLeft(pages[0], "page 1");
  EXPECT_LT(GreyAt(pages[1], 0.97, 0.98), 40);
  EXPECT_GT(GreyAt(pages[1], 0.03, 0.02), 215);
}

TEST_F(PictureDecoderTest, BadInputIsRefusedWithItsReason) {
  const QByteArray png = Encoded(MarkedPicture(64, 48), "PNG");
  QByteArray bombBmp = Encoded(MarkedPicture(8, 8), "BMP");
  const char twentyThousand[4] = {0x20, 0x4E, 0, 0};
  bombBmp.replace(18, 4, twentyThousand, 4);  // wide
  bombBmp.replace(22, 4, twentyThousand, 4);  // high
  QDir(dir_.path()).mkdir(QStringLiteral("folder.png"));
  QFile::remove(Path("missing.png"));

  struct Case {
    const char* name;
    QByteArray bytes;  // null: leave the path as it is
    const char* reason;
  } cases[] = {
      {"missing.png", {}, "cannot be read: No such file or directory"},
      {"folder.png", {}, "is a folder"},
      {"empty.png", QByteArray(""), "is empty"},
      {"truncated.png", png.left(png.size() / 2), "is damaged or incomplete"},
      {"notes.png", QByteArray("these are not the pixels you are looking for\n"), "is not a picture Pintoola can read"},
      {"bomb.png", test::PngClaiming(png, 20000, 20000), "is too large: 20000 × 20000 pixels, more than 100 million"},
      {"bomb.bmp", bombBmp, "is too large: 20000 × 20000 pixels, more than 100 million"},
      {"truncated.bmp", Encoded(MarkedPicture(64, 48), "BMP").left(30), "is damaged or incomplete"},
      {"locked.pdf", test::EncryptedPdf(), "is protected by a password"},
      {"broken.pdf", QByteArray("%PDF-1.4\n1 0 obj << /Type /Catalog >>\n"), "is a damaged PDF"},
      {"packed.svg", QByteArray("\x1F\x8B\x08\0\0\0\0\0", 8), "is not a picture Pintoola can read"},
  };
  for (const Case& c : cases) {
    const QString path = c.bytes.isNull() ? Path(c.name) : Write(c.name, c.bytes);
    EXPECT_EQ(Refusal(path).toStdString(), c.reason) << c.name;
  }
}

TEST_F(PictureDecoderTest, AnSvgNamingAnythingOutsideItselfIsRefusedUnread) {
  // Each would make a reader fetch a file: the files exist, so only the check can stop them.
  const QString secret = Write("secret.png", Encoded(MarkedPicture(8, 8), "PNG"));
  const QByteArray inner = "<svg xmlns='http://www.w3.org/2000/svg'><image href='" + secret.toUtf8() + "'/></svg>";
  const QByteArray svgData = "data:image/svg+xml;base64," + inner.toBase64();
  const QByteArray pngData = "data:image/png;base64," + Encoded(MarkedPicture(8, 8), "PNG").toBase64();
  const QByteArray head = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                          "viewBox='0 0 10 10'>";
  const QByteArray external = "names other files, addresses or entities, which are never read";

  struct Case {
    const char* what;
    QByteArray svg;
    bool refused;
  } cases[] = {
      {"an entity", "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY x SYSTEM '" + secret.toUtf8() + "'>]>" + head +
                        "<text>&x;</text></svg>", true},
      {"a file by href", head + "<image width='10' height='10' href='" + secret.toUtf8() + "'/></svg>", true},
      {"a file by xlink:href", head + "<image width='10' height='10' xlink:href = \"file://" + secret.toUtf8() +
                                   "\"/></svg>", true},
      {"an address", head + "<image width='10' height='10' href='http://example.invalid/a.png'/></svg>", true},
      {"another SVG with a use", head + "<use href='other.svg#shape'/></svg>", true},
      {"a stylesheet import", head + "<style>@import 'x.css';</style></svg>", true},
      {"a style url", head + "<rect width='5' height='5' style='fill:url(http://example.invalid/x)'/></svg>", true},
      {"an embedded SVG", head + "<image width='10' height='10' href='" + svgData + "'/></svg>", true},
      {"an unquoted href", head + "<image width='10' height='10' href=" + secret.toUtf8() + "/></svg>", true},
      {"a fragment", head + "<defs><rect id='r' width='5' height='5'/></defs><use href='#r'/>"
                            "<rect width='5' height='5' fill='url( \"#r\")'/></svg>", false},
      {"an embedded PNG", head + "<image width='10' height='10' href='" + pngData + "'/></svg>", false},
      {"the word in text", head + "<text>an href of sorts</text></svg>", false},
  };
  for (const Case& c : cases) {
    const QString path = Write(QStringLiteral("case.svg"), c.svg);
    EXPECT_EQ(Refusal(path).toUtf8() == external, c.refused) << c.what << ": " << Refusal(path).toStdString();
  }
}

}  // namespace
}  // namespace pintoola
