#include "ui/windows/main/main_window_parts.h"

#include "ui/controls/c_list_box.h"
#include "ui/controls/c_list_view.h"
#include "ui/controls/mega_image.h"
#include "ui/controls/qel_scroller_h.h"
#include "ui/controls/qel_scroller_vr.h"
#include "ui/windows/main/analyser_frame.h"
#include "ui/windows/main/skin_piece.h"
#include "ui/windows/main/ticker_strip.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>

namespace kavrel::ui {

namespace {

using C = layout::Control;
using K = PartKind;

constexpr std::string_view Tabs = "PL1 CD PL2";

const std::array<PartSpec, layout::kControlCount> Parts{{
    {C::ImgVerhLEvo, K::Frame},
    {C::ImgVerhCenter, K::Frame},
    {C::ImgVerhPravo, K::Frame},
    {C::imgLeftLine, K::Frame},
    {C::imgRigthLine, K::Frame},
    {C::ImgNizLevo, K::Frame},
    {C::ImgNizCenter, K::Frame},
    {C::ImgNizPravo, K::Frame},
    {C::Label3, K::Ticker},
    {C::ImgMark, K::Button},
    {C::TimeSKRL, K::Bar},
    {C::StaticText1, K::Text, "00:00/00:00"},
    {C::StaticText2, K::Text, "00:00/00:00"},
    {C::StaticText3, K::Text, "0.00Mb", "Time/Size in MB"},
    {C::VolumeSKRL, K::Bar, {}, "Volume (Win + Up/Down)"},
    {C::ImgSleep, K::Button},
    {C::ImgOptSleep, K::Button},
    {C::MarkL, K::MarkTick},
    {C::MarkR, K::MarkTick},
    {C::ImgCDmp3Libr, K::Button},
    {C::ImgTray, K::Button},
    {C::ImgMini, K::Button},
    {C::ImgVniz, K::Button},
    {C::ImgFullScreen, K::Button},
    {C::ImgClose, K::Button},
    {C::ImgRusArt, K::ArtistHeader},
    {C::ImgPolosaLeftArt, K::Strip},
    {C::ImgLsrtSortBy, K::SortBy, "SORT"},
    {C::ImgAlbAlboms, K::Header, "ALBUMS"},
    {C::ImgPolosaAlb, K::Strip},
    {C::ImgAblSortBy, K::SortBy, "SORT"},
    {C::ImgPlayListAZ, K::Header, "PLAYLIST"},
    {C::ImgPolosaPlist, K::Strip},
    {C::ImgPlistSortBy, K::SortBy, "SORT"},
    {C::ImgEng, K::ArtistHeader},
    {C::ImgingCenter, K::Strip},
    {C::ImgEngSortBy, K::SortBy, "SORT"},
    {C::ListBox1, K::LibraryList},
    {C::QelScrollerVr1, K::ListScroller},
    {C::ListBox3, K::LibraryList},
    {C::QelScrollerVr3, K::ListScroller},
    {C::ImgSongSongs, K::Header, "SONGS"},
    {C::ImgPolosaSong, K::Strip},
    {C::ImgSongSortBy, K::SortBy, "SORT"},
    {C::ListBox4, K::LibraryList},
    {C::QelScrollerVr4, K::ListScroller},
    {C::ImgLeftPlist, K::TabFrame},
    {C::ImgCenterPlist, K::TabFrame},
    {C::ImgRigthPlist, K::TabFrame},
    {C::Img2Pl1, K::Tabs, Tabs, "PL1"},
    {C::Img2CD, K::Tabs, Tabs, "CD"},
    {C::Img2PL2, K::Tabs, Tabs, "PL2"},
    {C::ListBox5, K::List},
    {C::QelScrollerVr5, K::ListScroller},
    {C::ListBox2, K::LibraryList},
    {C::QelScrollerVr2, K::ListScroller},
    {C::ImgPlayPause, K::Button},
    {C::ImgStop, K::Button},
    {C::ImgPrev, K::Button},
    {C::ImgNext, K::Button},
    {C::ImgAnStr, K::Button},
    {C::ImgAn, K::Button},
    {C::ImgVis, K::Button},
    {C::ImgVisStr, K::Button},
    {C::ImgCmdPref, K::Button},
    {C::CmdSearch, K::CommandLine, {}, "Command line and search line"},
    {C::PaintFrame, K::Analyser},
    {C::Gauge1, K::Gauge},
    {C::pnlSpectrum, K::Panel},
    {C::ImgRepStr, K::Button},
    {C::ImgRepeat, K::Button},
    {C::ImgUndo, K::Button},
    {C::ImgShuffle, K::Button},
    {C::ImgShuffStr, K::Button},
    {C::ImgHelp, K::Button},
    {C::ImgEqualizer, K::Button},
    {C::ImgLibrary, K::Button},
    {C::ImgPref, K::Button},
}};

// Lists lowest; the frame covers their ends, the headers sit on the frame, the controls on top.
int layer(PartKind kind) {
    switch (kind) {
    case K::List:
    case K::LibraryList:
    case K::ListScroller:
        return 0;
    case K::Frame:
        return 1;
    case K::Header:
    case K::Strip:
    case K::SortBy:
    case K::TabFrame:
    case K::ArtistHeader:
        return 2;
    case K::Tabs:
        return 3;
    default:
        return 4;
    }
}

QWidget* makePart(const PartSpec& spec, QWidget& window) {
    const QString caption = QString::fromUtf8(spec.caption.data(), qsizetype(spec.caption.size()));
    switch (spec.kind) {
    case K::Frame:
        return new SkinPiece(SkinPiece::Look::Frame, caption, &window);
    case K::Header:
        return new SkinPiece(SkinPiece::Look::Header, caption, &window);
    case K::Strip:
        return new SkinPiece(SkinPiece::Look::Strip, caption, &window);
    case K::SortBy:
        return new SkinPiece(SkinPiece::Look::SortBy, caption, &window);
    case K::TabFrame:
        return new SkinPiece(SkinPiece::Look::TabFrame, caption, &window);
    case K::Tabs:
        return new SkinPiece(SkinPiece::Look::Tabs, caption, &window);
    case K::ArtistHeader:
    case K::MarkTick:
    case K::Text: {
        auto* label = new QLabel(caption, &window);
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case K::Button:
        return new TMegaImage(&window);
    case K::List:
        return new TCListBox(&window);
    case K::LibraryList:
        return new TCListView(&window);
    case K::ListScroller:
        return new TQelScrollerVr(&window);
    case K::Bar:
        return new TQelScrollerH(&window);
    case K::Ticker:
        return new TickerStrip(&window);
    case K::CommandLine:
        return new QLineEdit(&window);
    case K::Analyser:
        return new AnalyserFrame(&window);
    case K::Gauge:
        return new QProgressBar(&window);
    case K::Panel:
        return new QFrame(&window);
    }
    return nullptr;
}

// Qt's own widgets among the parts name themselves by their text; without one they take their hint, else
// their control name, and follow the hint when a language file changes it.
class NameFromHint final : public QObject {
public:
    using QObject::QObject;
    static void name(QWidget& widget) {
        widget.setAccessibleName(widget.toolTip().isEmpty() ? widget.objectName() : widget.toolTip());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange)
            name(*static_cast<QWidget*>(watched));
        return false;
    }
};

bool namesItself(PartKind kind) {
    switch (kind) {
    case K::ArtistHeader:
    case K::MarkTick:
    case K::List:
    case K::LibraryList:
    case K::CommandLine:
    case K::Gauge:
    case K::Panel:
        return false;
    default:
        return true;
    }
}

} // namespace

const std::array<PartSpec, layout::kControlCount>& mainWindowParts() {
    return Parts;
}

bool isClickable(PartKind kind) {
    return kind == K::Button || kind == K::SortBy || kind == K::Header || kind == K::Tabs || kind == K::Text;
}

MainWindowParts::MainWindowParts(QWidget& window) {
    auto* namer = new NameFromHint(&window);
    std::array<const PartSpec*, layout::kControlCount> order;
    std::transform(Parts.begin(), Parts.end(), order.begin(), [](const PartSpec& spec) { return &spec; });
    std::stable_sort(order.begin(), order.end(),
                     [](const PartSpec* a, const PartSpec* b) { return layer(a->kind) < layer(b->kind); });
    for (const PartSpec* spec : order) {
        QWidget* widget = makePart(*spec, window);
        const std::string_view name = layout::controlName(spec->control);
        widget->setObjectName(QString::fromLatin1(name.data(), qsizetype(name.size())));
        if (!spec->hint.empty())
            widget->setToolTip(QString::fromUtf8(spec->hint.data(), qsizetype(spec->hint.size())));
        if (!namesItself(spec->kind)) {
            NameFromHint::name(*widget);
            widget->installEventFilter(namer);
        }
        widgets_[static_cast<std::size_t>(spec->control)] = widget;
    }
}

} // namespace kavrel::ui
