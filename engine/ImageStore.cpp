#include "engine/ImageStore.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace pintoola {

namespace {

constexpr size_t kTileRows = 32;
constexpr size_t kTileBytes = 96;  // 32 pixels at 24 bits
constexpr size_t kSlotBytes = kTileRows * kTileBytes;

// Which bytes of an image's buffer each tile covers. Tiles are numbered row by row in storage
// order; those on the right and bottom edges are cut to the buffer.
class TileGrid {
 public:
  explicit TileGrid(const BitmapImage& img)
      : stride_(static_cast<size_t>(img.stride)),
        height_(static_cast<size_t>(img.height)),
        cols_((stride_ + kTileBytes - 1) / kTileBytes),
        rows_((height_ + kTileRows - 1) / kTileRows) {}

  size_t Count() const { return cols_ * rows_; }
  size_t Tile(size_t storageRow, size_t byte) const { return storageRow / kTileRows * cols_ + byte / kTileBytes; }
  size_t Cols() const { return cols_; }

  void ToSlot(size_t tile, const uint8_t* buffer, uint8_t* slot) const {
    ForRows(tile, [&](size_t offset, size_t n) {
      std::memcpy(slot, buffer + offset, n);
      slot += kTileBytes;
    });
  }
  void FromSlot(size_t tile, const uint8_t* slot, uint8_t* buffer) const {
    ForRows(tile, [&](size_t offset, size_t n) {
      std::memcpy(buffer + offset, slot, n);
      slot += kTileBytes;
    });
  }

 private:
  template <typename F>
  void ForRows(size_t tile, F&& f) const {
    const size_t x0 = tile % cols_ * kTileBytes, y0 = tile / cols_ * kTileRows;
    const size_t n = std::min(kTileBytes, stride_ - x0), y1 = std::min(height_, y0 + kTileRows);
    for (size_t y = y0; y < y1; ++y) f(y * stride_ + x0, n);
  }

  size_t stride_, height_, cols_, rows_;
};

}  // namespace

// Before-images of tiles, each saved at most once. The slots sit in chunks of kChunkSlots; only
// the last chunk may be smaller, so that a small journal costs little and growth copies little.
class TileJournal {
 public:
  void Start(size_t tileCount) { has_.assign((tileCount + 63) / 64, 0); }
  bool Has(size_t tile) const { return (has_[tile >> 6] >> (tile & 63)) & 1u; }

  // Room for `more` further tiles, so that as many SaveReserved calls cannot fail.
  void Reserve(size_t more) {
    const size_t need = tiles_.size() + more;
    if (need > tiles_.capacity()) tiles_.reserve(std::max(need, 2 * tiles_.capacity()));
    while (capacity_ < need) {
      if (!chunks_.empty() && chunks_.back().slots < kChunkSlots) {
        Chunk& last = chunks_.back();
        const size_t base = (chunks_.size() - 1) * kChunkSlots;
        const size_t used = tiles_.size() > base ? tiles_.size() - base : 0;
        Chunk bigger(std::min(kChunkSlots, std::max(need - base, 2 * last.slots)));
        std::memcpy(bigger.bytes.get(), last.bytes.get(), used * kSlotBytes);
        capacity_ += bigger.slots - last.slots;
        last = std::move(bigger);
      } else {
        Chunk fresh(std::min(kChunkSlots, std::max<size_t>(need - capacity_, 4)));
        chunks_.push_back(std::move(fresh));
        capacity_ += chunks_.back().slots;
      }
    }
  }
  void SaveReserved(size_t tile, const uint8_t* slotBytes) {
    std::memcpy(Slot(tiles_.size()), slotBytes, kSlotBytes);
    Mark(tile);
  }
  void SaveReserved(size_t tile, const TileGrid& grid, const uint8_t* buffer) {
    grid.ToSlot(tile, buffer, Slot(tiles_.size()));
    Mark(tile);
  }

  void RestoreInto(const TileGrid& grid, uint8_t* buffer) const {
    for (size_t i = 0; i < tiles_.size(); ++i) grid.FromSlot(tiles_[i], Slot(i), buffer);
  }

  // Takes over the tiles of the next newer version's journal that this one lacks: such a tile did
  // not change between the two versions, so its bytes there are this version's too. A failure
  // part-way leaves only right tiles taken.
  void Absorb(const TileJournal& newer) {
    for (size_t i = 0; i < newer.tiles_.size(); ++i) {
      if (Has(newer.tiles_[i])) continue;
      Reserve(1);
      SaveReserved(newer.tiles_[i], newer.Slot(i));
    }
  }

  // Gives back the room reserved beyond the saved tiles; called once the journal is complete.
  void Trim() noexcept {
    const size_t keep = (tiles_.size() + kChunkSlots - 1) / kChunkSlots;
    while (chunks_.size() > keep) {
      capacity_ -= chunks_.back().slots;
      chunks_.pop_back();
    }
    try {
      if (keep > 0) {
        Chunk& last = chunks_.back();
        const size_t used = tiles_.size() - (keep - 1) * kChunkSlots;
        if (used < last.slots) {
          Chunk exact(used);
          std::memcpy(exact.bytes.get(), last.bytes.get(), used * kSlotBytes);
          capacity_ -= last.slots - used;
          last = std::move(exact);
        }
      }
      tiles_.shrink_to_fit();
    } catch (const std::bad_alloc&) {  // keeps the larger room
    }
  }

  void Clear() noexcept {
    std::vector<Chunk>().swap(chunks_);
    capacity_ = 0;
    std::vector<uint32_t>().swap(tiles_);
    std::vector<uint64_t>().swap(has_);
  }

  size_t Bytes() const {
    return capacity_ * kSlotBytes + tiles_.capacity() * sizeof(uint32_t) + has_.capacity() * sizeof(uint64_t);
  }

 private:
  static constexpr size_t kChunkSlots = 32;
  struct Chunk {
    explicit Chunk(size_t n) : bytes(std::make_unique_for_overwrite<uint8_t[]>(n * kSlotBytes)), slots(n) {}
    std::unique_ptr<uint8_t[]> bytes;
    size_t slots;
  };

  uint8_t* Slot(size_t i) const { return chunks_[i / kChunkSlots].bytes.get() + i % kChunkSlots * kSlotBytes; }
  void Mark(size_t tile) {
    tiles_.push_back(static_cast<uint32_t>(tile));  // within the reserved capacity
    has_[tile >> 6] |= uint64_t{1} << (tile & 63);
  }

  std::vector<uint64_t> has_;    // a bit per tile of the image
  std::vector<uint32_t> tiles_;  // saved tiles, in the order of their slots
  std::vector<Chunk> chunks_;
  size_t capacity_ = 0;  // slots in all chunks
};

struct ImageVersion {
  long holders = 0;
  // This version's counts once it is no longer the head (the head's are in the image itself).
  uint32_t colorsUsed = 0, colorsImportant = 0;
  // Tiles written since this version, as they were in it. Empty for the head.
  TileJournal before;
  // This version's whole pixels, made when it is read while it is not the head.
  std::shared_ptr<BitmapImage> rebuilt;
};

class ImageStore {
 public:
  explicit ImageStore(std::shared_ptr<BitmapImage> image) : live_(std::move(image)), grid_(*live_) {
    versions_.push_back(std::make_unique<ImageVersion>());
  }

  ImageVersion* Head() const { return versions_.back().get(); }
  const BitmapImage& Live() const { return *live_; }
  BitmapImage& Live() { return *live_; }

  void Hold(ImageVersion* v) {
    ++v->holders;
    ++holders_;
  }

  const BitmapImage& Read(ImageVersion* v) {
    if (v == Head()) return *live_;
    if (!v->rebuilt) {
      auto copy = live_->Clone();
      // Newest journal first: each takes the pixels one version further back.
      for (size_t j = versions_.size() - 1; j-- > IndexOf(v);)
        versions_[j]->before.RestoreInto(grid_, copy->pixels.data());
      copy->colorsUsed = v->colorsUsed;
      copy->colorsImportant = v->colorsImportant;
      v->rebuilt = std::move(copy);
    }
    return *v->rebuilt;
  }

  // The head `v` is shared: it becomes an older version and its writer moves on to a new head.
  ImageVersion* Seal(ImageVersion* v) {
    auto fresh = std::make_unique<ImageVersion>();
    v->before.Start(grid_.Count());
    versions_.reserve(versions_.size() + 1);
    if (versions_.size() >= 2) versions_[versions_.size() - 2]->before.Trim();  // complete now
    v->colorsUsed = live_->colorsUsed;
    v->colorsImportant = live_->colorsImportant;
    --v->holders;
    fresh->holders = 1;
    versions_.push_back(std::move(fresh));
    return Head();
  }

  void WillChange(int top, int bottom, size_t firstByte, size_t endByte) {
    if (versions_.size() < 2) return;  // no older version needs these bytes
    top = std::max(top, 0);
    bottom = std::min(bottom, live_->height);
    endByte = std::min(endByte, static_cast<size_t>(live_->stride));
    if (top >= bottom || firstByte >= endByte) return;
    const int r0 = live_->StorageRow(top), r1 = live_->StorageRow(bottom - 1);
    const int lo = std::min(r0, r1), hi = std::max(r0, r1);
    TileJournal& journal = versions_[versions_.size() - 2]->before;
    const size_t first = grid_.Tile(static_cast<size_t>(lo), firstByte);
    const size_t last = grid_.Tile(static_cast<size_t>(hi), endByte - 1);
    const size_t cols = last % grid_.Cols() - first % grid_.Cols() + 1;
    // Reserve for every missing tile first: then either all are saved or none.
    size_t missing = 0;
    for (size_t row = first; row <= last; row += grid_.Cols())
      for (size_t t = row; t < row + cols; ++t) missing += !journal.Has(t);
    if (missing == 0) return;
    journal.Reserve(missing);
    for (size_t row = first; row <= last; row += grid_.Cols())
      for (size_t t = row; t < row + cols; ++t)
        if (!journal.Has(t)) journal.SaveReserved(t, grid_, live_->pixels.data());
  }

  void Release(ImageVersion* v) noexcept {
    --holders_;
    if (--v->holders > 0) return;
    v->rebuilt.reset();
    if (holders_ == 0) return;  // the store goes with its last reference
    if (v == Head()) {
      // Back, tile by tile, to the newest version still held.
      while (versions_.size() > 1 && Head()->holders == 0) {
        ImageVersion& older = *versions_[versions_.size() - 2];
        older.before.RestoreInto(grid_, live_->pixels.data());
        older.before.Clear();
        older.rebuilt.reset();
        live_->colorsUsed = older.colorsUsed;
        live_->colorsImportant = older.colorsImportant;
        versions_.pop_back();
      }
      return;
    }
    const size_t i = IndexOf(v);
    if (i > 0) {
      try {
        versions_[i - 1]->before.Absorb(v->before);
      } catch (const std::bad_alloc&) {
        return;  // kept unheld: reading and rolling back still pass through it
      }
    }
    versions_.erase(versions_.begin() + static_cast<std::ptrdiff_t>(i));
  }

  size_t KeptBytes() const {
    size_t n = 0;
    for (const auto& v : versions_) n += v->before.Bytes() + (v->rebuilt ? v->rebuilt->pixels.size() : 0);
    return n;
  }

 private:
  size_t IndexOf(const ImageVersion* v) const {
    size_t i = versions_.size();
    while (i-- > 0 && versions_[i].get() != v) {
    }
    return i;
  }

  std::shared_ptr<BitmapImage> live_;  // the head's pixels
  TileGrid grid_;
  std::vector<std::unique_ptr<ImageVersion>> versions_;  // oldest first; the last is the head
  long holders_ = 0;                                      // over all versions
};

ImageRef::ImageRef(std::shared_ptr<BitmapImage> image) {
  if (!image) return;
  store_ = std::make_shared<ImageStore>(std::move(image));
  version_ = store_->Head();
  store_->Hold(version_);
}

ImageRef::ImageRef(const ImageRef& other) : store_(other.store_), version_(other.version_) {
  if (version_) store_->Hold(version_);
}

ImageRef& ImageRef::operator=(const ImageRef& other) {
  if (this != &other) *this = ImageRef(other);
  return *this;
}

ImageRef::ImageRef(ImageRef&& other) noexcept
    : store_(std::move(other.store_)), version_(std::exchange(other.version_, nullptr)) {}

ImageRef& ImageRef::operator=(ImageRef&& other) noexcept {
  if (this != &other) {
    Release();
    store_ = std::move(other.store_);
    version_ = std::exchange(other.version_, nullptr);
  }
  return *this;
}

ImageRef::~ImageRef() { Release(); }

void ImageRef::Release() noexcept {
  if (version_) store_->Release(std::exchange(version_, nullptr));
  store_.reset();
}

const BitmapImage& ImageRef::Shape() const { return store_->Live(); }

const BitmapImage& ImageRef::Read() const { return store_->Read(version_); }

BitmapImage& ImageRef::Write() {
  if (version_ != store_->Head()) {
    // An older version drawn on: it leaves the image's history with a copy of its own.
    *this = ImageRef(store_->Read(version_).Clone());
  } else if (version_->holders > 1) {
    version_ = store_->Seal(version_);
  }
  return store_->Live();
}

void ImageRef::WillChange(int top, int bottom, size_t firstByte, size_t endByte) {
  store_->WillChange(top, bottom, firstByte, endByte);
}

long ImageRef::Holders() const { return version_ ? version_->holders : 0; }

size_t ImageRef::KeptBytes() const { return store_ ? store_->KeptBytes() : 0; }

}  // namespace pintoola
