#include "platform/fs/atomic_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <system_error>

namespace kavrel::fs {
namespace {

using test::TempDir;

TEST(AtomicFile, ReplacesTheWholeFile) {
    TempDir dir;
    const auto file = dir / "conf.pcf";
    writeFileAtomically(file, "old content that is longer");
    writeFileAtomically(file, "new");
    EXPECT_EQ(readWholeFile(file), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A write that fails half-way (here: the file size limit, which binds even root) leaves the old file as it
// was and no temporary file behind.
TEST(AtomicFile, InterruptedWriteLeavesTheOldFileIntact) {
    TempDir dir;
    const auto file = dir / "conf.pcf";
    writeFileAtomically(file, "good");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(writeFileAtomically(file, std::string(4096, 'x')), std::system_error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(readWholeFile(file), "good");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, FailuresNameTheFile) {
    TempDir dir;
    try {
        writeFileAtomically(dir / "missing-folder/conf.pcf", "x");
        FAIL();
    } catch (const std::system_error& error) {
        EXPECT_NE(std::string(error.what()).find("missing-folder/conf.pcf"), std::string::npos);
    }
    EXPECT_THROW(readWholeFile(dir / "absent"), std::system_error);
}

} // namespace
} // namespace kavrel::fs
