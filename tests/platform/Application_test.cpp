#include "platform/Application.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace pintoola {
namespace {

// This suite runs inside a TApplication made from its own command line (see gui_test_main.cpp).
TEST(TApplication, SeesOnlyTheProgramName) {
  EXPECT_EQ(QCoreApplication::arguments().size(), 1) << QCoreApplication::arguments().join(' ').toStdString();
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST(TApplication, QtsOwnOptionsAreNotObeyed) {
  // The suite again, started with an option Qt would obey: the layout must not be mirrored.
  QProcess child;
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {"-reverse", "--gtest_filter=TApplication.SeesOnlyTheProgramName"});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QString output = QString::fromLocal8Bit(child.readAll());
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

}  // namespace
}  // namespace pintoola
