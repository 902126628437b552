#pragma once
// The few POSIX file helpers the fs functions share; not for use outside platform/fs.
#include <filesystem>
#include <string_view>

namespace kavrel::fs::detail {

[[noreturn]] void fail(const std::filesystem::path& path, int error);

// Owns one open file descriptor.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    int release();
    void reset();

private:
    int fd_ = -1;
};

// The folder opened for reading; closed (not open) when it cannot be opened.
FileDescriptor openFolder(const std::filesystem::path& folder);

// Writes every byte, retrying short and interrupted writes; throws naming `file`.
void writeAll(int fd, std::string_view bytes, const std::filesystem::path& file);

// An fsync of the folder, which makes the renames and creations inside it durable. Returns 0, or the
// errno of the open or the sync that failed.
int syncFolder(const std::filesystem::path& folder);

} // namespace kavrel::fs::detail
