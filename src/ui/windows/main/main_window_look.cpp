#include "ui/windows/main/main_window_look.h"

#include "ui/controls/skin_palette.h"

namespace kavrel::ui {

MainWindowLook::MainWindowLook() {
    for (ListLook& list : lists)
        list = listLookOf("Verdana", 8, 0, 13421000);
}

ListLook listLookOf(std::string_view family, int pointSize, int styleBits, std::uint32_t colour) {
    QFont font(QString::fromUtf8(family.data(), qsizetype(family.size())));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(styleBits & 1);
    font.setItalic(styleBits & 2);
    font.setUnderline(styleBits & 4);
    font.setStrikeOut(styleBits & 8);
    return {font, colorFromRgbValue(colour)};
}

ArtistColumns artistColumnsOf(int distribution, int orientation) {
    if (distribution != 0)
        return ArtistColumns::Incorporated;
    return orientation == 1 ? ArtistColumns::EnglishLeftRussianRight : ArtistColumns::RussianLeftEnglishRight;
}

} // namespace kavrel::ui
