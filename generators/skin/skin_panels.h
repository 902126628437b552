#pragma once
// The drawing ground of the skin generator, and the pictures that are panels rather than symbol buttons:
// the library selector, text buttons, backgrounds and column headers.
#include <QImage>
#include <QPainter>

#include <functional>

namespace kavrel::skin_art {

enum class State { Normal, Over, Pressed };

// Draws at four times the size and scales down smoothly, which antialiases small shapes evenly. The
// painter works in the picture's own pixel coordinates; the ground is the frame colour.
QImage renderSmooth(QSize size, const std::function<void(QPainter&, const QRectF&)>& draw);

// The skin's lettering: DejaVu Sans Bold when installed, else the default font, at a pixel size.
QFont skinFont(int pixelSize);

// Three equal strips "LB1", "CD", "LB2" with strip `active` lit.
QImage librarySelector(QSize size, int active);
QImage textButton(QSize size, const char* text, State state, bool lit);
QImage equalizerBackground(QSize size);
QImage miniPlaylistBackground(QSize size);
QImage columnHeader(QSize size, const char* text);
QImage welcomeBackground(QSize size);

} // namespace kavrel::skin_art
