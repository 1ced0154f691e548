// The real pintoola-import: its output lines, exit codes and the folder it writes into by default.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/PageBitmap.h"
#include "tests/importer/Fixtures.h"

namespace pintoola {
namespace {

struct Outcome {
  int code = -1;
  QString out, err;
};

Outcome Import(const QStringList& arguments, const QString& exe = QStringLiteral(PINTOOLA_IMPORT_EXE)) {
  QProcess process;
  process.start(exe, arguments);
  Outcome run;
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  if (process.exitStatus() == QProcess::NormalExit) run.code = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

QByteArray Png(const QImage& image) { return test::Encoded(image, "PNG"); }

// A line drawing: a ring with a cross, anti-aliased, on a transparent background.
QImage Drawing(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, std::max(2, width / 150)));
  painter.drawEllipse(QRectF(width * 0.1, height * 0.1, width * 0.8, height * 0.8));
  painter.drawLine(QPointF(width * 0.5, height * 0.1), QPointF(width * 0.5, height * 0.9));
  return image;
}

class CommandLine : public ::testing::Test {
 protected:
  QString Source(const QString& name, const QByteArray& bytes) {
    const QString path = sources_.filePath(name);
    EXPECT_TRUE(test::WriteFile(path, bytes));
    return path;
  }
  QStringList Pages() const { return QDir(pages_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

  QTemporaryDir sources_, pages_;
};

TEST_F(CommandLine, WritesATwoColourPageWithinTheLimitsAndReportsIt) {
  const QString picture = Source("ring.png", Png(Drawing(1000, 600)));
  const Outcome run = Import({"--into", pages_.path(), picture});
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_EQ(run.err, "");
  const QRegularExpression line("^" + QRegularExpression::escape(pages_.filePath("ring.bmp")) +
                                ": (\\d+) × (\\d+) pixels, (\\d+) areas, (\\d+) gaps closed\n$");
  const QRegularExpressionMatch match = line.match(run.out);
  ASSERT_TRUE(match.hasMatch()) << run.out.toStdString();

  PageBitmap page;
  page.LoadFromFile(pages_.filePath("ring.bmp").toStdString());
  EXPECT_EQ(page.Width(), match.captured(1).toInt());
  EXPECT_EQ(page.Height(), match.captured(2).toInt());
  EXPECT_EQ(page.Depth(), 24);
  // The picture is wider than the box's shape: its width is at the limit, its aspect kept.
  EXPECT_EQ(page.Width(), 736);
  EXPECT_NEAR(page.Height(), 736 * 600 / 1000, 1);
  long black = 0, other = 0;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) {
      const TColor c = page.Pixels(x, y);
      black += c == clBlack;
      other += c != clBlack && c != clWhite;
    }
  EXPECT_EQ(other, 0);
  EXPECT_GT(black, 1000);
  // Outside the ring and its two halves.
  EXPECT_GE(match.captured(3).toInt(), 3);
}

TEST_F(CommandLine, ExitCodesAndAFailedFileAmongGoodOnes) {
  const QString good = Source("good.png", Png(Drawing(300, 300)));
  const QString empty = Source("empty.png", "");
  Outcome run = Import({"--into", pages_.path(), empty, good});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, empty + ": is empty\n");
  EXPECT_TRUE(run.out.startsWith(pages_.filePath("good.bmp") + ": ")) << run.out.toStdString();
  EXPECT_EQ(Pages(), QStringList{"good.bmp"});

  struct Usage {
    QStringList arguments;
    const char* message;
  } usages[] = {
      {{}, "no picture named"},
      {{"--into"}, "--into needs a folder"},
      {{"--bogus", good}, "unknown option --bogus"},
  };
  for (const Usage& u : usages) {
    run = Import(u.arguments);
    EXPECT_EQ(run.code, 2) << u.message;
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("pintoola-import: ") + u.message + "\nusage: "))
        << run.err.toStdString();
    EXPECT_EQ(run.out, "");
  }
  run = Import({"--help"});
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(run.out.startsWith("usage: pintoola-import")) << run.out.toStdString();
  EXPECT_EQ(Pages(), QStringList{"good.bmp"});
}

TEST_F(CommandLine, WritesIntoTheImagesFolderBesideItsRealLocation) {
  // A copy of the executable reached through a link, as /usr/bin/pintoola-import reaches the
  // installed one: the pages go beside the copy, not beside the link.
  QTemporaryDir program, links;
  const QString exe = program.filePath("pintoola-import");
  ASSERT_TRUE(QFile::copy(QStringLiteral(PINTOOLA_IMPORT_EXE), exe));
  QFile::setPermissions(exe, QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
  ASSERT_TRUE(QFile::link(exe, links.filePath("pintoola-import")));
  const QString picture = Source("cat.png", Png(Drawing(200, 300)));
  const Outcome run = Import({picture}, links.filePath("pintoola-import"));
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  EXPECT_TRUE(QFile::exists(program.filePath("images/cat.bmp"))) << run.out.toStdString();
  EXPECT_FALSE(QDir(links.filePath("images")).exists());
}

}  // namespace
}  // namespace pintoola
