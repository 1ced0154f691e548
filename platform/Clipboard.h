#pragma once
#include "engine/PageBitmap.h"

namespace pintoola {

// Replaces the clipboard's content with a copy of the page as an image. Throws
// "Cannot open clipboard: %s" when the clipboard cannot be had.
void CopyPageToClipboard(const PageBitmap& page);

}  // namespace pintoola
