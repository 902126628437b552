#include "core/equalizer_preset.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::core {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::string presetText(std::string_view header, int lines) {
    std::string text = std::string(header) + "\r\n";
    for (int i = 0; i < lines; ++i)
        text += std::to_string(i - 8) + "\r\n";
    return text;
}

TEST(EqualizerPreset, WritesEighteenValuesAndReadsSixteen) {
    TempDir dir;
    EqualizerValues values{};
    for (int i = 0; i < 20; ++i)
        values[i] = i - 8;
    saveEqualizerPreset(dir / "p.pef", values);
    EXPECT_EQ(readFile(dir / "p.pef"), presetText(kPresetHeader, 18));

    EqualizerValues read{};
    read[16] = 99; // values 17 and up are never read back
    loadEqualizerPreset(dir / "p.pef", read);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(read[i], i - 8);
    EXPECT_EQ(read[16], 99);
    EXPECT_EQ(read[17], 0);
}

TEST(EqualizerPreset, AForeignHeaderGivesAFlatEqualizer) {
    TempDir dir;
    std::string shortHeader(kPresetHeader);
    shortHeader.erase(shortHeader.find('\\'), 1); // one backslash fewer
    writeFile(dir / "p.pef", presetText(shortHeader, 16));
    EqualizerValues read;
    read.fill(5);
    loadEqualizerPreset(dir / "p.pef", read);
    EXPECT_EQ(read, EqualizerValues{});
}

TEST(EqualizerPreset, GainsAreClampedAndLfLinesAccepted) {
    TempDir dir;
    std::string text = std::string(kPresetHeader) + "\n99\n-40\n";
    for (int i = 0; i < 14; ++i)
        text += "0\n";
    writeFile(dir / "p.pef", text);
    EqualizerValues read{};
    loadEqualizerPreset(dir / "p.pef", read);
    EXPECT_EQ(read[0], 15);
    EXPECT_EQ(read[1], -15);
}

TEST(EqualizerPreset, ABadLineIsAClearErrorAndChangesNothing) {
    TempDir dir;
    std::string text = presetText(kPresetHeader, 16);
    text.replace(text.find("\r\n-5\r\n") + 2, 2, "x5");
    writeFile(dir / "bad.pef", text);
    writeFile(dir / "short.pef", presetText(kPresetHeader, 15));
    for (const char* name : {"bad.pef", "short.pef"}) {
        EqualizerValues read;
        read.fill(3);
        try {
            loadEqualizerPreset(dir / name, read);
            FAIL() << name;
        } catch (const PresetFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos);
        }
        EXPECT_EQ(read[0], 3) << name;
    }
    EqualizerValues untouched{};
    EXPECT_THROW(loadEqualizerPreset(dir / "missing.pef", untouched), std::system_error);
}

} // namespace
} // namespace kavrel::core
