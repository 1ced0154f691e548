#pragma once
// Resident memory of a process, from the kernel's own accounting.
#include <fstream>
#include <string>

namespace pintoola {

// A size field ("VmRSS:", "VmHWM:") of /proc/<pid>/status in bytes; `pid` "self" for this process.
// 0 when unreadable.
inline double StatusBytes(const std::string& field, const std::string& pid = "self") {
  std::ifstream status("/proc/" + pid + "/status");
  std::string key;
  while (status >> key) {
    if (key == field) {
      double kb = 0;
      status >> kb;
      return kb * 1024.0;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}

inline double ResidentBytes(const std::string& pid = "self") { return StatusBytes("VmRSS:", pid); }
inline double PeakResidentBytes(const std::string& pid = "self") { return StatusBytes("VmHWM:", pid); }

}  // namespace pintoola
