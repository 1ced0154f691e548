#pragma once
// The stack of page snapshots the "Undo last change" button walks back through.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/PageBitmap.h"

namespace pintoola {

// Snapshots oldest first. A snapshot shares the page's pixels (no copy at push time); when the page
// is next drawn on, the snapshot keeps the old bytes of what the drawing touches and nothing more
// (ImageStore.h), so a snapshot never changes. Snapshots are owned here until undone; their drawing
// state is never touched, so it stays the initial one.
class TPictureArray {
 public:
  // Appends a snapshot of `page` (an empty page gives an empty snapshot).
  void PushUndo(const PageBitmap& page);

  // Removes the newest snapshot and hands it over as the page's new picture object: equal in pixels
  // and size to the snapshot, with a fresh PageCanvas and no change handler. The caller installs it
  // in place of the page (setting its handler) and repaints. nullptr when the history is empty.
  //   if (auto restored = UndoHistory.UndoLast()) image2->SetPicture(std::move(restored));
  std::unique_ptr<PageBitmap> UndoLast();

  size_t Count() const { return snapshots_.size(); }
  bool Empty() const { return snapshots_.empty(); }
  const PageBitmap& Snapshot(size_t index) const { return *snapshots_.at(index); }

 private:
  std::vector<std::unique_ptr<PageBitmap>> snapshots_;
};

}  // namespace pintoola
