#pragma once
// Paths and folders: everything the program stores lives beside its executable.
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

// The platform's description of an errno value.
std::string SystemErrorText(int error);

}  // namespace pintoola
