#include "ui/windows/preferences/list_font.h"

#include "platform/text/numbers.h"
#include "ui/controls/skin_palette.h"
#include "ui/windows/main/main_window_look.h"

namespace kavrel::ui::preferences {

namespace {

constexpr double kDotsPerPoint = 96.0 / 72.0;

} // namespace

QFont fontOf(const core::TFontRecord& record) {
    return listLookOf(record.Name.text, record.Size, record.Style, static_cast<std::uint32_t>(record.Color))
        .font;
}

core::TFontRecord fontRecordOf(const QFont& font, std::int32_t colour) {
    core::TFontRecord record;
    record.Name.text = font.family().toStdString();
    const int points = font.pointSize() > 0
                           ? font.pointSize()
                           : static_cast<int>(text::roundHalfEven(font.pixelSize() / kDotsPerPoint));
    record.Size = points;
    record.Height = -static_cast<std::int32_t>(text::roundHalfEven(points * kDotsPerPoint));
    record.Style = (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
                   (font.strikeOut() ? 8 : 0);
    record.Color = colour;
    return record;
}

QColor colourOf(std::int32_t value) {
    return colorFromRgbValue(static_cast<std::uint32_t>(value));
}

std::int32_t colourValueOf(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace kavrel::ui::preferences
