#pragma once
// TMinFrm, the mini player: a one-line, borderless, always-on-top strip at the top of the screen that
// stands in for the main window. It routes clicks, keys and the two bars to the playback logic through
// its port and shows what the logic reports; going back to the main window, to the tray and closing
// leave as signals the composition root connects.
#include "platform/fs/program_folder.h"
#include "ui/controls/mega_image.h"
#include "ui/controls/qel_scroller_h.h"
#include "ui/windows/main/ticker_strip.h"
#include "ui/windows/mini/mini_player_port.h"

#include <QLabel>
#include <QWidget>

namespace kavrel::ui {

namespace skin {
class SkinErrorReporter;
}

class TMinFrm : public QWidget {
    Q_OBJECT
public:
    static constexpr int VolumeStep = 110;

    TMinFrm(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors, MiniPlayerPort& port,
            QWidget* parent = nullptr);

    // The mini playlist this window drops down and hides.
    void setMiniPlaylist(QWidget* miniPlaylist) { miniPlaylist_ = miniPlaylist; }
    // ImgPls: hides a shown mini playlist, else shows it under this window.
    void togglePlaylist();
    void hidePlaylist();
    // Where ImgPls puts the mini playlist's top-left.
    QPoint playlistPlace() const;

    // What the playback logic shows here.
    void setTimeText(const QString& trackTime, const QString& playlistTime);
    void setPlaying(bool playing);
    void setTimeMaximum(int seconds);
    void setTimePosition(int seconds);
    void setVolumePosition(int volume);

signals:
    // ImgNormal and Alt+Up, after this window and the mini playlist are hidden.
    void mainWindowRequested();
    // ImgTray and Alt+Down, after this window and the mini playlist are hidden.
    void trayRequested();
    // ImgClose: save the state as on exit and end the program.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectButtons();
    bool handleKey(const QKeyEvent& key);
    void leaveFor(void (TMinFrm::*request)());
    void stepVolume(int direction);

    MiniPlayerPort& port_;
    QWidget* miniPlaylist_ = nullptr;

public:
    QLabel* const Imgfon;
    QLabel* const ImgLeft;
    QLabel* const ImgRigth;
    TMegaImage* const ImgPlayPause;
    TMegaImage* const ImgStop;
    TMegaImage* const ImgPrew;
    TMegaImage* const ImgNext;
    TickerStrip* const Label3;
    QLabel* const StaticText1;
    TMegaImage* const ImgPls;
    TQelScrollerH* const SCRLtimeMIN;
    TQelScrollerH* const SCRLvolumeMIN;
    TMegaImage* const ImgTray;
    TMegaImage* const ImgNormal;
    TMegaImage* const ImgMinimize;
    TMegaImage* const ImgClose;
};

} // namespace kavrel::ui
