// Which files a view lists, in which order, and what each tile is given as its file name.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "thumbs/BmpFixture.h"
#include "thumbs/JvThumbViews.h"

namespace pintoola {
namespace {

using testing::WriteSolidBmp;
using testing::WriteText;

class FolderListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    dir_ = tmp_.path().toStdString();
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::vector<std::string> Names(const std::vector<std::string>& paths) const {
    std::vector<std::string> names;
    for (const auto& p : paths) names.push_back(p.substr(dir_.size() + 1));
    return names;
  }

  QTemporaryDir tmp_;
  std::string dir_;
};

TEST_F(FolderListingTest, OnlyVisibleRegularMatchingFilesDirectlyInTheFolder) {
  WriteSolidBmp(Path("a.bmp"), 2, 2, 0);
  WriteSolidBmp(Path("B.BMP"), 2, 2, 0);
  WriteText(Path("a.jpg"), "x");
  WriteSolidBmp(Path(".h.bmp"), 2, 2, 0);
  ASSERT_EQ(mkdir(Path("d.bmp").c_str(), 0777), 0);
  ASSERT_EQ(mkdir(Path("sub").c_str(), 0777), 0);
  WriteSolidBmp(Path("sub/inner.bmp"), 2, 2, 0);
  ASSERT_EQ(mkfifo(Path("f.bmp").c_str(), 0666), 0);
  ASSERT_EQ(symlink("a.bmp", Path("link.bmp").c_str()), 0);
  ASSERT_EQ(symlink("missing.bmp", Path("broken.bmp").c_str()), 0);
  {
    // A socket: an entry that is neither file nor folder.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sock = Path("s.bmp");
    if (sock.size() < sizeof addr.sun_path) {
      std::copy(sock.begin(), sock.end(), addr.sun_path);
      ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    }
    close(fd);
  }

  TJvThumbView view;
  view.SetFilter("Bitmaps (*.bmp)|*.bmp");
  view.ListFolderFiles(dir_);
  const std::vector<std::string> expected = {"a.bmp", "B.BMP", "link.bmp"};
  EXPECT_EQ(Names(view.FileListSorted()), expected);
  EXPECT_EQ(view.FileList().size(), 3u);
  for (const std::string& p : view.FileList()) EXPECT_EQ(p.substr(0, dir_.size() + 1), dir_ + "/");
}

TEST_F(FolderListingTest, SortedWithoutLetterCaseAndEachPathOnce) {
  for (const char* n : {"c.bmp", "b.bmp", "A.bmp", "x.dib"}) WriteSolidBmp(Path(n), 2, 2, 0);
  TJvThumbView view;
  view.SetFilter("X|*.bmp|Y|*.BMP;*.dib");
  view.ListFolderFiles(dir_);
  const std::vector<std::string> expected = {"A.bmp", "b.bmp", "c.bmp", "x.dib"};
  EXPECT_EQ(Names(view.FileListSorted()), expected);
  EXPECT_EQ(view.FileList().size(), 4u);
}

TEST_F(FolderListingTest, TrailingSlashIsNotDoubled) {
  WriteSolidBmp(Path("a.bmp"), 2, 2, 0);
  TJvThumbView view;
  view.SetFilter("*.bmp");
  for (const std::string& folder : {dir_, dir_ + "/"}) {
    view.ListFolderFiles(folder);
    ASSERT_EQ(view.FileList().size(), 1u);
    EXPECT_EQ(view.FileList()[0], dir_ + "/a.bmp");
  }
}

TEST_F(FolderListingTest, MissingFolderListsNothing) {
  TJvThumbView view;
  view.ListFolderFiles(Path("nope"));
  EXPECT_TRUE(view.FileList().empty());
  EXPECT_TRUE(view.FileListSorted().empty());
}

TEST_F(FolderListingTest, NamesDifferingOnlyInCaseAreBothListed) {
  WriteSolidBmp(Path("a.bmp"), 2, 2, 0);
  WriteSolidBmp(Path("A.bmp"), 2, 2, 0);
  TJvThumbView view;
  view.SetFilter("*.bmp");
  view.SetDirectory(dir_);
  ASSERT_EQ(view.Count(), 2);
  EXPECT_EQ(view.Thumbnail(0)->FileName(), dir_ + "/A.bmp");
  EXPECT_EQ(view.Thumbnail(1)->FileName(), dir_ + "/a.bmp");
}

}  // namespace
}  // namespace pintoola
