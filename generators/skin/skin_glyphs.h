#pragma once
// The symbols on the skin's buttons, each drawn into a box in one ink colour.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace kavrel::skin_art {

using Glyph = void (*)(QPainter& painter, const QRectF& box, const QColor& ink);

void glyphPlay(QPainter&, const QRectF&, const QColor&);
void glyphPause(QPainter&, const QRectF&, const QColor&);
void glyphStop(QPainter&, const QRectF&, const QColor&);
void glyphPrevious(QPainter&, const QRectF&, const QColor&);
void glyphNext(QPainter&, const QRectF&, const QColor&);
void glyphArrowLeft(QPainter&, const QRectF&, const QColor&);
void glyphArrowRight(QPainter&, const QRectF&, const QColor&);
void glyphAnalyser(QPainter&, const QRectF&, const QColor&);
void glyphVisualization(QPainter&, const QRectF&, const QColor&);
void glyphSearch(QPainter&, const QRectF&, const QColor&);
void glyphRepeat(QPainter&, const QRectF&, const QColor&);
void glyphUndo(QPainter&, const QRectF&, const QColor&);
void glyphShuffle(QPainter&, const QRectF&, const QColor&);
void glyphHelp(QPainter&, const QRectF&, const QColor&);
void glyphEqualizer(QPainter&, const QRectF&, const QColor&);
void glyphLibrary(QPainter&, const QRectF&, const QColor&);
void glyphPreferences(QPainter&, const QRectF&, const QColor&);
void glyphClose(QPainter&, const QRectF&, const QColor&);
void glyphMinimize(QPainter&, const QRectF&, const QColor&);
void glyphMiniPanel(QPainter&, const QRectF&, const QColor&);
void glyphTray(QPainter&, const QRectF&, const QColor&);
void glyphFullScreen(QPainter&, const QRectF&, const QColor&);
void glyphMark(QPainter&, const QRectF&, const QColor&);
void glyphSleep(QPainter&, const QRectF&, const QColor&);
void glyphPlaylist(QPainter&, const QRectF&, const QColor&);

} // namespace kavrel::skin_art
