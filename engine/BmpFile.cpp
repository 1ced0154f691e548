// Reading and writing BMP files for the page. Every reading failure is raised before the page is
// touched: the new image is built completely and only then swapped in.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/Errors.h"
#include "engine/BmpRle.h"
#include "engine/PageBitmap.h"

namespace pintoola {

namespace {

// Pixel storage beyond this is refused before anything is allocated.
constexpr uint64_t kMaxStorage = uint64_t{1} << 30;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kCoreHeaderSize = 12;

[[noreturn]] void NotValid() { throw EPintoolaError("Bitmap image is not valid"); }
[[noreturn]] void StreamReadError() { throw EPintoolaError("Stream read error"); }
[[noreturn]] void StreamWriteError() { throw EPintoolaError("Stream write error"); }

std::string FullPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.string();
}

[[noreturn]] void CannotOpen(const std::string& path, int err) {
  throw EPintoolaError("Cannot open file \"" + FullPath(path) + "\". " + std::strerror(err));
}
[[noreturn]] void CannotCreate(const std::string& path, int err) {
  throw EPintoolaError("Cannot create file \"" + FullPath(path) + "\". " + std::strerror(err));
}

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The 14-byte file header: signature, file size, reserved, pixel offset after `area` header bytes.
void PutFileHeader(std::vector<uint8_t>& out, size_t area, size_t pixelBytes) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(kFileHeaderSize + area + pixelBytes));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(kFileHeaderSize + area));
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a delayed write error shows up here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads up to n bytes at offset; fewer only at the end of the file. Inlined so that the hardened
// build checks each read into a caller's fixed-size buffer against that buffer's size.
[[gnu::always_inline]] inline size_t ReadAt(int fd, uint64_t offset, void* dst, size_t n) {
  size_t done = 0;
  auto* out = static_cast<uint8_t*>(dst);
  while (done < n) {
    const ssize_t r = ::pread(fd, out + done, n - done, static_cast<off_t>(offset + done));
    if (r < 0) {
      if (errno == EINTR) continue;
      StreamReadError();
    }
    if (r == 0) break;
    done += static_cast<size_t>(r);
  }
  return done;
}

bool IsDepth(unsigned depth) {
  return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

// Bytes of `height` rows of the given depth, or 0 when that would exceed the storage limit.
uint64_t StorageSize(int64_t width, int64_t height, unsigned depth) {
  const uint64_t stride = static_cast<uint64_t>((width * depth + 31) / 32 * 4);
  if (stride == 0 || stride > kMaxStorage) return 0;
  if (static_cast<uint64_t>(height) > kMaxStorage / stride) return 0;
  return stride * static_cast<uint64_t>(height);
}

struct Loaded {
  std::shared_ptr<BitmapImage> image;
  std::shared_ptr<const std::vector<uint8_t>> fileBytes;
};

Loaded ReadBmp(int fd, uint64_t fileSize) {
  uint8_t fileHeader[kFileHeaderSize + 4];
  if (ReadAt(fd, 0, fileHeader, kFileHeaderSize) < kFileHeaderSize) StreamReadError();
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') NotValid();
  // From here a file that ends inside its info header is not a bitmap at all.
  if (ReadAt(fd, kFileHeaderSize, fileHeader + kFileHeaderSize, 4) < 4) NotValid();
  const uint32_t headerSize = U32(fileHeader + kFileHeaderSize);
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) NotValid();
  if (kFileHeaderSize + uint64_t{headerSize} > fileSize) NotValid();

  // The fields of the 40-byte layout, plus the masks a longer header carries at 40..51.
  uint8_t h[52] = {};
  const size_t wanted = std::min<size_t>(headerSize, sizeof h);
  if (ReadAt(fd, kFileHeaderSize, h, wanted) < wanted) NotValid();

  const bool core = headerSize == kCoreHeaderSize;
  int64_t width, height;
  unsigned planes, depth;
  uint32_t compression = 0, imageSize = 0, colorsUsed = 0, colorsImportant = 0;
  int32_t xPels = 0, yPels = 0;
  if (core) {
    width = U16(h + 4);
    height = U16(h + 6);
    planes = U16(h + 8);
    depth = U16(h + 10);
  } else {
    width = static_cast<int32_t>(U32(h + 4));
    height = static_cast<int32_t>(U32(h + 8));
    planes = U16(h + 12);
    depth = U16(h + 14);
    compression = U32(h + 16);
    imageSize = U32(h + 20);
    xPels = static_cast<int32_t>(U32(h + 24));
    yPels = static_cast<int32_t>(U32(h + 28));
    colorsUsed = U32(h + 32);
    colorsImportant = U32(h + 36);
  }
  uint64_t pos = kFileHeaderSize + headerSize;

  if (planes != 1) NotValid();
  // JPEG and PNG data leave the depth to the embedded stream, so 0 is allowed there.
  const bool embedded = compression == 4 || compression == 5;
  if (!IsDepth(depth) && !(embedded && depth == 0)) NotValid();
  switch (compression) {
    case 0:
      break;
    case 1:
      if (depth != 8) NotValid();
      break;
    case 2:
      if (depth != 4) NotValid();
      break;
    case 3:
      if (depth != 16 && depth != 32) NotValid();
      break;
    case 4:
    case 5:
      break;
    default:
      NotValid();
  }
  const bool raw = compression == 0 || compression == 3;
  if (width <= 0 || height == 0) NotValid();
  const bool topDown = height < 0;
  const int64_t rows = topDown ? -height : height;
  // Decoded pictures are held at 24 bits whatever the file's depth.
  const uint64_t storage = StorageSize(width, rows, raw ? depth : 24);
  if (storage == 0) NotValid();
  // The first change turns any page into 24 bits, so the limit holds for that form too: a tiny
  // 1-bit file must not promise a picture that costs 24 times the limit once drawn on.
  if (StorageSize(width, rows, 24) == 0) NotValid();
  // A compressed picture keeps its whole file; refuse files too big to hold.
  if (!raw && fileSize > kMaxStorage) NotValid();

  uint32_t masks[3] = {0, 0, 0};
  if (compression == 3) {
    if (headerSize == kInfoHeaderSize) {
      uint8_t m[12];
      if (ReadAt(fd, pos, m, sizeof m) < sizeof m) StreamReadError();
      pos += sizeof m;
      for (int i = 0; i < 3; ++i) masks[i] = U32(m + 4 * i);
    } else if (headerSize >= sizeof h) {
      for (int i = 0; i < 3; ++i) masks[i] = U32(h + 40 + 4 * i);
    }
  }

  if (colorsUsed == 0 && depth <= 8 && depth > 0) colorsUsed = 1u << depth;
  if (colorsUsed > 256) NotValid();
  std::vector<RGBQuad> table(colorsUsed);
  if (colorsUsed > 0) {
    const size_t entry = core ? 3 : 4;
    uint8_t raw_table[256 * 4];
    const size_t bytes = entry * colorsUsed;
    if (ReadAt(fd, pos, raw_table, bytes) < bytes) StreamReadError();
    pos += bytes;
    for (size_t i = 0; i < colorsUsed; ++i) {
      const uint8_t* e = raw_table + i * entry;
      table[i] = {e[0], e[1], e[2], core ? uint8_t{0} : e[3]};
    }
  }

  const uint64_t left = fileSize > pos ? fileSize - pos : 0;
  uint64_t dataSize = (imageSize == 0 || compression == 0) ? storage : imageSize;
  // A run-length stream can be longer than the rows it encodes; without a size it runs to the end.
  if (!raw && imageSize == 0) dataSize = left;
  dataSize = std::min(dataSize, left);

  auto img = std::make_shared<BitmapImage>();
  img->width = static_cast<int>(width);
  img->height = static_cast<int>(rows);
  img->topDown = topDown;
  img->xPelsPerMeter = xPels;
  img->yPelsPerMeter = yPels;
  img->colorsUsed = colorsUsed;
  img->colorsImportant = colorsImportant;
  img->fromCoreHeader = core;

  Loaded result;
  if (raw) {
    img->depth = static_cast<int>(depth);
    img->compression = compression;
    img->redMask = masks[0];
    img->greenMask = masks[1];
    img->blueMask = masks[2];
    img->hasPalette = depth > 8 && !table.empty();
    img->colorTable = std::move(table);
    img->stride = BitmapImage::StrideFor(img->width, img->depth);
    // Zeroed storage is free for large (kernel-mapped) buffers; clearing the unread tail by hand
    // would touch every page a short file promises.
    img->pixels = PixelBuffer(static_cast<size_t>(storage), true);
    ReadAt(fd, pos, img->pixels.data(), static_cast<size_t>(std::min(dataSize, storage)));
    result.image = std::move(img);
    return result;
  }

  auto bytes = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(fileSize));
  bytes->resize(ReadAt(fd, 0, bytes->data(), bytes->size()));
  if (compression == 1 || compression == 2) {
    img->depth = 24;
    img->stride = BitmapImage::StrideFor(img->width, 24);
    img->pixels = PixelBuffer(static_cast<size_t>(storage), true);
    const size_t start = static_cast<size_t>(std::min<uint64_t>(pos, bytes->size()));
    const size_t length = static_cast<size_t>(std::min<uint64_t>(dataSize, bytes->size() - start));
    DecodeRle(bytes->data() + start, length, static_cast<int>(compression), table, *img);
  } else {
    CompressedBitmapDecoder* decoder = PageBitmap::CompressedDecoder();
    if (!decoder) NotValid();
    int code = 0;
    std::string text;
    std::shared_ptr<BitmapImage> decoded = decoder->Decode(*bytes, code, text);
    if (!decoded) {
      if (code != 0) throw EPintoolaError("System Error.  Code: " + std::to_string(code) + ".\n" + text);
      NotValid();
    }
    // The port is outside the engine; accept only what the rest of the engine can rely on.
    if (decoded->depth != 24 || decoded->width <= 0 || decoded->height <= 0 ||
        decoded->stride != BitmapImage::StrideFor(decoded->width, 24) ||
        decoded->pixels.size() < static_cast<size_t>(decoded->stride) * static_cast<size_t>(decoded->height))
      NotValid();
    decoded->compression = 0;
    decoded->xPelsPerMeter = xPels;
    decoded->yPelsPerMeter = yPels;
    decoded->colorsUsed = colorsUsed;
    decoded->colorsImportant = colorsImportant;
    decoded->fromCoreHeader = false;
    img = std::move(decoded);
  }
  result.image = std::move(img);
  result.fileBytes = std::move(bytes);
  return result;
}

// Header, colour table and masks of a picture as it is written; the pixel rows follow unchanged.
std::vector<uint8_t> BuildHeaders(const BitmapImage& img, size_t pixelBytes) {
  std::vector<uint8_t> out;
  // A core header holds 16-bit sizes and bottom-up rows only; anything else gets the long form.
  if (img.fromCoreHeader && img.width <= 0xFFFF && img.height <= 0xFFFF && !img.topDown) {
    const size_t entries = img.depth <= 8 ? size_t{1} << img.depth : 0;
    const size_t area = kCoreHeaderSize + 3 * entries;
    out.reserve(kFileHeaderSize + area);
    PutFileHeader(out, area, pixelBytes);
    Put32(out, kCoreHeaderSize);
    Put16(out, static_cast<uint32_t>(img.width));
    Put16(out, static_cast<uint32_t>(img.height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(img.depth));
    for (size_t i = 0; i < entries; ++i) {
      const RGBQuad q = i < img.colorTable.size() ? img.colorTable[i] : RGBQuad{};
      out.push_back(q.blue);
      out.push_back(q.green);
      out.push_back(q.red);
    }
    return out;
  }

  size_t entries = 0;
  if (img.depth <= 8 || img.hasPalette) {
    entries = std::min<size_t>(img.colorTable.size(), 256);
    if (img.depth <= 8 && img.colorsUsed != 0) entries = std::min<size_t>(entries, img.colorsUsed);
  }
  const bool fields = img.compression == 3 && (img.depth == 16 || img.depth == 32);
  uint32_t red = img.redMask, green = img.greenMask, blue = img.blueMask;
  // Defaults stand in only for masks that are all missing: a file with some masks set keeps them,
  // so its colours read back as they were.
  if (fields && (red | green | blue) == 0) {
    if (img.depth == 16) {
      red = 0xF800, green = 0x07E0, blue = 0x001F;
    } else {
      red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
    }
  }
  const size_t area = kInfoHeaderSize + (fields ? 12 : 0) + 4 * entries;
  out.reserve(kFileHeaderSize + area);
  PutFileHeader(out, area, pixelBytes);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(img.width));
  Put32(out, static_cast<uint32_t>(img.topDown ? -img.height : img.height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(img.depth));
  Put32(out, fields ? 3 : 0);
  Put32(out, static_cast<uint32_t>(pixelBytes));
  Put32(out, static_cast<uint32_t>(img.xPelsPerMeter));
  Put32(out, static_cast<uint32_t>(img.yPelsPerMeter));
  Put32(out, entries > 0 ? static_cast<uint32_t>(entries) : img.colorsUsed);
  Put32(out, img.colorsImportant);
  if (fields) {
    Put32(out, red);
    Put32(out, green);
    Put32(out, blue);
  }
  for (size_t i = 0; i < entries; ++i) {
    const RGBQuad& q = img.colorTable[i];
    out.push_back(q.blue);
    out.push_back(q.green);
    out.push_back(q.red);
    out.push_back(0);
  }
  return out;
}

bool WriteAll(int fd, const uint8_t* head, size_t headSize, const uint8_t* body, size_t bodySize) {
  iovec iov[2] = {{const_cast<uint8_t*>(head), headSize}, {const_cast<uint8_t*>(body), bodySize}};
  int first = headSize ? 0 : 1;
  int count = bodySize ? 2 - first : (headSize ? 1 : 0);
  while (count > 0) {
    const ssize_t w = ::writev(fd, iov + first, count);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    size_t n = static_cast<size_t>(w);
    while (count > 0 && n >= iov[first].iov_len) {
      n -= iov[first].iov_len;
      ++first;
      --count;
    }
    if (count > 0) {
      iov[first].iov_base = static_cast<uint8_t*>(iov[first].iov_base) + n;
      iov[first].iov_len -= n;
    }
  }
  return true;
}

// Writes to a fresh file beside the target and renames it into place only when complete, so a
// failure never leaves a partial file and never disturbs the file that was there.
void WriteFileAtomically(const std::string& path, const uint8_t* head, size_t headSize, const uint8_t* body,
                         size_t bodySize) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) CannotCreate(path, EISDIR);
  if (path.empty()) CannotCreate(path, ENOENT);

  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  static unsigned counter = 0;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    std::string name(".");
    name.append(target.filename().string()).append(".").append(std::to_string(::getpid()));
    name.append(".").append(std::to_string(++counter)).append(".tmp");
    temp = (folder / name).string();
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) CannotCreate(path, errno);
  Fd file(fd);
  // A replaced file keeps its permissions.
  if (exists && S_ISREG(existing.st_mode)) (void)::fchmod(fd, existing.st_mode & 07777);

  const bool written = WriteAll(fd, head, headSize, body, bodySize);
  const bool closed = file.Close();
  if (!written || !closed) {
    ::unlink(temp.c_str());
    StreamWriteError();
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    CannotCreate(path, err);
  }
}

}  // namespace

void PageBitmap::LoadFromFile(const std::string& path) {
  Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) CannotOpen(path, errno);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) CannotOpen(path, errno);
  if (S_ISDIR(st.st_mode)) CannotOpen(path, EISDIR);

  Loaded loaded;
  if (st.st_size > 0) loaded = ReadBmp(file.get(), static_cast<uint64_t>(st.st_size));
  // A zero-byte file leaves both empty: the page becomes empty.
  image_ = ImageRef(std::move(loaded.image));
  fileBytes_ = std::move(loaded.fileBytes);
  Changed();
}

void PageBitmap::SaveToFile(const std::string& path) const {
  if (fileBytes_) {
    WriteFileAtomically(path, nullptr, 0, fileBytes_->data(), fileBytes_->size());
    return;
  }
  if (!image_) {
    WriteFileAtomically(path, nullptr, 0, nullptr, 0);
    return;
  }
  const BitmapImage& img = image_.Read();
  const size_t pixelBytes = static_cast<size_t>(img.stride) * static_cast<size_t>(img.height);
  if (img.pixels.size() < pixelBytes) StreamWriteError();
  const std::vector<uint8_t> head = BuildHeaders(img, pixelBytes);
  WriteFileAtomically(path, head.data(), head.size(), img.pixels.data(), pixelBytes);
}

}  // namespace pintoola
