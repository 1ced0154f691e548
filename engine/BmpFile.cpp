#include "core/Errors.h"
#include "engine/PageBitmap.h"

namespace pintoola {

void PageBitmap::LoadFromFile(const std::string& path) {
  throw EPintoolaError("Cannot open file \"" + path + "\". Not implemented");
}

void PageBitmap::SaveToFile(const std::string& path) const {
  throw EPintoolaError("Cannot create file \"" + path + "\". Not implemented");
}

}  // namespace pintoola
