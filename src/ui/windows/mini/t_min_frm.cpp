#include "ui/windows/mini/t_min_frm.h"

#include "ui/controls/picture_swaps.h"
#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_loader.h"
#include "ui/skin/skin_tables.h"
#include "ui/windows/common/named_child.h"
#include "ui/windows/common/window_shape.h"
#include "ui/windows/main/control_accessibility.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace kavrel::ui {

namespace {

const QColor Band = colorFromRgbValue(5920431);
const QColor TimeInk = colorFromRgbValue(13816530);
const QColor TimeThumb = colorFromRgbValue(4210752);
constexpr QRect Strip{10, 2, 673, 24};
constexpr QRect LeftCap{2, 2, 8, 24};
constexpr QRect RightCap{682, 2, 11, 24};
constexpr int CornerEllipse = 5;
// The time text's font sizes in pixels: the largest that shows the whole text in its place.
constexpr int TimeTextLargest = 11;
constexpr int TimeTextSmallest = 7;

QLabel* piece(QWidget* parent, const char* name, const QRect& at) {
    auto* label = namedChild<QLabel>(parent, name);
    label->setGeometry(at);
    label->setScaledContents(true);
    setColors(*label, TimeInk, Band);
    return label;
}

TMegaImage* button(QWidget* parent, const char* name, int left, int top) {
    auto* image = namedChild<TMegaImage>(parent, name);
    image->move(left, top);
    return image;
}

TQelScrollerH* bar(QWidget* parent, const char* name, const QRect& at, int max, const QColor& thumb) {
    auto* scroller = namedChild<TQelScrollerH>(parent, name);
    scroller->setGeometry(at);
    scroller->setMax(max);
    scroller->setThumbSize(25);
    scroller->setColorThumb(thumb);
    scroller->setColorBand(Band);
    return scroller;
}

// A long playlist's time text keeps every digit inside the label by taking a smaller size.
void fitTimeText(QLabel& label) {
    QFont font = label.font();
    int size = TimeTextLargest;
    font.setPixelSize(size);
    while (size > TimeTextSmallest && QFontMetrics(font).horizontalAdvance(label.text()) > label.width())
        font.setPixelSize(--size);
    label.setFont(font);
}

} // namespace

TMinFrm::TMinFrm(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
                 MiniPlayerPort& port, QWidget* parent)
    : QWidget(parent), port_(port), Imgfon(piece(this, "Imgfon", Strip)),
      ImgLeft(piece(this, "ImgLeft", LeftCap)), ImgRigth(piece(this, "ImgRigth", RightCap)),
      ImgPlayPause(button(this, "ImgPlayPause", 11, 6)), ImgStop(button(this, "ImgStop", 29, 6)),
      ImgPrew(button(this, "ImgPrew", 47, 6)), ImgNext(button(this, "ImgNext", 65, 6)),
      Label3(namedChild<TickerStrip>(this, "Label3")), StaticText1(namedChild<QLabel>(this, "StaticText1")),
      ImgPls(button(this, "ImgPls", 455, 6)),
      SCRLtimeMIN(bar(this, "SCRLtimeMIN", {476, 7, 141, 8}, 100, TimeThumb)),
      SCRLvolumeMIN(bar(this, "SCRLvolumeMIN", {476, 13, 141, 9}, 1000, Qt::black)),
      ImgTray(button(this, "ImgTray", 617, 5)), ImgNormal(button(this, "ImgNormal", 634, 5)),
      ImgMinimize(button(this, "ImgMinimize", 652, 5)), ImgClose(button(this, "ImgClose", 670, 5)) {
    installControlAccessibility();
    setObjectName(QStringLiteral("TMinFrm"));
    // The one window of the program while it shows, so it keeps a task-bar entry.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Kavrel"));
    setColors(*this, TimeInk, Qt::black);
    setFixedSize(Strip.right() + 1 + 50, Strip.bottom() + 1 + 20);

    Label3->setGeometry(82, 7, 221, 13);
    Label3->setColours(TimeInk, Band);
    StaticText1->setGeometry(303, 7, 149, 15);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setText(QStringLiteral("0:00/0:00...0:00/0:00"));
    fitTimeText(*StaticText1);
    setColors(*StaticText1, TimeInk, Band);
    SCRLvolumeMIN->setToolTip(QStringLiteral("Volume (Win + Up/Down)"));
    for (QLabel* picture : {Imgfon, ImgLeft, ImgRigth})
        picture->lower();

    skin::prepareSkinControls(*this, skin::miniPlayerSkin());
    skin::loadSkinSet(*this, skin::miniPlayerSkin(), skin::skinRootOf(programFolder), skinErrors);
    setMask(roundedRegion(QRect(QPoint(LeftCap.left() + 1, LeftCap.top() + 1), RightCap.bottomRight()),
                          CornerEllipse));
    move(x(), 0);

    connectButtons();
    nameNamelessControls(*this);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TMinFrm::connectButtons() {
    connect(ImgPlayPause, &TMegaImage::clicked, this, [this] { port_.playPause(); });
    const auto whenListed = [this](void (MiniPlayerPort::*action)()) {
        return [this, action] {
            if (port_.trackCount() > 0)
                (port_.*action)();
        };
    };
    connect(ImgStop, &TMegaImage::clicked, this, whenListed(&MiniPlayerPort::stop));
    connect(ImgPrew, &TMegaImage::clicked, this, whenListed(&MiniPlayerPort::previous));
    connect(ImgNext, &TMegaImage::clicked, this, whenListed(&MiniPlayerPort::next));
    connect(ImgPls, &TMegaImage::clicked, this, &TMinFrm::togglePlaylist);
    connect(ImgNormal, &TMegaImage::clicked, this, [this] { leaveFor(&TMinFrm::mainWindowRequested); });
    connect(ImgTray, &TMegaImage::clicked, this, [this] { leaveFor(&TMinFrm::trayRequested); });
    connect(ImgClose, &TMegaImage::clicked, this, &TMinFrm::closeRequested);

    connect(SCRLtimeMIN, &TQelScrollerH::OnChange, this, [this](QObject*, int position) {
        port_.timeSliderChanged();
        // A key moves the bar with no release to follow, so it seeks at once.
        if (!SCRLtimeMIN->MouseUpm())
            port_.timeSliderReleased(position);
    });
    connect(SCRLtimeMIN, &TQelScrollerH::OnMouseUp, this,
            [this](QObject*, Qt::MouseButton) { port_.timeSliderReleased(SCRLtimeMIN->Position()); });
    connect(SCRLvolumeMIN, &TQelScrollerH::OnChange, this,
            [this](QObject*, int position) { port_.setVolume(position); });
}

void TMinFrm::leaveFor(void (TMinFrm::*request)()) {
    hidePlaylist();
    hide();
    emit(this->*request)();
}

void TMinFrm::togglePlaylist() {
    if (!miniPlaylist_)
        return;
    if (miniPlaylist_->isVisible()) {
        miniPlaylist_->hide();
        return;
    }
    miniPlaylist_->move(playlistPlace());
    miniPlaylist_->show();
}

void TMinFrm::hidePlaylist() {
    if (miniPlaylist_)
        miniPlaylist_->hide();
}

QPoint TMinFrm::playlistPlace() const {
    return {x() + StaticText1->x() - 15, y() + height() - 20};
}

void TMinFrm::setTimeText(const QString& trackTime, const QString& playlistTime) {
    StaticText1->setText(trackTime + QStringLiteral("...") + playlistTime);
    fitTimeText(*StaticText1);
}

void TMinFrm::setPlaying(bool playing) {
    if (playing)
        showPlayingLook(*ImgPlayPause);
    else
        showPlayLook(*ImgPlayPause);
}

void TMinFrm::setTimeMaximum(int seconds) {
    SCRLtimeMIN->setMax(seconds);
}

void TMinFrm::setTimePosition(int seconds) {
    SCRLtimeMIN->setPosition(seconds);
}

void TMinFrm::setVolumePosition(int volume) {
    SCRLvolumeMIN->setPosition(volume);
}

void TMinFrm::stepVolume(int direction) {
    const int position = SCRLvolumeMIN->Position();
    if (direction > 0 ? position < SCRLvolumeMIN->Max() : position > 0)
        port_.setVolume(position + direction * VolumeStep);
}

bool TMinFrm::handleKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const int code = key.key();
    if (code == Qt::Key_Pause && held == Qt::NoModifier) {
        port_.pauseResume();
    } else if (held == Qt::ControlModifier && code == Qt::Key_Right) {
        port_.next();
    } else if (held == Qt::ControlModifier && code == Qt::Key_Left) {
        port_.previous();
    } else if (held == Qt::ControlModifier && (code == Qt::Key_Up || code == Qt::Key_Down)) {
        stepVolume(code == Qt::Key_Up ? 1 : -1);
    } else if (held == Qt::AltModifier && code == Qt::Key_Up) {
        leaveFor(&TMinFrm::mainWindowRequested);
    } else if (held == Qt::AltModifier && code == Qt::Key_Down) {
        leaveFor(&TMinFrm::trayRequested);
    } else {
        return false;
    }
    return true;
}

bool TMinFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return handleKey(*static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    if (watched == Imgfon || watched == StaticText1)
        hidePlaylist();
    if (watched == Imgfon || watched == ImgLeft || watched == ImgRigth || watched == Label3 ||
        watched == StaticText1) {
        startSystemMove(*this);
        return true;
    }
    return false;
}

void TMinFrm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        hidePlaylist();
    QWidget::mousePressEvent(event);
}

void TMinFrm::showEvent(QShowEvent* event) {
    reassertTopMost(*this);
    QWidget::showEvent(event);
}

} // namespace kavrel::ui
