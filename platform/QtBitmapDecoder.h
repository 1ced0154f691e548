#pragma once
// JPEG or PNG data inside a BMP file, decoded with Qt's image readers for the page engine.
#include "engine/PageBitmap.h"

namespace pintoola {

class QtCompressedBitmapDecoder : public CompressedBitmapDecoder {
 public:
  // Qt reports no platform error codes: a failure always leaves errorCode at 0.
  std::shared_ptr<BitmapImage> Decode(const std::vector<uint8_t>& file, int& errorCode,
                                      std::string& errorText) override;
};

}  // namespace pintoola
