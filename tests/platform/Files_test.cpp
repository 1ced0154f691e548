#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>

namespace pintoola {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string Path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
};

TEST_F(FilesTest, DirectoryExistsTellsFoldersFromFilesAndMissingPaths) {
  std::ofstream(Path("plain")) << "x";
  ASSERT_EQ(symlink(dir.path().toStdString().c_str(), Path("link").c_str()), 0);
  ASSERT_EQ(symlink(Path("nowhere").c_str(), Path("dangling").c_str()), 0);
  EXPECT_TRUE(DirectoryExists(dir.path().toStdString()));
  EXPECT_TRUE(DirectoryExists(Path("link")));
  EXPECT_FALSE(DirectoryExists(Path("plain")));
  EXPECT_FALSE(DirectoryExists(Path("missing")));
  EXPECT_FALSE(DirectoryExists(Path("dangling")));
  EXPECT_FALSE(DirectoryExists(Path("plain/below")));
}

TEST_F(FilesTest, ForceDirectoriesCreatesEveryMissingLevel) {
  EXPECT_TRUE(ForceDirectories(Path("a/b/c/")));
  EXPECT_TRUE(DirectoryExists(Path("a/b/c")));
  EXPECT_TRUE(ForceDirectories(Path("a/b")));  // already there
  EXPECT_TRUE(ForceDirectories("/"));
  EXPECT_TRUE(ForceDirectories("ab"));  // fewer than three characters: nothing to do
}

TEST_F(FilesTest, ForceDirectoriesFailsWhenAFileIsInTheWay) {
  std::ofstream(Path("Projects")) << "not a folder";
  EXPECT_FALSE(ForceDirectories(Path("Projects")));
  EXPECT_FALSE(ForceDirectories(Path("Projects/deeper")));
  std::ifstream kept(Path("Projects"));
  std::string text;
  std::getline(kept, text);
  EXPECT_EQ(text, "not a folder");
}

TEST_F(FilesTest, FileExistsIsFalseForFolders) {
  std::ofstream(Path("f.bmp")) << "x";
  ASSERT_EQ(mkdir(Path("d.bmp").c_str(), 0777), 0);
  EXPECT_TRUE(FileExists(Path("f.bmp")));
  EXPECT_FALSE(FileExists(Path("d.bmp")));
  EXPECT_FALSE(FileExists(Path("none.bmp")));
}

TEST(ExeFolder, EndsWithASeparator) {
  SetExeFolderForTesting("");
  const std::string folder = ExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  SetExeFolderForTesting("/tmp/x");
  EXPECT_EQ(ExeFolder(), "/tmp/x/");
  SetExeFolderForTesting("");
}

}  // namespace
}  // namespace pintoola
