#pragma once
// The colours of the program's own dark look, shared by the built-in pictures and the skin generator so
// that the two match.
#include <QColor>
#include <cstdint>

namespace kavrel::ui {

// Colours are stored as 24-bit values with red in the low byte (5920431 is red 0xAF, green 0x56, blue 0x5A).
inline QColor colorFromRgbValue(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

namespace palette {
inline const QColor frame{0x16, 0x17, 0x1b};   // window frame and button surround
inline const QColor faceTop{0x34, 0x37, 0x40}; // button face, top of its gradient
inline const QColor faceBottom{0x1e, 0x20, 0x26};
inline const QColor edge{0x45, 0x49, 0x54};       // button rim
inline const QColor glyph{0xbc, 0xc0, 0xca};      // symbols at rest
inline const QColor accent{0xe0, 0x5f, 0x66};     // hover, "on" and the second look
inline const QColor accentDeep{0xaf, 0x56, 0x5a}; // the title strips' rose (5920431)
inline const QColor text{0xd2, 0xd2, 0xd2};       // light grey texts (13816530)
} // namespace palette

} // namespace kavrel::ui
