#include "platform/FolderList.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace pintoola {

namespace {

// Backtracking over the last "*" keeps this linear in practice and never recursive.
bool Match(const QString& name, const QString& mask) {
  qsizetype n = 0, m = 0, starM = -1, starN = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == QLatin1Char('?') || mask[m] == name[n])) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == QLatin1Char('*')) {
      starM = m++;
      starN = n;
    } else if (starM >= 0) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == QLatin1Char('*')) ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesMask(const QString& name, const QString& mask) {
  return Match(name.toCaseFolded(), mask.toCaseFolded());
}

std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return names;
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  const QString foldedMask = QString::fromStdString(mask).toCaseFolded();
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name.empty() || name[0] == '.') continue;
    if (!Match(QString::fromStdString(name).toCaseFolded(), foldedMask)) continue;
    struct stat st {};
    if (stat((base + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    names.push_back(name);
  }
  return names;
}

}  // namespace pintoola
