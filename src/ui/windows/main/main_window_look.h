#pragma once
// What the settings say about the main window's look: the fonts and colours of its five lists and the
// colour of the playing row, and how the artist columns are laid out.
#include <QColor>
#include <QFont>
#include <array>
#include <cstdint>
#include <string_view>

namespace kavrel::ui {

struct ListLook {
    QFont font;
    QColor color;
};

struct MainWindowLook {
    // ListBox1 (left artists), ListBox2 (right artists), ListBox3 (albums), ListBox4 (songs), ListBox5
    // (playlist).
    std::array<ListLook, 5> lists;
    QColor playingRow{0x4c, 0xd0, 0x7a};
    MainWindowLook();
};

// A list font as the configuration keeps it: a family, a size in points, style bits (bold, italic,
// underline, strike-out as bits 0..3) and a colour with red in the low byte.
ListLook listLookOf(std::string_view family, int pointSize, int styleBits, std::uint32_t colour);

// The artist column preferences: distribution and orientation.
enum class ArtistColumns { RussianLeftEnglishRight, EnglishLeftRussianRight, Incorporated };
ArtistColumns artistColumnsOf(int distribution, int orientation);

} // namespace kavrel::ui
