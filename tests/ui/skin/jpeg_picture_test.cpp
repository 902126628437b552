#include "ui/skin/jpeg_picture.h"

#include "jpeg_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kavrel::ui::skin {
namespace {

std::string encodedPicture(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return skin_art::encodeBaselineJpeg(image);
}

DecodedPicture decode(const std::string& bytes) {
    return decodeJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

TEST(JpegPicture, DecodesBaselineGreyAndProgressivePictures) {
    const DecodedPicture colour = decode(encodedPicture({7, 5}, QColor(200, 40, 60)));
    ASSERT_TRUE(colour.error.empty()) << colour.error;
    EXPECT_EQ(colour.image.size(), QSize(7, 5));
    const QColor pixel = colour.image.pixelColor(3, 2);
    EXPECT_NEAR(pixel.red(), 200, 4);
    EXPECT_NEAR(pixel.green(), 40, 4);
    EXPECT_NEAR(pixel.blue(), 60, 4);

    const std::filesystem::path fixtures = KAVREL_SKIN_FIXTURES;
    const DecodedPicture grey = loadJpegFile(fixtures / "gray.jpg");
    ASSERT_TRUE(grey.error.empty()) << grey.error;
    EXPECT_EQ(grey.image.size(), QSize(8, 6));
    EXPECT_NEAR(grey.image.pixelColor(4, 3).red(), 128, 4);
    EXPECT_EQ(grey.image.pixelColor(4, 3).red(), grey.image.pixelColor(4, 3).blue());

    const DecodedPicture progressive = loadJpegFile(fixtures / "progressive.jpg");
    ASSERT_TRUE(progressive.error.empty()) << progressive.error;
    EXPECT_NEAR(progressive.image.pixelColor(4, 3).blue(), 0xc0, 6);
}

TEST(JpegPicture, ReportsTheFileSystemsAndTheDecodersMessages) {
    test::TempDir dir;
    const std::string good = encodedPicture({16, 16}, Qt::gray);
    std::string huge = good;
    // The SOF0 frame header holds the height and width right after its length and precision bytes.
    const std::size_t sof = huge.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    huge[sof + 5] = huge[sof + 7] = char(0x40); // 16384 x 16384 and a little more

    test::writeFile(dir / "empty.jpg", "");
    test::writeFile(dir / "png.jpg", "\x89PNG\r\n\x1a\n0000000000000");
    test::writeFile(dir / "cut.jpg", good.substr(0, 20));
    test::writeFile(dir / "huge.jpg", huge);
    std::filesystem::create_directory(dir / "folder.jpg");
    const struct {
        const char* file;
        const char* message;
    } cases[] = {{"missing.jpg", "No such file or directory"},
                 {"folder.jpg", "Is a directory"},
                 {"empty.jpg", "Empty input file"},
                 {"png.jpg", "Not a JPEG file"},
                 {"cut.jpg", ""},
                 {"huge.jpg", "too large"}};
    for (const auto& c : cases) {
        const DecodedPicture result = loadJpegFile(dir / c.file);
        EXPECT_TRUE(result.image.isNull()) << c.file;
        EXPECT_FALSE(result.error.empty()) << c.file;
        EXPECT_NE(result.error.find(c.message), std::string::npos) << c.file << ": " << result.error;
    }
}

} // namespace
} // namespace kavrel::ui::skin
