#include "skin_panels.h"

#include "ui/controls/skin_palette.h"

#include <QFontDatabase>
#include <QPainterPath>

namespace kavrel::skin_art {

namespace {

namespace palette = ui::palette;

constexpr int Supersampling = 4;

// Band centre frequencies, bands 1 to 16, as the sliders stand left to right.
constexpr const char* BandLabels[] = {"80", "140", "230", "390", "560", "720", "880", "1.2k",
                                      "2k", "4k",  "6k",  "8k",  "10k", "12k", "14k", "16k"};

void panel(QPainter& p, const QRectF& r, double radius) {
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(0x24, 0x26, 0x2d));
    shade.setColorAt(1, QColor(0x18, 0x19, 0x1e));
    p.setBrush(shade);
    p.setPen(QPen(palette::edge, 1));
    p.drawRoundedRect(r, radius, radius);
}

void well(QPainter& p, const QRectF& r) {
    p.setBrush(Qt::black);
    p.setPen(QPen(QColor(0x0c, 0x0c, 0x0e), 1));
    p.drawRoundedRect(r, 3, 3);
}

// `flags` are alignment and text flags together (word wrap).
void write(QPainter& p, const QRectF& r, const QString& text, int pixelSize, const QColor& color,
           int flags = Qt::AlignCenter) {
    p.setFont(skinFont(pixelSize));
    p.setPen(color);
    p.drawText(r, flags, text);
}

} // namespace

QImage renderSmooth(QSize size, const std::function<void(QPainter&, const QRectF&)>& draw) {
    QImage large(size * Supersampling, QImage::Format_RGB32);
    large.fill(palette::frame);
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(Supersampling, Supersampling);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QFont skinFont(int pixelSize) {
    static const QString family = [] {
        const int id =
            QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.front();
    }();
    QFont font(family);
    font.setBold(true);
    // Sized in the picture's pixels: the painter's scale enlarges it with everything else.
    font.setPixelSize(std::max(1, pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage librarySelector(QSize size, int active) {
    return renderSmooth(size, [&](QPainter& p, const QRectF& r) {
        panel(p, r.adjusted(0.5, 0.5, -0.5, -0.5), 3);
        const char* labels[] = {"LB1", "CD", "LB2"};
        const double strip = r.width() / 3;
        for (int i = 0; i < 3; ++i) {
            const QRectF cell(r.left() + i * strip, r.top(), strip, r.height());
            if (i == active) {
                QLinearGradient lit(cell.topLeft(), cell.bottomLeft());
                lit.setColorAt(0, palette::accent);
                lit.setColorAt(1, palette::accentDeep.darker(130));
                p.setBrush(lit);
                p.setPen(Qt::NoPen);
                p.drawRoundedRect(cell.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
            }
            write(p, cell, labels[i], 8, i == active ? QColor(Qt::white) : palette::glyph.darker(130));
        }
    });
}

QImage textButton(QSize size, const char* text, State state, bool lit) {
    return renderSmooth(size, [&](QPainter& p, const QRectF& r) {
        const QRectF pill = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient shade(r.topLeft(), r.bottomLeft());
        shade.setColorAt(0, lit ? palette::accent : palette::faceTop);
        shade.setColorAt(1, lit ? palette::accentDeep.darker(140) : palette::faceBottom);
        p.setBrush(shade);
        p.setPen(QPen(state == State::Over || lit ? palette::accent : palette::edge, 1));
        p.drawRoundedRect(pill, r.height() / 2, r.height() / 2);
        const QColor ink = lit ? QColor(Qt::white) : state == State::Over ? palette::accent : palette::glyph;
        write(p, r, text, 7, ink);
    });
}

QImage equalizerBackground(QSize size) {
    // The window places this picture at (8, 4); sliders stand at x = 60 + 18 n, y = 34, 10 x 108, with
    // a 63-pixel thumb, so the thumb centre runs from y 65 (+15 dB) through 88 (0 dB) to 110 (-15 dB).
    const QPointF origin(8, 4);
    return renderSmooth(size, [&](QPainter& p, const QRectF& r) {
        panel(p, r.adjusted(0.5, 0.5, -0.5, -0.5), 6);
        write(p, QRectF(120, 6, 111, 14), "EQUALIZER", 9, palette::text);
        const struct {
            double y;
            const char* label;
        } levels[] = {{65, "+15"}, {88, "0"}, {110, "-15"}};
        for (const auto& level : levels) {
            const double y = level.y - origin.y();
            p.setPen(QPen(QColor(0x34, 0x37, 0x40), 0.75, Qt::DotLine));
            p.drawLine(QPointF(44, y), QPointF(r.right() - 12, y));
            write(p, QRectF(1, y - 5, 19, 10), level.label, 7, palette::glyph.darker(120),
                  Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int band = 0; band < 16; ++band) {
            const double centre = 60 + 18 * band + 5 - origin.x();
            write(p, QRectF(centre - 9, 142 - origin.y(), 18, 10), BandLabels[band], 6,
                  palette::glyph.darker(110));
        }
    });
}

QImage miniPlaylistBackground(QSize size) {
    // Placed at (4, 0) in its window, whose list stands at (21, 13, 154, 254) and scroller at (177, 12).
    return renderSmooth(size, [&](QPainter& p, const QRectF&) {
        panel(p, QRectF(5.5, 2.5, 191, 274), 5);
        well(p, QRectF(15.5, 11.5, 157, 257));
        well(p, QRectF(171.5, 10.5, 13, 259));
    });
}

QImage columnHeader(QSize size, const char* text) {
    return renderSmooth(size, [&](QPainter& p, const QRectF& r) {
        write(p, r.adjusted(0, -1, 0, -1), text, 8, palette::text);
        p.fillRect(QRectF(4, r.bottom() - 1.5, r.width() - 8, 1), palette::accentDeep);
    });
}

QImage welcomeBackground(QSize size) {
    // The window lays its controls over this picture: the language strip at (108, 114), the layout strip
    // at (134, 270), the shortcut boxes on y 478, finish at (404, 502) and skip at (4, 504).
    return renderSmooth(size, [&](QPainter& p, const QRectF& r) {
        panel(p, r.adjusted(0.5, 0.5, -0.5, -0.5), 8);
        write(p, QRectF(0, 22, r.width(), 34), "KAVREL", 30, palette::accent);
        write(p, QRectF(0, 58, r.width(), 16), "Welcome! A few choices, then your music.", 10, palette::text);
        const auto heading = [&](double y, const char* text) {
            write(p, QRectF(24, y, r.width() - 48, 14), text, 10, palette::text,
                  Qt::AlignLeft | Qt::AlignVCenter);
            p.fillRect(QRectF(24, y + 16, r.width() - 48, 1), palette::accentDeep);
        };
        const auto note = [&](double y, const char* text) {
            write(p, QRectF(24, y, r.width() - 48, 30), text, 8, palette::glyph.darker(115),
                  int(Qt::AlignHCenter | Qt::AlignTop) | Qt::TextWordWrap);
        };
        heading(88, "1. Language of the player");
        note(140, "Menus, hints and windows speak this language. You can change it later in Preferences.");
        heading(180, "2. Artist columns");
        // Two small column sketches: one artist list, or Russian and English artists side by side.
        const auto column = [&](double left, double width, const char* label) {
            well(p, QRectF(left, 206, width, 54));
            for (int row = 0; row < 4; ++row)
                p.fillRect(QRectF(left + 5, 214 + row * 11, width - 10, 4), palette::faceTop);
            write(p, QRectF(left, 206, width, 12), label, 6, palette::accent);
        };
        column(120, 70, "ARTISTS");
        column(258, 36, "RUS");
        column(298, 36, "ENG");
        note(300, "Classic: one column with every artist. Special: Russian and English artists in two "
                  "columns of their own.");
        heading(340, "3. Your music");
        note(366, "After these choices the player opens its help page and the library window: point it at "
                  "your music folders and it builds your library.");
        heading(450, "4. Shortcuts to the player");
        p.fillRect(QRectF(0, 498, r.width(), 1), palette::edge);
        write(p, QRectF(70, 503, 320, 14), "Enter finishes, Esc skips", 8, palette::glyph.darker(130));
    });
}

} // namespace kavrel::skin_art
