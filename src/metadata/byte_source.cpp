#include "metadata/byte_source.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <system_error>

namespace kavrel::metadata {

bool ByteSource::readExactly(std::uint64_t offset, std::span<std::uint8_t> out) {
    const auto got = readAt(offset, out);
    return got && *got == out.size();
}

std::unique_ptr<FileSource> FileSource::open(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return nullptr;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return nullptr;
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return nullptr;
    // Every read is positioned and sized by the reader, so the stream's own buffer only adds a copy.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return std::make_unique<FileSource>(std::move(file), size);
}

FileSource::FileSource(std::unique_ptr<std::FILE, Closer> file, std::uint64_t size)
    : file_(std::move(file)), size_(size) {}

std::optional<std::size_t> FileSource::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    if (offset > static_cast<std::uint64_t>(LONG_MAX))
        return std::nullopt;
    if (offset >= size_ || out.empty())
        return 0;
    if (std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0)
        return std::nullopt;
    const std::size_t got = std::fread(out.data(), 1, out.size(), file_.get());
    if (got < out.size() && std::ferror(file_.get())) {
        std::clearerr(file_.get());
        return std::nullopt;
    }
    return got;
}

std::optional<std::size_t> MemorySource::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    if (offset >= bytes_.size())
        return 0;
    const std::size_t count = std::min<std::uint64_t>(out.size(), bytes_.size() - offset);
    std::memcpy(out.data(), bytes_.data() + offset, count);
    return count;
}

std::unique_ptr<CachedFileSource> CachedFileSource::open(const std::filesystem::path& path) {
    auto file = FileSource::open(path);
    if (!file)
        return nullptr;
    auto source = std::make_unique<CachedFileSource>(std::move(file));
    if (!source->fill())
        return nullptr;
    return source;
}

bool CachedFileSource::fill() {
    const std::uint64_t size = file_->size();
    head_.resize(std::min<std::uint64_t>(size, kHeadBytes));
    if (!file_->readExactly(0, head_))
        return false;
    tailStart_ = std::max<std::uint64_t>(head_.size(), size > kTailBytes ? size - kTailBytes : 0);
    tail_.resize(size - tailStart_);
    return file_->readExactly(tailStart_, tail_);
}

std::optional<std::size_t> CachedFileSource::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    const std::uint64_t size = file_->size();
    if (offset >= size || out.empty())
        return 0;
    const std::uint64_t end = std::min<std::uint64_t>(size, offset + out.size());
    const std::size_t count = end - offset;
    if (end <= head_.size()) {
        std::memcpy(out.data(), head_.data() + offset, count);
        return count;
    }
    if (offset >= tailStart_) {
        std::memcpy(out.data(), tail_.data() + (offset - tailStart_), count);
        return count;
    }
    return file_->readAt(offset, out);
}

} // namespace kavrel::metadata
