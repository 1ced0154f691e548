#include "app/ProjectStore.h"

#include "platform/Files.h"

namespace pintoola {

std::string NextFreeFileName(const std::string& prefix, const std::string& extension, bool numbered) {
  if (!numbered && !FileExists(prefix + extension)) return prefix + extension;
  for (unsigned long long n = 1;; ++n) {
    std::string candidate = prefix + std::to_string(n) + extension;
    if (!FileExists(candidate)) return candidate;
  }
}

std::string SaveProject(const PageBitmap& page, const std::string& prefix, const std::string& extension) {
  return SaveUnderFreeName([&](unsigned long long n) { return prefix + std::to_string(n) + extension; },
                           [&](const std::string& temp) { page.SaveToFile(temp); });
}

}  // namespace pintoola
