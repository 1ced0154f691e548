#pragma once
// Paths and folders: everything the program stores lives beside its executable.
#include <functional>
#include <string>

namespace pintoola {

// The executable's folder with a trailing "/". Tests may point it elsewhere.
std::string ExeFolder();
void SetExeFolderForTesting(const std::string& folder);

// True when path exists and is a directory (symbolic links followed). A path whose attributes
// cannot be read for a reason other than "not found" or "invalid name" counts as existing, so no
// creation is attempted for it.
bool DirectoryExists(const std::string& path);

// Creates path with any missing parents; true when every level exists afterwards.
bool ForceDirectories(std::string path);

bool FileExists(const std::string& path);

// Writes a new file without ever replacing one: `write` fills a hidden temporary file in the folder
// of the names, which is then moved into the first of names(1), names(2), ... that is free at that
// moment (the file system checks and moves in one step), so a file that appears meanwhile, from
// another process, is never overwritten. Returns the name taken. Throws what `write` throws, with
// the temporary name replaced by the chosen one, or "Cannot create file "%s". %s".
std::string SaveUnderFreeName(const std::function<std::string(unsigned long long)>& names,
                              const std::function<void(const std::string& path)>& write);

// The platform's description of an errno value.
std::string SystemErrorText(int error);

}  // namespace pintoola
