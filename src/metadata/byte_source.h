#pragma once
// Where the readers take their bytes from: an open file, a file read once into head and tail caches, or
// memory. Sharing one source between the readers of a file keeps a scan to one open and a few reads.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kavrel::metadata {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to out.size() bytes at offset and returns how many were read (fewer only at the end);
    // nullopt on an I/O error.
    virtual std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;

    // True only when all of out could be read.
    bool readExactly(std::uint64_t offset, std::span<std::uint8_t> out);
};

// An open file, read with plain positioned reads. Closed when destroyed, on every path.
class FileSource final : public ByteSource {
public:
    // nullptr when the path is not a regular file that can be opened for reading.
    static std::unique_ptr<FileSource> open(const std::filesystem::path& path);

    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    FileSource(std::unique_ptr<std::FILE, Closer> file, std::uint64_t size);

    std::uint64_t size() const override { return size_; }
    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

private:
    std::unique_ptr<std::FILE, Closer> file_;
    std::uint64_t size_;
};

// Bytes held in memory (fuzzing, tests); the caller keeps them alive.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    explicit MemorySource(std::string_view bytes)
        : bytes_(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}

    std::uint64_t size() const override { return bytes_.size(); }
    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

private:
    std::span<const std::uint8_t> bytes_;
};

// A file whose head and tail are read once, up front; every reader of the file is served from them and
// only reads outside them reach the file. The head covers a common ID3v2 tag and the first frames, the
// tail the ID3v1 tag, the encoder-tag block and the last Ogg pages.
class CachedFileSource final : public ByteSource {
public:
    static constexpr std::size_t kHeadBytes = 64 * 1024;
    static constexpr std::size_t kTailBytes = 16 * 1024;

    // nullptr when the file cannot be opened or its head and tail cannot be read.
    static std::unique_ptr<CachedFileSource> open(const std::filesystem::path& path);

    explicit CachedFileSource(std::unique_ptr<FileSource> file) : file_(std::move(file)) {}

    std::uint64_t size() const override { return file_->size(); }
    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

private:
    bool fill();

    std::unique_ptr<FileSource> file_;
    std::vector<std::uint8_t> head_;
    std::vector<std::uint8_t> tail_;
    std::uint64_t tailStart_ = 0;
};

} // namespace kavrel::metadata
