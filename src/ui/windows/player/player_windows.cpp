#include "ui/windows/player/player_windows.h"

#include "ui/layout/screen_placement.h"
#include "ui/windows/common/window_shape.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/main/t_form1.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <vector>

namespace kavrel::ui {

namespace {

layout::Rect toRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

std::vector<layout::Rect> screenRects() {
    std::vector<layout::Rect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(toRect(screen->geometry()));
    return screens;
}

QRect screenOf(const QWidget& window) {
    if (const QScreen* screen = window.screen())
        return screen->geometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry() : QRect();
}

// `wanted` when the window can be seen and grabbed there, else the window centred on the primary screen.
QPoint reachable(const QWidget& window, QPoint wanted) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const std::vector<layout::Rect> screens = screenRects();
    const layout::Point place =
        layout::reachablePosition({wanted.x(), wanted.y()}, window.width(), window.height(), screens,
                                  primary ? toRect(primary->geometry()) : layout::Rect{});
    return {place.x, place.y};
}

} // namespace

PlayerWindows::PlayerWindows(TForm1& main, playlist::PlaylistView& mainView, core::Application& application,
                             skin::SkinErrorReporter& skinErrors)
    : main_(main), application_(application), miniPort_(application.playback()),
      nerixPort_(application.playback(), application.editor()),
      equalizerPort_(application.engineSettings(), application.facade(), application.equalizer()),
      equalizer_(application.programFolder(), skinErrors, equalizerPort_),
      mini_(application.programFolder(), skinErrors, miniPort_),
      nerix_(application.programFolder(), skinErrors, nerixPort_),
      view_(mainView, mini_, nerix_), languageWindows_{.main = &main, .mini = &mini_},
      miniToTray_([&main] { main.showMinimized(); }) {
    application_.bindPlaylistView(&view_);
    shareMouseState(&scrollerMouse_);

    mini_.setMiniPlaylist(&nerix_);
    connect(&main_, &TForm1::clicked, this,
            [this](layout::Control control, QPoint) { mainClicked(control); });
    connect(&mini_, &TMinFrm::mainWindowRequested, this, &PlayerWindows::showMainWindow);
    connect(&mini_, &TMinFrm::trayRequested, this, [this] { miniToTray_(); });
    connect(&mini_, &TMinFrm::closeRequested, this, [this] { application_.quit(); });
    mini_.installEventFilter(this);
}

PlayerWindows::~PlayerWindows() {
    mini_.removeEventFilter(this);
    application_.bindPlaylistView(nullptr);
    // The main window's scrollers outlive the flag.
    shareMouseState(nullptr);
}

void PlayerWindows::shareMouseState(ScrollerMouseState* state) {
    for (QWidget* window : std::initializer_list<QWidget*>{&main_, &equalizer_, &mini_, &nerix_})
        for (TQelScroller* scroller : window->findChildren<TQelScroller*>())
            scroller->setMouseState(state);
}

void PlayerWindows::applySettings(lang::LanguageErrorReporter& languageErrors) {
    const core::TConfRecord& settings = application_.settings();
    view_.setPlayingRowColour(mainWindowLookOf(settings).playingRow);
    equalizer_.applyStartup(application_.equalizer(), settings.EqualizerEnabled != 0);
    applyLanguage(settings.GLanguage, languageErrors);
}

void PlayerWindows::applyLanguage(int languageIndex, lang::LanguageErrorReporter& errors) {
    lang::applyLanguage(application_.programFolder(), languageIndex, languageWindows_, errors);
}

void PlayerWindows::showAtStart() {
    main_.show();
}

void PlayerWindows::switchToMini() {
    nerix_.resetScroller(main_.QelScrollerVr5->Max());
    // At the top edge of the main window's screen, until the user moves it; back there when its place
    // can no longer be seen (a monitor unplugged).
    const std::vector<layout::Rect> screens = screenRects();
    if (!miniPlaced_ || (!screens.empty() && !layout::isReachable(toRect(mini_.frameGeometry()), screens))) {
        const QRect screen = screenOf(main_);
        mini_.move(screen.x() + (screen.width() - mini_.width()) / 2, screen.y());
        miniPlaced_ = true;
    }
    mini_.show();
    main_.hide();
}

void PlayerWindows::showMainWindow() {
    mini_.hidePlaylist();
    mini_.hide();
    main_.showNormal();
    main_.raise();
    main_.activateWindow();
    // A shown equalizer stays above the main window, with or without a window manager to keep it there.
    reassertTopMost(equalizer_);
}

void PlayerWindows::showEqualizer() {
    // Over the main window the first time, then where the user leaves it, as long as it can be reached.
    QPoint wanted = equalizer_.pos();
    if (!equalizerPlaced_) {
        const QRect over = main_.frameGeometry();
        wanted = over.topLeft() +
                 QPoint((over.width() - equalizer_.width()) / 2, (over.height() - equalizer_.height()) / 2);
        equalizerPlaced_ = true;
    }
    equalizer_.move(reachable(equalizer_, wanted));
    equalizer_.show();
    equalizer_.raise();
    equalizer_.activateWindow();
}

void PlayerWindows::mainClicked(layout::Control control) {
    switch (control) {
    case layout::Control::ImgMini:
        switchToMini();
        break;
    case layout::Control::ImgEqualizer:
        // The outside player shows its own (the main window's binding); FMOD has none.
        if (application_.settings().En_Bass)
            showEqualizer();
        break;
    default:
        break;
    }
}

bool PlayerWindows::eventFilter(QObject* watched, QEvent* event) {
    // Closed by the window manager while it stands in for the main window: the same quit as its close button.
    if (watched == &mini_ && event->type() == QEvent::Close)
        application_.quit();
    return QObject::eventFilter(watched, event);
}

} // namespace kavrel::ui
