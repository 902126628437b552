#include "skin_art.h"

#include "jpeg_writer.h"
#include "platform/fs/atomic_file.h"
#include "skin_glyphs.h"
#include "skin_panels.h"
#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_tables.h"

#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>

namespace kavrel::skin_art {

namespace {

namespace palette = ui::palette;

enum class Face { Circle, Rounded, Flat, None };

// How each state changes a button: the pointer over it lights rim and symbol, a press darkens the face
// and sinks the symbol by a pixel.
struct Look {
    QColor faceTop, faceBottom, rim, ink;
    double sink;
};

Look lookOf(State state, bool secondLook) {
    switch (state) {
    case State::Over:
        return {palette::faceTop.lighter(118), palette::faceBottom.lighter(112), palette::accent,
                palette::accent, 0};
    case State::Pressed:
        // A rose-tinted hollow with a bright symbol: unmistakably held down.
        return {QColor(0x2e, 0x16, 0x1a), QColor(0x5a, 0x27, 0x2d), palette::accent.darker(115),
                QColor(0xff, 0xdc, 0xde), 0.7};
    case State::Normal:
        break;
    }
    return {palette::faceTop, palette::faceBottom, secondLook ? palette::accentDeep : palette::edge,
            secondLook ? palette::accent.lighter(110) : palette::glyph, 0};
}

using Recipe = std::function<QImage(QSize)>;

Recipe button(Face face, Glyph glyph, State state, bool secondLook = false) {
    return [=](QSize size) {
        return renderSmooth(size, [&](QPainter& p, const QRectF& r) {
            const Look look = lookOf(state, secondLook);
            const double side = std::min(r.width(), r.height());
            double glyphSide = side * 0.5;
            if (face != Face::None) {
                QLinearGradient shade(r.topLeft(), r.bottomLeft());
                shade.setColorAt(0, look.faceTop);
                shade.setColorAt(1, look.faceBottom);
                p.setBrush(shade);
                p.setPen(QPen(look.rim, 1));
                const QRectF outline = r.adjusted(0.5, 0.5, -0.5, -0.5);
                if (face == Face::Circle)
                    p.drawEllipse(outline);
                else
                    p.drawRoundedRect(outline, face == Face::Flat ? 2 : side * 0.22,
                                      face == Face::Flat ? 2 : side * 0.22);
                glyphSide = side * (face == Face::Circle ? 0.46 : face == Face::Flat ? 0.62 : 0.56);
            } else {
                glyphSide = side;
            }
            const QRectF box(r.center().x() - glyphSide / 2, r.center().y() - glyphSide / 2 + look.sink,
                             glyphSide, glyphSide);
            glyph(p, box, look.ink);
        });
    };
}

using Table = std::map<std::string, Recipe>;

// Adds "<prefix>1.jpg" .. "<prefix><count>.jpg" as the normal, over and pressed pictures.
void addStates(Table& table, const std::string& prefix, Face face, Glyph glyph, int count,
               bool secondLook = false) {
    const State states[] = {State::Normal, State::Over, State::Pressed};
    for (int i = 0; i < count; ++i)
        table[prefix + std::to_string(i + 1) + ".jpg"] = button(face, glyph, states[i], secondLook);
}

const Table& recipes() {
    static const Table table = [] {
        Table t;
        addStates(t, "play/play", Face::Circle, glyphPlay, 3);
        addStates(t, "play/Pause", Face::Circle, glyphPause, 3, true);
        addStates(t, "Stop/Stop", Face::Rounded, glyphStop, 3);
        addStates(t, "Prev/Prev", Face::Rounded, glyphPrevious, 3);
        addStates(t, "Next/Next", Face::Rounded, glyphNext, 3);
        addStates(t, "strelki/vlevo", Face::None, glyphArrowLeft, 2);
        addStates(t, "strelki/vpravo", Face::None, glyphArrowRight, 2);
        addStates(t, "Analizer/Analizer", Face::Rounded, glyphAnalyser, 3);
        addStates(t, "visualization/visualization", Face::Rounded, glyphVisualization, 3);
        addStates(t, "CmdPref/CmdPref", Face::Rounded, glyphSearch, 3);
        addStates(t, "Repeat/Repeat", Face::Rounded, glyphRepeat, 3);
        addStates(t, "Undo/Undo", Face::Rounded, glyphUndo, 3);
        addStates(t, "Shuffle/Shuffle", Face::Rounded, glyphShuffle, 3);
        addStates(t, "Help/Help", Face::Rounded, glyphHelp, 3);
        addStates(t, "Equalizer/Equalizer", Face::Rounded, glyphEqualizer, 3);
        addStates(t, "Library/Library", Face::Rounded, glyphLibrary, 3);
        addStates(t, "Pref/Pref", Face::Circle, glyphPreferences, 3);
        addStates(t, "verhnieknopki/x", Face::Flat, glyphClose, 2);
        addStates(t, "verhnieknopki/vniz", Face::Flat, glyphMinimize, 2);
        addStates(t, "verhnieknopki/mini", Face::Flat, glyphMiniPanel, 2);
        addStates(t, "verhnieknopki/Tray", Face::Flat, glyphTray, 2);
        addStates(t, "FullScreen/F", Face::Flat, glyphFullScreen, 2);
        addStates(t, "Mark/Mark", Face::Rounded, glyphMark, 2);
        addStates(t, "sleep/s", Face::Rounded, glyphSleep, 2);
        addStates(t, "mini/play", Face::Rounded, glyphPlay, 2);
        addStates(t, "mini/Pause", Face::Rounded, glyphPause, 2, true);
        addStates(t, "mini/Stop", Face::Rounded, glyphStop, 2);
        addStates(t, "mini/Prew", Face::Rounded, glyphPrevious, 2);
        addStates(t, "mini/Next", Face::Rounded, glyphNext, 2);
        addStates(t, "mini/Pls", Face::Rounded, glyphPlaylist, 2);
        // The equalizer's close button: "close2" is its normal picture, "close" the one under the pointer.
        t["Shuffle/close2.jpg"] = button(Face::Flat, glyphClose, State::Normal);
        t["Shuffle/close.jpg"] = button(Face::Flat, glyphClose, State::Over);
        t["LB1LBCDLB2/lb1.jpg"] = [](QSize s) { return librarySelector(s, 0); };
        t["LB1LBCDLB2/lbcd.jpg"] = [](QSize s) { return librarySelector(s, 1); };
        t["LB1LBCDLB2/lb2.jpg"] = [](QSize s) { return librarySelector(s, 2); };
        t["eq/Enabled.jpg"] = [](QSize s) { return textButton(s, "EQ ON", State::Normal, true); };
        t["eq/Enabled2.jpg"] = [](QSize s) { return textButton(s, "EQ OFF", State::Normal, false); };
        t["eq/Presets.jpg"] = [](QSize s) { return textButton(s, "RESET", State::Normal, false); };
        t["eq/Presets2.jpg"] = [](QSize s) { return textButton(s, "RESET", State::Over, false); };
        t["eq/eqforma.jpg"] = equalizerBackground;
        t["MiniPlayList/pls_small.jpg"] = miniPlaylistBackground;
        t["art_alb_song_pls/art.jpg"] = [](QSize s) { return columnHeader(s, "ARTISTS"); };
        t["art_alb_song_pls/rus_art.jpg"] = [](QSize s) { return columnHeader(s, "RUSSIAN"); };
        t["art_alb_song_pls/eng_art.jpg"] = [](QSize s) { return columnHeader(s, "ENGLISH"); };
        t["Welcome/Welcome.jpg"] = welcomeBackground;
        const State states[] = {State::Normal, State::Over, State::Pressed};
        for (int i = 0; i < 3; ++i) {
            const State state = states[i];
            const std::string n = std::to_string(i + 1);
            t["Welcome/Finish" + n + ".jpg"] = [state](QSize s) {
                return textButton(s, "FINISH", state, state == State::Pressed);
            };
            t["Welcome/Skip" + n + ".jpg"] = [state](QSize s) {
                return textButton(s, "SKIP", state, state == State::Pressed);
            };
        }
        t["Welcome/About.jpg"] = button(Face::Circle, glyphPlay, State::Normal, true);
        return t;
    }();
    return table;
}

// "\play\play1.jpg" as "play/play1.jpg".
std::string skinRelative(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    result.erase(0, result.find_first_not_of('/'));
    return result;
}

} // namespace

std::vector<SkinPicture> skinPictures() {
    std::vector<SkinPicture> pictures;
    std::set<std::string> seen;
    auto add = [&](std::string path, QSize size) {
        if (seen.insert(path).second)
            pictures.push_back({std::move(path), size});
    };
    for (const ui::skin::SkinSet* set : ui::skin::allSkinSets())
        for (const ui::skin::SkinItem& item : set->items)
            for (const ui::skin::SkinFile& file : item.files)
                add(skinRelative(file.path), item.size);
    const std::string folder = skinRelative(ui::skin::SkinFolder) + "/";
    for (std::string_view header :
         {ui::skin::ArtistHeaderIncorporated, ui::skin::ArtistHeaderRussian, ui::skin::ArtistHeaderEnglish})
        add(skinRelative(header).substr(folder.size()), ui::skin::ArtistHeaderSize);
    add(skinRelative(ui::skin::AboutPicture).substr(folder.size()), ui::skin::AboutPictureSize);
    return pictures;
}

QImage drawSkinPicture(const SkinPicture& picture) {
    const auto recipe = recipes().find(picture.path);
    return recipe == recipes().end() ? QImage() : recipe->second(picture.size);
}

void writeSkin(const std::filesystem::path& skinFolder) {
    for (const SkinPicture& picture : skinPictures()) {
        const QImage image = drawSkinPicture(picture);
        if (image.isNull())
            throw std::runtime_error("no drawing for " + picture.path);
        const std::filesystem::path file = skinFolder / picture.path;
        std::filesystem::create_directories(file.parent_path());
        fs::writeFileAtomically(file, encodeBaselineJpeg(image));
    }
}

} // namespace kavrel::skin_art
