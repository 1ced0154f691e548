#include "engine/UndoHistory.h"

#include <algorithm>

namespace pintoola {

void TPictureArray::PushUndo(const PageBitmap& page) {
  // Grow first: a failed growth leaves the history as it was.
  if (snapshots_.size() == snapshots_.capacity()) snapshots_.reserve(std::max<size_t>(16, 2 * snapshots_.size()));
  auto snapshot = std::make_unique<PageBitmap>();
  snapshot->Assign(&page);
  snapshots_.push_back(std::move(snapshot));
}

std::unique_ptr<PageBitmap> TPictureArray::UndoLast() {
  if (snapshots_.empty()) return nullptr;
  // The snapshot object itself becomes the page: it already is a separate picture object sharing
  // the snapshot's pixels, with the initial drawing state, which is what a copy would be.
  std::unique_ptr<PageBitmap> restored = std::move(snapshots_.back());
  snapshots_.pop_back();
  return restored;
}

}  // namespace pintoola
