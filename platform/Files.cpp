#include "platform/Files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/Errors.h"

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

namespace {

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Moves temp to name only if name does not exist; the file system checks and moves in one step.
bool MoveIntoFreeName(const std::string& temp, const std::string& name) {
  if (renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
  // File systems without that rename: a hard link is just as exclusive.
  if (link(temp.c_str(), name.c_str()) != 0) return false;
  unlink(temp.c_str());
  return true;
}

std::string FirstFreeName(const std::function<std::string(unsigned long long)>& names) {
  for (unsigned long long n = 1;; ++n) {
    std::string candidate = names(n);
    if (!FileExists(candidate)) return candidate;
  }
}

}  // namespace

std::string SaveUnderFreeName(const std::function<std::string(unsigned long long)>& names,
                              const std::function<void(const std::string& path)>& write) {
  std::string name = FirstFreeName(names);
  const auto slash = name.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
  const auto dot = name.find_last_of('.');
  const std::string extension = dot == std::string::npos || dot < folder.size() ? std::string() : name.substr(dot);
  // Hidden (the libraries skip it) and unique to this save, also between threads of one process.
  static std::atomic<unsigned> serial{0};
  const std::string temp = folder + ".saving-" + std::to_string(getpid()) + "-" + std::to_string(++serial) + extension;
  try {
    write(temp);
  } catch (const EPintoolaError& e) {
    unlink(temp.c_str());
    // Report the file's own name, not the temporary one.
    throw EPintoolaError(Replaced(e.what(), temp, name));
  }
  for (;;) {
    if (MoveIntoFreeName(temp, name)) return name;
    const int error = errno;
    // Only a file that appeared since the name was chosen moves us on; anything else in the way
    // (a folder of that name, a read-only disk) is a failure to create this name.
    if (error == EEXIST && FileExists(name)) {
      name = FirstFreeName(names);
      continue;
    }
    unlink(temp.c_str());
    throw EPintoolaError("Cannot create file \"" + name + "\". " + SystemErrorText(error == EEXIST ? EISDIR : error));
  }
}

std::string SystemErrorText(int error) { return std::strerror(error); }

}  // namespace pintoola
