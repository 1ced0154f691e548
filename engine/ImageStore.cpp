#include "engine/ImageStore.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
  // A digest of the tile's bytes, for the write check.
  uint64_t Digest(size_t tile, const uint8_t* buffer) const {
    uint64_t h = 14695981039346656037u;
    Rows(tile, buffer, [&](const uint8_t* bytes, size_t n) {
      for (size_t i = 0; i < n; ++i) h = (h ^ bytes[i]) * 1099511628211u;
    });
    return h;
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

// Before-images of tiles, each saved at most once: the tiles in one array, in the order they were
// saved, and the bytes of those not of one colour in another (a tile of one colour keeps only the
// colour). While the journal takes tiles a bitmap says which it has; Trim drops it.
class TileJournal {
 public:
  bool Indexed() const { return !has_.empty(); }
  // Makes the bitmap if Trim dropped it. Throws std::bad_alloc.
  void Index(size_t tileCount) {
    if (Indexed()) return;
    has_.assign((tileCount + 63) / 64, 0);
    for (const Entry& e : entries_) Mark(e.tile);
  }
  bool Has(size_t tile) const { return (has_[tile >> 6] >> (tile & 63)) & 1u; }
  // Which tiles are kept, without the bitmap.
  std::vector<bool> Tiles(size_t tileCount) const {
    std::vector<bool> kept(tileCount);
    for (const Entry& e : entries_) kept[e.tile] = true;
    return kept;
  }

  // Room for `more` tiles not of one colour, so that saving them moves no slot already kept.
  void Reserve(size_t more) { slots_.Reserve(more); }

  // Keeps the tile's bytes as they are in `buffer`. Throws std::bad_alloc with nothing kept.
  void Save(size_t tile, const TileGrid& grid, const uint8_t* buffer) {
    Entry e{static_cast<uint32_t>(tile), {}, false};
    e.uniform = grid.Uniform(tile, buffer, e.three);
    if (!e.uniform) slots_.Reserve(1);
    entries_.push_back(e);
    if (!e.uniform) grid.ToSlot(tile, buffer, slots_.Append());
    Mark(tile);
  }

  void RestoreInto(const TileGrid& grid, uint8_t* buffer) const {
    ForEach([&](const Entry& e, const uint8_t* slot) {
      if (e.uniform)
        grid.Fill(e.tile, e.three, buffer);
      else
        grid.FromSlot(e.tile, slot, buffer);
    });
  }

  // Takes over the tiles of the next newer version's journal that this one lacks: such a tile did
  // not change between the two versions, so its bytes there are this version's too. Needs the
  // bitmap. A failure part-way leaves only right tiles taken, and taking over again goes on.
  void Absorb(const TileJournal& newer) {
    newer.ForEach([&](const Entry& e, const uint8_t* slot) {
      if (Has(e.tile)) return;
      if (!e.uniform) slots_.Reserve(1);
      entries_.push_back(e);
      if (!e.uniform) std::memcpy(slots_.Append(), slot, kSlotBytes);
      Mark(e.tile);
    });
  }

  // The journal is complete: gives back the room beyond its tiles and the bitmap.
  void Trim() noexcept {
    slots_.Shrink();
    std::vector<uint64_t>().swap(has_);
    try {
      entries_.shrink_to_fit();
    } catch (const std::bad_alloc&) {  // keeps the longer array
    }
  }

  void Clear() noexcept { *this = TileJournal(); }

  // What the kept tiles take, with their bookkeeping and the room reserved.
  size_t Bytes() const {
    return slots_.Capacity() * kSlotBytes + entries_.capacity() * sizeof(Entry) + has_.capacity() * sizeof(uint64_t);
  }

 private:
  struct Entry {
    uint32_t tile;
    uint8_t three[3];
    bool uniform;
  };
  // Tile-sized slots in one buffer, grown by doubling.
  class Slots {
   public:
    size_t Capacity() const { return capacity_; }
    // Room for `more` slots after the used ones. Throws std::bad_alloc with nothing changed.
    void Reserve(size_t more) {
      if (capacity_ - count_ >= more) return;
      Resize(std::max({count_ + more, 2 * capacity_, size_t{8}}));
    }
    uint8_t* Append() { return bytes_.get() + count_++ * kSlotBytes; }  // within the reserved room
    const uint8_t* At(size_t i) const { return bytes_.get() + i * kSlotBytes; }
    void Shrink() noexcept {
      if (count_ == capacity_) return;
      try {
        Resize(count_);
      } catch (const std::bad_alloc&) {  // keeps the room
      }
    }

   private:
    void Resize(size_t capacity) {
      std::unique_ptr<uint8_t[]> fresh;
      if (capacity > 0) {
        fresh = std::make_unique_for_overwrite<uint8_t[]>(capacity * kSlotBytes);
        if (count_ > 0) std::memcpy(fresh.get(), bytes_.get(), count_ * kSlotBytes);
      }
      bytes_ = std::move(fresh);
      capacity_ = capacity;
    }
    std::unique_ptr<uint8_t[]> bytes_;
    size_t count_ = 0, capacity_ = 0;
  };

  void Mark(size_t tile) { has_[tile >> 6] |= uint64_t{1} << (tile & 63); }
  // f(entry, its slot or nullptr) for every kept tile.
  template <typename F>
  void ForEach(F&& f) const {
    size_t slot = 0;
    for (const Entry& e : entries_) f(e, e.uniform ? nullptr : slots_.At(slot++));
  }

  std::vector<Entry> entries_;
  Slots slots_;
  std::vector<uint64_t> has_;  // a bit per tile of the image
};

struct ImageVersion {
  long holders = 0;
  // This version's counts once it is no longer the head (the head's are in the image itself).
  uint32_t colorsUsed = 0, colorsImportant = 0;
  // Tiles written since this version, as they were in it. Empty for the head.
  TileJournal before;
  // This version's whole pixels, made when it is read while it is not the head.
  std::shared_ptr<BitmapImage> rebuilt;
  // Builds with write checks: a digest of every tile as this version has it, made at its seal.
  std::vector<uint64_t> digests;
};

namespace {

#ifdef PINTOOLA_CHECK_WRITES
constexpr bool kCheckWrites = true;
#else
constexpr bool kCheckWrites = false;
#endif

}  // namespace

class ImageStore {
 public:
  explicit ImageStore(std::shared_ptr<BitmapImage> image) : live_(std::move(image)), grid_(*live_) {
    versions_.push_back(std::make_unique<ImageVersion>());
  }

  ImageVersion* Head() const { return versions_.back().get(); }
  bool HasOlder() const { return versions_.size() > 1; }
  const BitmapImage& Live() const { return *live_; }
  BitmapImage& Live() { return *live_; }

  const BitmapImage& Read(ImageVersion* v) {
    if (v == Head()) return *live_;
    if (!v->rebuilt) {
      auto copy = live_->Clone();
      // Newest journal first: each takes the pixels one version further back.
      const size_t oldest = IndexOf(v);
      for (size_t j = versions_.size() - 1; j-- > oldest;)
        versions_[j]->before.RestoreInto(grid_, copy->pixels.data());
      copy->colorsUsed = v->colorsUsed;
      copy->colorsImportant = v->colorsImportant;
      v->rebuilt = std::move(copy);
    }
    return *v->rebuilt;
  }

  // The head `v`, held by its writer alone from now on: a head shared with a snapshot becomes an
  // older version and the writer moves on to a new one. Throws std::bad_alloc with nothing changed.
  ImageVersion* Own(ImageVersion* v) {
    if (v->holders == 1) {
      v->rebuilt.reset();  // its pixels are about to change in place
      return v;
    }
    CheckAnnounced();
    auto fresh = std::make_unique<ImageVersion>();
    TileJournal journal;
    journal.Index(grid_.Count());
    std::vector<uint64_t> digests;
    if constexpr (kCheckWrites) digests = Digests();
    versions_.reserve(versions_.size() + 1);
    // Nothing fails from here on.
    if (versions_.size() >= 2) versions_[versions_.size() - 2]->before.Trim();  // complete now
    v->before = std::move(journal);
    v->digests = std::move(digests);
    v->colorsUsed = live_->colorsUsed;
    v->colorsImportant = live_->colorsImportant;
    --v->holders;
    fresh->holders = 1;
    versions_.push_back(std::move(fresh));
    MergeUnheld();
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
    journal.Index(grid_.Count());  // dropped by a Trim when a rollback or merge made it the newest
    const size_t first = grid_.Tile(static_cast<size_t>(lo), firstByte);
    const size_t last = grid_.Tile(static_cast<size_t>(hi), endByte - 1);
    const size_t cols = last % grid_.Cols() - first % grid_.Cols() + 1;
    auto missing = [&](auto&& f) {  // f(tile) for each tile of the range not kept yet
      for (size_t row = first; row <= last; row += grid_.Cols())
        for (size_t t = row; t < row + cols; ++t)
          if (!journal.Has(t)) f(t);
    };
    if (last - first >= grid_.Cols()) {
      // More than one row of tiles ("Fix image", the stamp): room for exactly the tiles not of one
      // colour first, rather than a journal doubling through a page's worth of copies.
      size_t slots = 0;
      uint8_t three[3];
      missing([&](size_t t) { slots += !grid_.Uniform(t, live_->pixels.data(), three); });
      journal.Reserve(slots);
    }
    // A failure part-way leaves right before-images kept and no pixel changed.
    missing([&](size_t t) { journal.Save(t, grid_, live_->pixels.data()); });
  }

  // `last`: no other reference to the store is left, so nothing needs putting back.
  void Release(ImageVersion* v, bool last) noexcept {
    if (--v->holders > 0) return;
    v->rebuilt.reset();
    if (last) return;
    if (v != Head()) {
      unheld_ = true;
    } else {
      CheckAnnounced();
      // Back, tile by tile, to the newest version still held.
      while (HasOlder() && Head()->holders == 0) {
        ImageVersion& older = *versions_[versions_.size() - 2];
        older.before.RestoreInto(grid_, live_->pixels.data());
        older.before.Clear();
        std::vector<uint64_t>().swap(older.digests);
        live_->colorsUsed = older.colorsUsed;
        live_->colorsImportant = older.colorsImportant;
        versions_.pop_back();
      }
    }
    MergeUnheld();
  }

  // Builds with write checks: every tile the drawing since the newest older version did not
  // announce must be as that version has it.
  void CheckAnnounced() const {
    if constexpr (kCheckWrites) {
      if (!HasOlder()) return;
      const ImageVersion& older = *versions_[versions_.size() - 2];
      std::vector<bool> kept;
      try {
        kept = older.before.Tiles(grid_.Count());
      } catch (const std::bad_alloc&) {
        return;  // unchecked this time
      }
      for (size_t t = 0; t < grid_.Count(); ++t)
        if (!kept[t] && grid_.Digest(t, live_->pixels.data()) != older.digests[t])
          WriteMisuse("a drawing changed pixels it did not announce");
    }
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

  std::vector<uint64_t> Digests() const {
    std::vector<uint64_t> d(grid_.Count());
    for (size_t t = 0; t < d.size(); ++t) d[t] = grid_.Digest(t, live_->pixels.data());
    return d;
  }

  // Versions below the head that nobody holds any more hand their tiles to the next older one and
  // go. One whose merge runs out of memory stays, still right for reading and rolling back through,
  // and is merged at the next chance.
  void MergeUnheld() noexcept {
    if (!unheld_) return;
    unheld_ = false;
    for (size_t i = versions_.size() - 1; i-- > 0;) {
      ImageVersion& v = *versions_[i];
      if (v.holders > 0) continue;
      if (i > 0) {
        TileJournal& older = versions_[i - 1]->before;
        const bool newest = i == versions_.size() - 2;  // the older one takes the drawing's tiles next
        try {
          older.Index(grid_.Count());
          older.Absorb(v.before);
        } catch (const std::bad_alloc&) {
          unheld_ = true;
          continue;
        }
        if (!newest) older.Trim();
      }
      versions_.erase(versions_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }

  std::shared_ptr<BitmapImage> live_;  // the head's pixels
  TileGrid grid_;
  std::vector<std::unique_ptr<ImageVersion>> versions_;  // oldest first; the last is the head
  bool unheld_ = false;  // a version below the head may be held by nobody
};

ImageRef::ImageRef(std::shared_ptr<BitmapImage> image) {
  if (!image) return;
  store_ = std::make_shared<ImageStore>(std::move(image));
  version_ = store_->Head();
  ++version_->holders;
}

ImageRef::ImageRef(const ImageRef& other) : store_(other.store_), version_(other.version_) {
  if (version_) ++version_->holders;
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
  if (version_) store_->Release(std::exchange(version_, nullptr), store_.use_count() == 1);
  store_.reset();
}

const BitmapImage& ImageRef::Shape() const { return store_->Live(); }

const BitmapImage& ImageRef::Read() const { return store_->Read(version_); }

BitmapImage& ImageRef::Write() {
  if (version_ != store_->Head()) {
    // An older version drawn on: it leaves the image's history with a copy of its own.
    *this = ImageRef(store_->Read(version_).Clone());
  }
  version_ = store_->Own(version_);
  return store_->Live();
}

BitmapImage& ImageRef::WillChange(int top, int bottom, size_t firstByte, size_t endByte) {
  BitmapImage& img = Write();
  store_->WillChange(top, bottom, firstByte, endByte);
  return img;
}

bool ImageRef::Journaling() const { return store_ && store_->HasOlder(); }

void ImageRef::CheckAnnounced() const {
  if (store_) store_->CheckAnnounced();
}

long ImageRef::Holders() const { return version_ ? version_->holders : 0; }

size_t ImageRef::KeptBytes() const { return store_ ? store_->KeptBytes() : 0; }

bool WriteChecksEnabled() { return kCheckWrites; }

void WriteMisuse(const char* what) {
  std::fprintf(stderr, "pintoola: %s\n", what);
  std::abort();
}

}  // namespace pintoola
