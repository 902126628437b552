#include "library/staged_library.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace kavrel::library {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int error) {
    throw std::system_error(error, std::generic_category(), path.string());
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::filesystem::path withoutTrailingSlash(std::filesystem::path folder) {
    return folder.has_filename() ? folder : folder.parent_path();
}

std::filesystem::path makeStagingFolder(const std::filesystem::path& libraryFolder) {
    std::error_code error;
    std::filesystem::create_directories(libraryFolder.parent_path(), error);
    std::string name = ".";
    name += libraryFolder.filename().string();
    name += ".XXXXXX";
    std::string pattern = (libraryFolder.parent_path() / name).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        fail(libraryFolder, errno);
    return pattern;
}

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& file) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(file, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// One sync of the file system instead of one per file: a library holds thousands of artist files.
void syncFolderTree(const std::filesystem::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        fail(folder, errno);
#ifdef __linux__
    if (::syncfs(fd.get()) != 0)
        fail(folder, errno);
#else
    ::sync();
#endif
}

void syncFolder(const std::filesystem::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

bool exchangeFolders(const std::filesystem::path& a, const std::filesystem::path& b) {
#ifdef __linux__
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        fail(b, errno);
#endif
    return false;
}

// Unlinking files whose blocks are on disk waits on the journal; several unlinks in flight overlap
// those waits (ten times faster for a library of thousands of artist files).
void removeOldSet(const std::filesystem::path& folder) {
    constexpr std::size_t kThreads = 4;
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        files.push_back(entry.path());
    {
        std::vector<std::jthread> removers;
        for (std::size_t first = 0; first < kThreads; ++first)
            removers.emplace_back([&files, first] {
                for (std::size_t i = first; i < files.size(); i += kThreads)
                    ::unlink(files[i].c_str());
            });
    }
    std::filesystem::remove_all(folder, error);
}

void renameOrFail(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail(to, errno);
}

} // namespace

StagedLibrary::StagedLibrary(std::filesystem::path libraryFolder)
    : libraryFolder_(withoutTrailingSlash(std::move(libraryFolder))),
      stagingFolder_(makeStagingFolder(libraryFolder_)) {}

StagedLibrary::~StagedLibrary() {
    std::error_code ignored;
    std::filesystem::remove_all(stagingFolder_, ignored);
}

void StagedLibrary::writeFile(std::string_view name, std::string_view bytes) {
    const auto file = stagingFolder_ / name;
    const FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        fail(file, errno);
    writeAll(fd.get(), bytes, file);
}

void StagedLibrary::install() {
    std::error_code error;
    const bool oldExists = std::filesystem::is_directory(libraryFolder_, error);
    if (oldExists) {
        for (const auto& entry : std::filesystem::directory_iterator(libraryFolder_, error))
            if (entry.is_directory(error) && !entry.is_symlink(error))
                renameOrFail(entry.path(), stagingFolder_ / entry.path().filename());
    }
    ::chmod(stagingFolder_.c_str(), 0755);
    syncFolderTree(stagingFolder_);
    if (!oldExists) {
        renameOrFail(stagingFolder_, libraryFolder_);
    } else if (!exchangeFolders(stagingFolder_, libraryFolder_)) {
        // Without an atomic exchange the old set steps aside first; a crash between the two renames
        // leaves both complete sets beside the library folder.
        const auto aside = stagingFolder_.string() + ".old";
        renameOrFail(libraryFolder_, aside);
        renameOrFail(stagingFolder_, libraryFolder_);
        renameOrFail(aside, stagingFolder_);
    }
    syncFolder(libraryFolder_.parent_path());
    removeOldSet(stagingFolder_);
}

} // namespace kavrel::library
