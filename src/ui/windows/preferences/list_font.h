#pragma once
// A list's font as the settings keep it, and back.
#include "core/conf_record.h"

#include <QColor>
#include <QFont>

namespace kavrel::ui::preferences {

QFont fontOf(const core::TFontRecord& record);
// Family, size in points (with the character height at 96 dots per inch) and style bits; the colour is
// kept as it was.
core::TFontRecord fontRecordOf(const QFont& font, std::int32_t colour);

QColor colourOf(std::int32_t value);
// Red in the low byte.
std::int32_t colourValueOf(const QColor& colour);

} // namespace kavrel::ui::preferences
