#include "app/ProjectStore.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string_view>

#include "core/Errors.h"
#include "platform/Files.h"

namespace pintoola {

std::string NextFreeFileName(const std::string& prefix, const std::string& extension, bool numbered) {
  if (!numbered && !FileExists(prefix + extension)) return prefix + extension;
  for (unsigned long long n = 1;; ++n) {
    std::string candidate = prefix + std::to_string(n) + extension;
    if (!FileExists(candidate)) return candidate;
  }
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

std::string CannotCreate(const std::string& name, int error) {
  return "Cannot create file \"" + name + "\". " + SystemErrorText(error);
}

}  // namespace

std::string SaveProject(const PageBitmap& page, const std::string& prefix, const std::string& extension) {
  std::string name = NextFreeFileName(prefix, extension, true);
  const auto slash = prefix.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
  // Hidden (the libraries skip it) and unique to this save, also between threads of one process.
  static std::atomic<unsigned> serial{0};
  const std::string temp = folder + ".saving-" + std::to_string(getpid()) + "-" + std::to_string(++serial) + extension;
  try {
    page.SaveToFile(temp);
  } catch (const EPintoolaError& e) {
    // Report the project's own name, not the temporary one.
    throw EPintoolaError(Replaced(e.what(), temp, name));
  }
  for (;;) {
    if (MoveIntoFreeName(temp, name)) return name;
    const int error = errno;
    // Only a file that appeared since the name was chosen moves us on; anything else in the way
    // (a folder of that name, a read-only disk) is a failure to create this name.
    if (error == EEXIST && FileExists(name)) {
      name = NextFreeFileName(prefix, extension, true);
      continue;
    }
    unlink(temp.c_str());
    throw EPintoolaError(CannotCreate(name, error == EEXIST ? EISDIR : error));
  }
}

}  // namespace pintoola
