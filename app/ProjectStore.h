#pragma once
// The projects library on disk: numbered files that are never overwritten.
#include <string>

#include "engine/PageBitmap.h"

namespace pintoola {

// The first name of the series prefix + n + extension (n = 1, 2, …) that is not an existing file;
// gaps are reused. Without numbering, prefix + extension when that is free.
std::string NextFreeFileName(const std::string& prefix, const std::string& extension, bool numbered);

// Writes the page as the next free numbered file and returns its path. The file is written under a
// temporary name and linked into place only while the name is still free, so a project that
// appears meanwhile (another copy of the program) is never overwritten: the next number is taken.
// Throws "Cannot create file "%s". %s" naming the chosen file.
std::string SaveProject(const PageBitmap& page, const std::string& prefix, const std::string& extension);

}  // namespace pintoola
