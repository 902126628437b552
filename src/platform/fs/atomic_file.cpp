#include "platform/fs/atomic_file.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "platform/fs/posix_file.h"

namespace kavrel::fs {

using detail::fail;

void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path folder = file.parent_path();
    std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    detail::FileDescriptor fd(::mkstemp(temporary.data()));
    if (!fd.isOpen())
        fail(file, errno);
    try {
        detail::writeAll(fd.get(), bytes, file);
        if (::fchmod(fd.get(), 0644) != 0 || ::fsync(fd.get()) != 0 || ::close(fd.release()) != 0 ||
            ::rename(temporary.c_str(), file.c_str()) != 0)
            fail(file, errno);
    } catch (...) {
        fd.reset();
        ::unlink(temporary.c_str());
        throw;
    }
    // A folder that cannot be synced leaves the file complete, only perhaps not yet on disk.
    detail::syncFolder(folder);
}

std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        fail(file, errno ? errno : ENOENT);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        fail(file, EIO);
    return bytes;
}

} // namespace kavrel::fs
