#include "engine/ImageStore.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace pintoola {

namespace {

constexpr size_t kTileRows = 32;
constexpr size_t kTileBytes = 96;  // 32 pixels at 24 bits
constexpr size_t kSlotBytes = kTileRows * kTileBytes;

// A whole tile row's byte count as a type, so that copies of it compile to a few vector moves.
using WholeRow = std::integral_constant<size_t, kTileBytes>;

// A tile row of three bytes repeated.
struct Pattern {
  explicit Pattern(const uint8_t (&three)[3]) {
    for (size_t i = 0; i < kTileBytes; ++i) bytes[i] = three[i % 3];
  }
  // The first n bytes of a row are the pattern's. For a whole row, twelve word compares.
  template <typename N>
  bool Matches(const uint8_t* row, N n) const {
    if constexpr (std::is_same_v<N, WholeRow>) {
      uint64_t a[kTileBytes / 8], b[kTileBytes / 8], diff = 0;
      std::memcpy(a, row, kTileBytes);
      std::memcpy(b, bytes, kTileBytes);
      for (size_t i = 0; i < kTileBytes / 8; ++i) diff |= a[i] ^ b[i];
      return diff == 0;
    } else {
      return std::memcmp(row, bytes, n) == 0;
    }
  }
  uint8_t bytes[kTileBytes];
};

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
    Rows(tile, buffer, [&](const uint8_t* bytes, auto n) {
      std::memcpy(slot, bytes, n);
      slot += kTileBytes;
    });
  }
  void FromSlot(size_t tile, const uint8_t* slot, uint8_t* buffer) const {
    Rows(tile, buffer, [&](uint8_t* bytes, auto n) {
      std::memcpy(bytes, slot, n);
      slot += kTileBytes;
    });
  }
  // Whether every row of the tile is its first three bytes over and over (one colour at 24 bits,
  // one index at 8), and which three.
  bool Uniform(size_t tile, const uint8_t* buffer, uint8_t (&three)[3]) const {
    if (Width(tile) < 3) return false;
    std::memcpy(three, buffer + Offset(tile), 3);
    const Pattern pattern(three);
    bool uniform = true;
    Rows(tile, buffer, [&](const uint8_t* bytes, auto n) { uniform = uniform && pattern.Matches(bytes, n); });
    return uniform;
  }
  // Every row of the tile made its three bytes over and over.
  void Fill(size_t tile, const uint8_t (&three)[3], uint8_t* buffer) const {
    const Pattern pattern(three);
    Rows(tile, buffer, [&](uint8_t* bytes, auto n) { std::memcpy(bytes, pattern.bytes, n); });
  }

 private:
  // Storage rows [first, end) of a tile, its first byte in the buffer and its bytes per row.
  size_t FirstRow(size_t tile) const { return tile / cols_ * kTileRows; }
  size_t EndRow(size_t tile) const { return std::min(height_, FirstRow(tile) + kTileRows); }
  size_t Offset(size_t tile) const { return FirstRow(tile) * stride_ + tile % cols_ * kTileBytes; }
  size_t Width(size_t tile) const { return std::min(kTileBytes, stride_ - tile % cols_ * kTileBytes); }

  // f(row bytes, count) for each of the tile's rows; the count is a WholeRow where it can be.
  template <typename Byte, typename F>
  void Rows(size_t tile, Byte* buffer, F&& f) const {
    Byte* bytes = buffer + Offset(tile);
    const size_t n = Width(tile);
    for (size_t y = FirstRow(tile); y < EndRow(tile); ++y, bytes += stride_) {
      if (n == kTileBytes)
        f(bytes, WholeRow());
      else
        f(bytes, n);
    }
  }

  size_t stride_, height_, cols_, rows_;
};

}  // namespace

// Before-images of tiles, each saved at most once. A tile of one colour keeps only that colour;
// the others keep their bytes in slots. Slots come in chunks that grow with the journal (big ones
// are kernel mappings with huge pages, which fault in far faster), filled in order.
class TileJournal {
 public:
  void Start(size_t tileCount) { has_.assign((tileCount + 63) / 64, 0); }
  bool Has(size_t tile) const { return (has_[tile >> 6] >> (tile & 63)) & 1u; }

  // Room for `more` slots, so that as many tiles can be saved without another allocation: one
  // chunk for a whole page's worth rather than many.
  void Reserve(size_t more) {
    if (raw_.capacity() - raw_.size() < more) raw_.reserve(std::max(raw_.size() + more, 2 * raw_.capacity()));
    if (!chunks_.empty() && chunks_.back().Slots() - chunks_.back().used >= more) return;
    const size_t slots = std::max(more, std::clamp<size_t>(raw_.size(), 4, kMaxGrowth));
    Chunk fresh{PixelBuffer(slots * kSlotBytes, false), 0};
    chunks_.push_back(std::move(fresh));
  }

  // Keeps the tile's bytes as they are in `buffer`. Throws std::bad_alloc with nothing kept.
  void Save(size_t tile, const TileGrid& grid, const uint8_t* buffer) {
    UniformTile u{static_cast<uint32_t>(tile), {}};
    if (grid.Uniform(tile, buffer, u.three)) {
      uniform_.push_back(u);
    } else {
      Reserve(1);
      grid.ToSlot(tile, buffer, NextSlot());
      Taken(tile);
    }
    Mark(tile);
  }

  void RestoreInto(const TileGrid& grid, uint8_t* buffer) const {
    ForSlots([&](uint32_t tile, const uint8_t* slot) { grid.FromSlot(tile, slot, buffer); });
    for (const UniformTile& u : uniform_) grid.Fill(u.tile, u.three, buffer);
  }

  // Takes over the tiles of the next newer version's journal that this one lacks: such a tile did
  // not change between the two versions, so its bytes there are this version's too. A failure
  // part-way leaves only right tiles taken.
  void Absorb(const TileJournal& newer) {
    newer.ForSlots([&](uint32_t tile, const uint8_t* slot) {
      if (Has(tile)) return;
      Reserve(1);
      std::memcpy(NextSlot(), slot, kSlotBytes);
      Taken(tile);
      Mark(tile);
    });
    for (const UniformTile& u : newer.uniform_) {
      if (Has(u.tile)) continue;
      uniform_.push_back(u);
      Mark(u.tile);
    }
  }

  // Gives back the room reserved beyond the saved tiles; called once the journal is complete.
  void Trim() noexcept {
    std::erase_if(chunks_, [](const Chunk& c) { return c.used == 0; });
    for (Chunk& c : chunks_) c.bytes.Shrink(c.used * kSlotBytes);
    try {
      raw_.shrink_to_fit();
      uniform_.shrink_to_fit();
    } catch (const std::bad_alloc&) {  // keeps the larger lists
    }
  }

  void Clear() noexcept {
    std::vector<Chunk>().swap(chunks_);
    std::vector<uint32_t>().swap(raw_);
    std::vector<UniformTile>().swap(uniform_);
    std::vector<uint64_t>().swap(has_);
  }

  // What the saved tiles take, with their lists; room reserved but not yet used (given back by
  // Trim) does not count.
  size_t Bytes() const {
    return raw_.size() * (kSlotBytes + sizeof(uint32_t)) + uniform_.size() * sizeof(UniformTile) +
           has_.size() * sizeof(uint64_t);
  }

 private:
  static constexpr size_t kMaxGrowth = (size_t{2} << 20) / kSlotBytes;  // a chunk grows to 2 MiB
  struct Chunk {
    PixelBuffer bytes;
    size_t used;
    size_t Slots() const { return bytes.size() / kSlotBytes; }
  };
  struct UniformTile {
    uint32_t tile;
    uint8_t three[3];
  };

  uint8_t* NextSlot() { return chunks_.back().bytes.data() + chunks_.back().used * kSlotBytes; }
  void Taken(size_t tile) {
    ++chunks_.back().used;
    raw_.push_back(static_cast<uint32_t>(tile));  // within the reserved capacity
  }
  void Mark(size_t tile) { has_[tile >> 6] |= uint64_t{1} << (tile & 63); }
  // f(tile, slot bytes) for every tile kept in a slot.
  template <typename F>
  void ForSlots(F&& f) const {
    size_t i = 0;
    for (const Chunk& c : chunks_)
      for (size_t j = 0; j < c.used; ++j) f(raw_[i++], c.bytes.data() + j * kSlotBytes);
  }

  std::vector<uint64_t> has_;         // a bit per tile of the image
  std::vector<uint32_t> raw_;         // tiles kept in slots, in slot order
  std::vector<UniformTile> uniform_;  // tiles of one colour
  std::vector<Chunk> chunks_;
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
  bool HasOlder() const { return versions_.size() > 1; }
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
    if (!HasOlder()) return;  // no older version needs these bytes
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
    auto missing = [&](auto&& f) {  // f(tile) for each tile of the range not kept yet
      for (size_t row = first; row <= last; row += grid_.Cols())
        for (size_t t = row; t < row + cols; ++t)
          if (!journal.Has(t)) f(t);
    };
    size_t count = 0;
    missing([&](size_t) { ++count; });
    if (count == 0) return;
    journal.Reserve(count);
    // A failure part-way leaves right before-images kept and no pixel changed.
    missing([&](size_t t) { journal.Save(t, grid_, live_->pixels.data()); });
  }

  void Release(ImageVersion* v) noexcept {
    --holders_;
    if (--v->holders > 0) return;
    v->rebuilt.reset();
    if (holders_ == 0) return;  // the store goes with its last reference
    if (v == Head()) {
      // Back, tile by tile, to the newest version still held.
      while (HasOlder() && Head()->holders == 0) {
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

bool ImageRef::KeepsOldPixels() const { return store_ && store_->HasOlder(); }

long ImageRef::Holders() const { return version_ ? version_->holders : 0; }

size_t ImageRef::KeptBytes() const { return store_ ? store_->KeptBytes() : 0; }

}  // namespace pintoola
