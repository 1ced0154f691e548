#pragma once
// Listing a folder by wildcard mask, the way the picture libraries need it: only regular files
// directly in the folder, hidden names (starting with ".") left out.
#include <QString>
#include <string>
#include <vector>

namespace pintoola {

// "*" matches any run of characters, "?" exactly one; letters match without regard to case.
bool MatchesMask(const QString& name, const QString& mask);

// Names (not paths) of the entries of `folder` that match `mask`, in the order the file system
// returns them. Entries that are not regular files once links are followed (folders, sockets,
// fifos, devices, broken links) and hidden names are skipped; a missing folder gives no names.
std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& mask);

}  // namespace pintoola
