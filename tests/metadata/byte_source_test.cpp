#include "metadata/byte_source.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/temp_dir.h"

namespace kavrel::metadata {
namespace {

// Bytes whose value tells their offset, so a read from the wrong place shows.
std::string patterned(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

std::string readString(ByteSource& source, std::uint64_t offset, std::size_t count) {
    std::vector<std::uint8_t> buffer(count);
    const auto got = source.readAt(offset, buffer);
    if (!got)
        return "<error>";
    return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(*got));
}

TEST(MetadataByteSource, CachedFileReadsEqualPlainFileReadsEverywhere) {
    test::TempDir dir;
    constexpr std::size_t kSize = CachedFileSource::kHeadBytes + CachedFileSource::kTailBytes + 50000;
    const std::string bytes = patterned(kSize);
    test::writeFile(dir / "big.mp3", bytes);
    auto cached = CachedFileSource::open(dir / "big.mp3");
    auto plain = FileSource::open(dir / "big.mp3");
    ASSERT_TRUE(cached && plain);
    EXPECT_EQ(cached->size(), kSize);
    const std::uint64_t head = CachedFileSource::kHeadBytes, tailStart = kSize - CachedFileSource::kTailBytes;
    const std::pair<std::uint64_t, std::size_t> reads[] = {
        {0, 10},          {head - 5, 10},     {head, 100},     {70000, 3458}, {tailStart - 3, 6},
        {tailStart, 128}, {kSize - 128, 128}, {kSize - 4, 10}, {kSize, 10},   {kSize + 100, 10},
        {0, kSize + 10},  {head - 1, kSize}};
    for (const auto& [offset, count] : reads) {
        const std::string expected = offset < kSize ? bytes.substr(offset, count) : "";
        EXPECT_EQ(readString(*cached, offset, count), expected) << offset << "+" << count;
        EXPECT_EQ(readString(*plain, offset, count), expected) << offset << "+" << count;
    }
}

TEST(MetadataByteSource, SmallFilesAndMemory) {
    test::TempDir dir;
    test::writeFile(dir / "small.mp3", "0123456789");
    auto cached = CachedFileSource::open(dir / "small.mp3");
    ASSERT_TRUE(cached);
    EXPECT_EQ(readString(*cached, 2, 5), "23456");
    EXPECT_EQ(readString(*cached, 8, 5), "89");
    std::array<std::uint8_t, 4> four{};
    EXPECT_FALSE(cached->readExactly(8, four));
    EXPECT_TRUE(cached->readExactly(6, four));

    test::writeFile(dir / "empty.mp3", "");
    auto empty = CachedFileSource::open(dir / "empty.mp3");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size(), 0u);
    EXPECT_EQ(readString(*empty, 0, 4), "");

    MemorySource memory(std::string_view("abcdef"));
    EXPECT_EQ(readString(memory, 4, 10), "ef");
    EXPECT_EQ(readString(memory, 6, 1), "");
}

TEST(MetadataByteSource, OnlyRegularReadableFilesOpen) {
    test::TempDir dir;
    EXPECT_EQ(FileSource::open(dir / "missing.mp3"), nullptr);
    EXPECT_EQ(FileSource::open(dir.path()), nullptr);
    EXPECT_EQ(CachedFileSource::open(dir.path()), nullptr);
}

} // namespace
} // namespace kavrel::metadata
