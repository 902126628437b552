#include "ui/windows/shell/shell_binding.h"

#include "ui/controls/picture_swaps.h"

#include <QActionGroup>
#include <QApplication>

namespace kavrel::ui {

using C = layout::Control;

ShellBinding::ShellBinding(TForm1& window, core::Application& application, shell::GlobalHotkeys& hotkeys,
                           shell::TrayIcon& tray)
    : Afterendplaylist1(SleepOptions.addAction(QStringLiteral("After end playlist"))),
      AfterendTimer1(SleepOptions.addAction(QStringLiteral("After end Timer"))), window_(window),
      application_(application), hotkeys_(hotkeys), windows_(window),
      tray_(tray, windows_, kTrayTip, [&application] { application.quit(); }),
      actions_(application.playback(), windows_, tray_) {
    SleepOptions.setObjectName(QStringLiteral("SleepOptions"));
    Afterendplaylist1->setObjectName(QStringLiteral("Afterendplaylist1"));
    AfterendTimer1->setObjectName(QStringLiteral("AfterendTimer1"));
    // Exclusive: a click on the unchecked item checks it and unchecks the other, one on the checked item
    // changes nothing.
    auto* options = new QActionGroup(&SleepOptions);
    for (QAction* item : {Afterendplaylist1, AfterendTimer1}) {
        item->setCheckable(true);
        options->addAction(item);
    }
    Afterendplaylist1->setChecked(application.playbackState().session.sleepAfterEndPlaylist);
    AfterendTimer1->setEnabled(false);
    connect(Afterendplaylist1, &QAction::toggled, this, [&application](bool checked) {
        application.playbackState().session.sleepAfterEndPlaylist = checked;
    });

    connect(&window_, &TForm1::clicked, this, &ShellBinding::clicked);
    hotkeys_.setHandler([this](shell::Hotkey key) { actions_.press(key); });
    // On the application: the window sees keys before its controls, as a key preview does.
    qApp->installEventFilter(this);
}

ShellBinding::~ShellBinding() {
    qApp->removeEventFilter(this);
    hotkeys_.setHandler({});
}

void ShellBinding::attachMini(PlayerWindows& windows) { windows_.attachMini(windows); }

void ShellBinding::miniToTray() { tray_.hideFromMini(); }

void ShellBinding::clicked(C control, QPoint globalPosition) {
    switch (control) {
    case C::ImgTray:
        tray_.hideFromMain();
        break;
    case C::ImgSleep:
        sleepButtonClick();
        break;
    case C::ImgOptSleep:
        SleepOptions.popup(globalPosition);
        break;
    default:
        break;
    }
}

void ShellBinding::sleepButtonClick() {
    int& button = application_.playbackState().session.sleepButton;
    button = button == playlist::kButtonOff ? playlist::kButtonOn : playlist::kButtonOff;
    setToggleOn(*window_.ImgSleep, button == playlist::kButtonOn);
}

} // namespace kavrel::ui
