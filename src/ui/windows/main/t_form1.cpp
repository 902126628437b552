#include "ui/windows/main/t_form1.h"

#include "ui/controls/picture_swaps.h"
#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_loader.h"
#include "ui/windows/common/window_shape.h"
#include "ui/windows/main/control_accessibility.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

namespace kavrel::ui {

namespace {

using C = layout::Control;

constexpr std::array ListsAndScrollers{
    std::pair{C::ListBox1, C::QelScrollerVr1}, std::pair{C::ListBox2, C::QelScrollerVr2},
    std::pair{C::ListBox3, C::QelScrollerVr3}, std::pair{C::ListBox4, C::QelScrollerVr4},
    std::pair{C::ListBox5, C::QelScrollerVr5}};

// Shown only with both artist columns.
constexpr std::array RightArtistColumn{C::ListBox2, C::ImgEng, C::ImgingCenter, C::ImgEngSortBy,
                                       C::QelScrollerVr2};

// The list scrolled by its scroller, and the scroller following the list scrolled by the wheel or its keys
// without reporting a user change.
template <class List> void scrollTogether(List* list, TQelScrollerVr* bar) {
    QObject::connect(bar, &TQelScroller::OnChange, list,
                     [list](QObject*, int position) { list->setTopIndex(position); });
    QObject::connect(list->verticalScrollBar(), &QScrollBar::valueChanged, bar,
                     [bar](int top) { bar->setPosition(top); });
}

QRect toQRect(const layout::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}
layout::Rect toRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

TForm1::TForm1(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), programFolder_(programFolder),
      skinErrors_(&skinErrors), Enabled1(new QAction(this)), mRepeatOneSong(new QAction(this)),
      mRepeatAllPlayList(new QAction(this)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Kavrel"));
    setColors(*this, palette::text, Qt::black);
    for (QAction* item : {Enabled1, mRepeatOneSong, mRepeatAllPlayList})
        item->setCheckable(true);
    Enabled1->setObjectName(QStringLiteral("Enabled1"));
    mRepeatOneSong->setObjectName(QStringLiteral("mRepeatOneSong"));
    mRepeatAllPlayList->setObjectName(QStringLiteral("mRepeatAllPlayList"));

    installControlAccessibility();
    prepareParts();
    loadSkin(programFolder_, skinErrors);
    connectParts();
    applyLook(look_);
    applyLayout();

    Label3->setText(QStringLiteral("Kavrel 1.0 TP 1"));
}

void TForm1::prepareParts() {
    for (const auto& [list, scroller] : ListsAndScrollers) {
        auto* bar = parts_.get<TQelScrollerVr>(scroller);
        parts_[list]->setFocusPolicy(Qt::StrongFocus);
        bar->setLargeChange(0);
        bar->setMax(0);
        if (list == C::ListBox5)
            scrollTogether(ListBox5, bar);
        else
            scrollTogether(parts_.get<TCListView>(list), bar);
    }
    for (TQelScrollerH* bar : {TimeSKRL, VolumeSKRL}) {
        bar->setThumbSize(38);
        bar->setRoundThumb(true);
        bar->setThumbShowText(true);
        bar->setColorBand(QColor(0x26, 0x27, 0x2c));
        bar->setColorThumb(palette::accentDeep);
    }
    TimeSKRL->setVkoef(0);
    TimeSKRL->setMax(0);
    VolumeSKRL->setVkoef(0.1);
    VolumeSKRL->setMax(1000);

    for (QLabel* text : {StaticText1, StaticText2, StaticText3}) {
        setColors(*text, palette::text, palette::frame);
        QFont font = text->font();
        font.setPixelSize(11);
        text->setFont(font);
    }
    StaticText3->hide();
    for (QLabel* tick : {MarkL, MarkR}) {
        setColors(*tick, palette::accent, palette::accent);
        tick->hide();
    }
    CmdSearch->setStyleSheet(
        QStringLiteral("background: black; color: #d2d2d2; border: 1px solid #45495a; font-size: 11px;"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{PaintFrame, Gauge1, pnlSpectrum})
        hidden->hide();
    Img2CD->setLitTab(1);
    Img2PL2->setLitTab(2);
    showTab(0);

    imgRigthLine->setCursor(Qt::SizeHorCursor);
    ImgNizCenter->setCursor(Qt::SizeVerCursor);
    ImgNizPravo->setCursor(Qt::SizeFDiagCursor);
    for (QWidget* piece : std::initializer_list<QWidget*>{imgRigthLine, ImgNizCenter, ImgNizPravo}) {
        piece->setMouseTracking(true);
        piece->installEventFilter(this);
    }
    for (QWidget* piece : std::initializer_list<QWidget*>{imgLeftLine, ImgVerhLEvo, Label3})
        piece->installEventFilter(this);
    for (const PartSpec& spec : mainWindowParts())
        if (isClickable(spec.kind) && spec.kind != PartKind::Button)
            parts_[spec.control]->installEventFilter(this);
}

void TForm1::loadSkin(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors) {
    skin::prepareSkinControls(*this, skin::mainWindowSkin());
    if (skin::loadSkinSet(*this, skin::mainWindowSkin(), skin::skinRootOf(programFolder), skinErrors))
        showArtistHeaders();
}

void TForm1::showArtistHeaders() {
    using namespace skin;
    const bool englishLeft = artistColumns_ == ArtistColumns::EnglishLeftRussianRight;
    if (artistColumns_ == ArtistColumns::Incorporated) {
        loadSkinPicture(*ImgRusArt, programFolder_, ArtistHeaderIncorporated, *skinErrors_);
        return;
    }
    if (loadSkinPicture(*ImgRusArt, programFolder_, englishLeft ? ArtistHeaderEnglish : ArtistHeaderRussian,
                        *skinErrors_))
        loadSkinPicture(*ImgEng, programFolder_, englishLeft ? ArtistHeaderRussian : ArtistHeaderEnglish,
                        *skinErrors_);
}

void TForm1::connectParts() {
    for (const PartSpec& spec : mainWindowParts()) {
        if (spec.kind != PartKind::Button)
            continue;
        const C control = spec.control;
        connect(parts_.get<TMegaImage>(control), &TMegaImage::clicked, this,
                [this, control] { partClicked(control, QCursor::pos()); });
    }
    connect(TimeSKRL, &TQelScroller::OnChange, this,
            [this](QObject*, int position) { emit timeSliderChanged(position); });
    connect(TimeSKRL, &TQelScroller::OnMouseUp, this,
            [this](QObject*, Qt::MouseButton) { emit timeSliderReleased(TimeSKRL->Position()); });
    connect(VolumeSKRL, &TQelScroller::OnChange, this,
            [this](QObject*, int position) { emit volumeChanged(position); });
}

void TForm1::partClicked(C control, QPoint globalPosition) {
    switch (control) {
    case C::ImgFullScreen:
        toggleFullScreen();
        break;
    case C::ImgAn:
        setAnalyserOn(!analyserOn());
        break;
    case C::StaticText2:
        showSizeTotal(true);
        break;
    case C::StaticText3:
        showSizeTotal(false);
        break;
    default:
        break;
    }
    emit clicked(control, globalPosition);
}

void TForm1::applyLook(const MainWindowLook& look) {
    look_ = look;
    for (std::size_t i = 0; i < ListsAndScrollers.size(); ++i) {
        auto* list = parts_.get<QListView>(ListsAndScrollers[i].first);
        list->setFont(look.lists[i].font);
        setColors(*list, look.lists[i].color, Qt::black);
        QPalette colors = list->palette();
        colors.setColor(QPalette::Highlight, palette::accentDeep.darker(150));
        colors.setColor(QPalette::HighlightedText, Qt::white);
        list->setPalette(colors);
    }
}

void TForm1::applyLayout() {
    const layout::LayoutTable& table = layout_.table();
    bool listHeightsChanged = !applied_;
    for (std::size_t i = 0; i < layout::kControlCount; ++i) {
        const auto control = static_cast<C>(i);
        if (applied_ && (*applied_)[control] == table[control])
            continue;
        place(control, table[control]);
        if (applied_ && (*applied_)[control].height != table[control].height)
            listHeightsChanged = true;
    }
    applied_ = table;

    for (C control : RightArtistColumn)
        parts_[control]->setVisible(layout_.separateArtists());
    const QRect window = toQRect(layout_.window());
    if (geometry() != window)
        setGeometry(window);
    if (layout_.clip() != appliedClip_ || mask().isEmpty()) {
        appliedClip_ = layout_.clip();
        setMask(roundedRegion(toQRect(appliedClip_), layout::Fit::cornerEllipse));
    }
    if (listHeightsChanged)
        for (const auto& [list, scroller] : ListsAndScrollers)
            parts_.get<TQelScrollerVr>(scroller)->setMax(layout::listScrollerMaximum(
                parts_.get<QListView>(list)->model()->rowCount(), table[list].height));
}

void TForm1::place(C control, const layout::Rect& r) {
    QWidget* widget = parts_[control];
    if (qobject_cast<TMegaImage*>(widget)) {
        widget->move(r.left, r.top); // image buttons take the size of their pictures
    } else if (control == C::MarkL || control == C::MarkR) {
        widget->setGeometry(widget->x(), r.top, r.width, r.height); // the playback logic places them along
    } else {
        widget->setGeometry(toQRect(r));
    }
}

void TForm1::setArtistColumns(ArtistColumns columns) {
    artistColumns_ = columns;
    if (layout_.setSeparateArtists(columns != ArtistColumns::Incorporated)) {
        applyLayout();
        restartAnalyser();
        emit layoutChanged();
    }
    showArtistHeaders();
}

void TForm1::restoreLayout(const layout::SavedLayout& saved, layout::StartSize size,
                           layout::StartPosition position) {
    std::vector<layout::Rect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(toRect(screen->geometry()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    layout_.restore(saved, size, position, primary ? toRect(primary->geometry()) : layout::Rect{}, screens);
    applyLayout();
    emit layoutChanged();
}

void TForm1::toggleFullScreen() {
    const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!on)
        return;
    layout_.toggleFullScreen(toRect(on->geometry()));
    applyLayout();
    restartAnalyser();
    emit layoutChanged();
}

bool TForm1::analyserOn() const {
    return isToggleOn(*ImgAn);
}

void TForm1::setAnalyserOn(bool on) {
    if (on && PaintFrame->source() && !PaintFrame->source()->hasSpectrum())
        on = false;
    // Both agree unless the spectrum timer is held (an engine switch): the button's state is then the truth.
    if (on == analyserOn() && on == PaintFrame->running())
        return;
    setToggleOn(*ImgAn, on);
    const bool onPanel = PaintFrame->source() && PaintFrame->source()->drawsOnPanel();
    CmdSearch->setVisible(!on);
    PaintFrame->setVisible(on && !onPanel);
    pnlSpectrum->setVisible(on && onPanel);
    if (on)
        PaintFrame->start();
    else
        PaintFrame->stop();
}

void TForm1::restartAnalyser() {
    if (!analyserOn())
        return;
    setAnalyserOn(false);
    setAnalyserOn(true);
}

void TForm1::showSizeTotal(bool sizeTotal) {
    StaticText2->setVisible(!sizeTotal);
    StaticText3->setVisible(sizeTotal);
}

void TForm1::showTab(int tab) {
    Img2Pl1->setVisible(tab == 0);
    Img2CD->setVisible(tab == 1);
    Img2PL2->setVisible(tab == 2);
}

} // namespace kavrel::ui
