#include "platform/Files.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace pintoola {

namespace {
std::string g_exeFolderOverride;
}

std::string ExeFolder() {
  if (!g_exeFolderOverride.empty()) return g_exeFolderOverride;
  std::string dir = QCoreApplication::applicationDirPath().toStdString();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

void SetExeFolderForTesting(const std::string& folder) {
  g_exeFolderOverride = folder;
  if (!g_exeFolderOverride.empty() && g_exeFolderOverride.back() != '/') g_exeFolderOverride += '/';
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  switch (errno) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
      return false;
    default:
      return true;  // e.g. access denied: leave it alone
  }
}

bool ForceDirectories(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.size() < 3 || DirectoryExists(path)) return true;
  const auto slash = path.find_last_of('/');
  const std::string parent = slash == std::string::npos ? std::string() : path.substr(0, slash);
  if (parent == path) return true;
  if (!parent.empty() && !ForceDirectories(parent)) return false;
  return mkdir(path.c_str(), 0777) == 0 || DirectoryExists(path);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string SystemErrorText(int error) { return std::strerror(error); }

}  // namespace pintoola
