#pragma once
// TForm1, the main window: borderless and shaped, every control placed by the layout model, drawn from
// the skin. It routes input (user actions leave as signals, moves and resizes go through the layout
// model) and shows what the logic reports through its view adapters; it decides nothing itself.
//
// The composition root builds it with the program folder, binds the adapters to the logic and connects
// the signals. Main thread only.
#include "platform/fs/program_folder.h"
#include "ui/controls/c_list_box.h"
#include "ui/controls/c_list_view.h"
#include "ui/controls/mega_image.h"
#include "ui/controls/qel_scroller_h.h"
#include "ui/controls/qel_scroller_vr.h"
#include "ui/layout/main_window_layout.h"
#include "ui/windows/main/analyser_frame.h"
#include "ui/windows/main/main_window_look.h"
#include "ui/windows/main/main_window_parts.h"
#include "ui/windows/main/skin_piece.h"
#include "ui/windows/main/ticker_strip.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QWidget>
#include <optional>

namespace kavrel::ui {

namespace skin {
class SkinErrorReporter;
}

class TForm1 : public QWidget {
    Q_OBJECT
    using C = layout::Control;

public:
    // Loads the main window's skin set from the program folder's "Pictures"; a picture that cannot be
    // loaded goes to `skinErrors` (which outlives the window) and the controls keep their built-in pictures.
    TForm1(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
           QWidget* parent = nullptr);

    const layout::MainWindowLayout& layout() const { return layout_; }
    QWidget* part(layout::Control control) const { return parts_[control]; }

    // Fonts and colours of the lists from the settings.
    void applyLook(const MainWindowLook& look);
    const MainWindowLook& look() const { return look_; }

    // Start-up: the artist column mode first, then the saved layout and place.
    void setArtistColumns(ArtistColumns columns);
    void restoreLayout(const layout::SavedLayout& saved, layout::StartSize size,
                       layout::StartPosition position);
    layout::SavedLayout savedLayout() const { return layout_.saved(); }

    void toggleFullScreen();
    // The analyser in the command line's place (ImgAn's two states).
    void setAnalyserOn(bool on);
    bool analyserOn() const;
    // Rebuilds a shown analyser at the present size; a hidden one stays hidden.
    void restartAnalyser();
    void setAnalyserSource(AnalyserSource* source) { PaintFrame->setSource(source); }
    // StaticText2 (playlist time) or StaticText3 (size total) in their shared place.
    void showSizeTotal(bool sizeTotal);
    // The visible playlist tab picture (0 PL1, 1 CD, 2 PL2).
    void showTab(int tab);

    // Drag-over of a resize piece at a screen position, as the pointer delivers it; false when the
    // layout did not change. Public for the benchmark and the tests, which drive it without a pointer.
    bool resizeStep(layout::ResizePiece piece, QPoint globalPosition);
    // The piece was dropped: its next drag starts afresh and a shown analyser takes the new size.
    void resizeFinished(layout::ResizePiece piece);

signals:
    // A click on a clickable part (an image button, a sort chooser, a header, a tab, a time text); the
    // window has already done its own part (full screen, the analyser, the time text swap).
    void clicked(layout::Control control, QPoint globalPosition);
    // The time bar moved by the user (seeking begins) and released (seek to `seconds`).
    void timeSliderChanged(int seconds);
    void timeSliderReleased(int seconds);
    void volumeChanged(int volume);
    // The layout changed size (a resize step, full screen, an artist mode).
    void layoutChanged();
    // The window handed its move to the window system: a press on the frame or the title, or a click on
    // the corner.
    void systemMoveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void applyLayout();
    void place(layout::Control control, const layout::Rect& rect);
    void connectParts();
    void prepareParts();
    void loadSkin(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors);
    void showArtistHeaders();
    void startSystemMove();
    bool routeResizePiece(layout::ResizePiece piece, QEvent* event);
    bool routeClickablePart(QObject* watched, QEvent* event);
    void partClicked(layout::Control control, QPoint globalPosition);

    layout::MainWindowLayout layout_;
    // What the widgets show now, so a step touches only the controls it moved.
    std::optional<layout::LayoutTable> applied_;
    layout::Rect appliedClip_;
    MainWindowLook look_;
    ArtistColumns artistColumns_ = ArtistColumns::RussianLeftEnglishRight;
    std::optional<layout::ResizePiece> resizing_;
    bool resizedSincePress_ = false;
    QObject* pressedPart_ = nullptr;
    fs::ProgramFolder programFolder_;
    skin::SkinErrorReporter* skinErrors_;
    // Made first, so that the controls below can be fetched from it.
    MainWindowParts parts_{*this};

public:
    // The controls, by their names.
    SkinPiece* const ImgVerhLEvo = parts_.get<SkinPiece>(C::ImgVerhLEvo);
    SkinPiece* const ImgVerhCenter = parts_.get<SkinPiece>(C::ImgVerhCenter);
    SkinPiece* const ImgVerhPravo = parts_.get<SkinPiece>(C::ImgVerhPravo);
    SkinPiece* const imgLeftLine = parts_.get<SkinPiece>(C::imgLeftLine);
    SkinPiece* const imgRigthLine = parts_.get<SkinPiece>(C::imgRigthLine);
    SkinPiece* const ImgNizLevo = parts_.get<SkinPiece>(C::ImgNizLevo);
    SkinPiece* const ImgNizCenter = parts_.get<SkinPiece>(C::ImgNizCenter);
    SkinPiece* const ImgNizPravo = parts_.get<SkinPiece>(C::ImgNizPravo);
    TickerStrip* const Label3 = parts_.get<TickerStrip>(C::Label3);
    TMegaImage* const ImgMark = parts_.get<TMegaImage>(C::ImgMark);
    TQelScrollerH* const TimeSKRL = parts_.get<TQelScrollerH>(C::TimeSKRL);
    QLabel* const StaticText1 = parts_.get<QLabel>(C::StaticText1);
    QLabel* const StaticText2 = parts_.get<QLabel>(C::StaticText2);
    QLabel* const StaticText3 = parts_.get<QLabel>(C::StaticText3);
    TQelScrollerH* const VolumeSKRL = parts_.get<TQelScrollerH>(C::VolumeSKRL);
    TMegaImage* const ImgSleep = parts_.get<TMegaImage>(C::ImgSleep);
    TMegaImage* const ImgOptSleep = parts_.get<TMegaImage>(C::ImgOptSleep);
    QLabel* const MarkL = parts_.get<QLabel>(C::MarkL);
    QLabel* const MarkR = parts_.get<QLabel>(C::MarkR);
    TMegaImage* const ImgCDmp3Libr = parts_.get<TMegaImage>(C::ImgCDmp3Libr);
    TMegaImage* const ImgTray = parts_.get<TMegaImage>(C::ImgTray);
    TMegaImage* const ImgMini = parts_.get<TMegaImage>(C::ImgMini);
    TMegaImage* const ImgVniz = parts_.get<TMegaImage>(C::ImgVniz);
    TMegaImage* const ImgFullScreen = parts_.get<TMegaImage>(C::ImgFullScreen);
    TMegaImage* const ImgClose = parts_.get<TMegaImage>(C::ImgClose);
    QLabel* const ImgRusArt = parts_.get<QLabel>(C::ImgRusArt);
    SkinPiece* const ImgPolosaLeftArt = parts_.get<SkinPiece>(C::ImgPolosaLeftArt);
    SkinPiece* const ImgLsrtSortBy = parts_.get<SkinPiece>(C::ImgLsrtSortBy);
    SkinPiece* const ImgAlbAlboms = parts_.get<SkinPiece>(C::ImgAlbAlboms);
    SkinPiece* const ImgPolosaAlb = parts_.get<SkinPiece>(C::ImgPolosaAlb);
    SkinPiece* const ImgAblSortBy = parts_.get<SkinPiece>(C::ImgAblSortBy);
    SkinPiece* const ImgPlayListAZ = parts_.get<SkinPiece>(C::ImgPlayListAZ);
    SkinPiece* const ImgPolosaPlist = parts_.get<SkinPiece>(C::ImgPolosaPlist);
    SkinPiece* const ImgPlistSortBy = parts_.get<SkinPiece>(C::ImgPlistSortBy);
    QLabel* const ImgEng = parts_.get<QLabel>(C::ImgEng);
    SkinPiece* const ImgingCenter = parts_.get<SkinPiece>(C::ImgingCenter);
    SkinPiece* const ImgEngSortBy = parts_.get<SkinPiece>(C::ImgEngSortBy);
    TCListView* const ListBox1 = parts_.get<TCListView>(C::ListBox1);
    TQelScrollerVr* const QelScrollerVr1 = parts_.get<TQelScrollerVr>(C::QelScrollerVr1);
    TCListView* const ListBox3 = parts_.get<TCListView>(C::ListBox3);
    TQelScrollerVr* const QelScrollerVr3 = parts_.get<TQelScrollerVr>(C::QelScrollerVr3);
    SkinPiece* const ImgSongSongs = parts_.get<SkinPiece>(C::ImgSongSongs);
    SkinPiece* const ImgPolosaSong = parts_.get<SkinPiece>(C::ImgPolosaSong);
    SkinPiece* const ImgSongSortBy = parts_.get<SkinPiece>(C::ImgSongSortBy);
    TCListView* const ListBox4 = parts_.get<TCListView>(C::ListBox4);
    TQelScrollerVr* const QelScrollerVr4 = parts_.get<TQelScrollerVr>(C::QelScrollerVr4);
    SkinPiece* const ImgLeftPlist = parts_.get<SkinPiece>(C::ImgLeftPlist);
    SkinPiece* const ImgCenterPlist = parts_.get<SkinPiece>(C::ImgCenterPlist);
    SkinPiece* const ImgRigthPlist = parts_.get<SkinPiece>(C::ImgRigthPlist);
    SkinPiece* const Img2Pl1 = parts_.get<SkinPiece>(C::Img2Pl1);
    SkinPiece* const Img2CD = parts_.get<SkinPiece>(C::Img2CD);
    SkinPiece* const Img2PL2 = parts_.get<SkinPiece>(C::Img2PL2);
    TCListBox* const ListBox5 = parts_.get<TCListBox>(C::ListBox5);
    TQelScrollerVr* const QelScrollerVr5 = parts_.get<TQelScrollerVr>(C::QelScrollerVr5);
    TCListView* const ListBox2 = parts_.get<TCListView>(C::ListBox2);
    TQelScrollerVr* const QelScrollerVr2 = parts_.get<TQelScrollerVr>(C::QelScrollerVr2);
    TMegaImage* const ImgPlayPause = parts_.get<TMegaImage>(C::ImgPlayPause);
    TMegaImage* const ImgStop = parts_.get<TMegaImage>(C::ImgStop);
    TMegaImage* const ImgPrev = parts_.get<TMegaImage>(C::ImgPrev);
    TMegaImage* const ImgNext = parts_.get<TMegaImage>(C::ImgNext);
    TMegaImage* const ImgAnStr = parts_.get<TMegaImage>(C::ImgAnStr);
    TMegaImage* const ImgAn = parts_.get<TMegaImage>(C::ImgAn);
    TMegaImage* const ImgVis = parts_.get<TMegaImage>(C::ImgVis);
    TMegaImage* const ImgVisStr = parts_.get<TMegaImage>(C::ImgVisStr);
    TMegaImage* const ImgCmdPref = parts_.get<TMegaImage>(C::ImgCmdPref);
    QLineEdit* const CmdSearch = parts_.get<QLineEdit>(C::CmdSearch);
    AnalyserFrame* const PaintFrame = parts_.get<AnalyserFrame>(C::PaintFrame);
    QProgressBar* const Gauge1 = parts_.get<QProgressBar>(C::Gauge1);
    QFrame* const pnlSpectrum = parts_.get<QFrame>(C::pnlSpectrum);
    TMegaImage* const ImgRepStr = parts_.get<TMegaImage>(C::ImgRepStr);
    TMegaImage* const ImgRepeat = parts_.get<TMegaImage>(C::ImgRepeat);
    TMegaImage* const ImgUndo = parts_.get<TMegaImage>(C::ImgUndo);
    TMegaImage* const ImgShuffle = parts_.get<TMegaImage>(C::ImgShuffle);
    TMegaImage* const ImgShuffStr = parts_.get<TMegaImage>(C::ImgShuffStr);
    TMegaImage* const ImgHelp = parts_.get<TMegaImage>(C::ImgHelp);
    TMegaImage* const ImgEqualizer = parts_.get<TMegaImage>(C::ImgEqualizer);
    TMegaImage* const ImgLibrary = parts_.get<TMegaImage>(C::ImgLibrary);
    TMegaImage* const ImgPref = parts_.get<TMegaImage>(C::ImgPref);

    // Menu items the playback logic checks.
    QAction* const Enabled1;
    QAction* const mRepeatOneSong;
    QAction* const mRepeatAllPlayList;
};

} // namespace kavrel::ui
