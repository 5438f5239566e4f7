#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane::platform {

// A file the media service was named from outside (a music file, a cue sheet, the data files a
// cue sheet names), open for reading. Only a regular file is ever kept open, and opening never
// waits: a FIFO would otherwise block the open until a writer came, and a read from it until
// that writer wrote. Moves like a handle; closes the file at the end.
class ReadableFile {
 public:
  enum class Problem { kNone, kMissing, kNotRegular };

  ReadableFile() = default;
  explicit ReadableFile(const std::string& path);
  ~ReadableFile();
  ReadableFile(ReadableFile&& other) noexcept;
  ReadableFile& operator=(ReadableFile&& other) noexcept;
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  bool IsOpen() const { return descriptor_ >= 0; }
  // Why the file is not open: nothing at the path, or something other than a regular file.
  Problem Why() const { return problem_; }
  std::int64_t Size() const { return size_; }
  // Reads up to size bytes at offset, whatever the descriptor's own position; returns the count.
  std::size_t ReadAt(std::int64_t offset, void* buffer, std::size_t size) const;
  // The operating system's descriptor, for libraries that read by descriptor. It stays owned.
  int Descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
  Problem problem_ = Problem::kMissing;
  std::int64_t size_ = 0;
};

// True when path names a block device (a CD drive), looked at without opening it.
bool IsBlockDevice(const std::string& path);

}  // namespace corvane::platform
