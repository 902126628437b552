#include "ui/windows/mini/player_windows_view.h"

#include "ui/windows/common/qt_texts.h"
#include "ui/windows/main/main_window_look.h"
#include "ui/windows/mini/t_min_frm.h"
#include "ui/windows/nerix/t_nerix.h"

namespace kavrel::ui {

namespace {

// The playing row's second colour, kept with the mark.
constexpr int PlayingRowSecondColour = 16777215;

} // namespace

PlayerWindowsView::PlayerWindowsView(playlist::PlaylistView& mainView, TMinFrm& mini, TNerix& nerix)
    : main_(mainView), mini_(mini), nerix_(nerix), playingRow_(MainWindowLook().playingRow) {}

void PlayerWindowsView::clearItems() {
    main_.clearItems();
    nerix_.ListBox6->clear();
}

void PlayerWindowsView::appendItem(const std::string& text) {
    main_.appendItem(text);
    nerix_.ListBox6->addItem(qtText(text));
}

void PlayerWindowsView::appendItems(const std::vector<std::string>& texts) {
    main_.appendItems(texts);
    nerix_.ListBox6->addItems(qtTexts(texts));
}

void PlayerWindowsView::setItem(int position, const std::string& text) {
    main_.setItem(position, text);
    TCListBox& list = *nerix_.ListBox6;
    if (position >= list.count())
        list.addItem(qtText(text));
    else if (QListWidgetItem* item = list.item(position))
        item->setText(qtText(text));
}

void PlayerWindowsView::removeLastItem() {
    main_.removeLastItem();
    if (const int count = nerix_.ListBox6->count(); count > 0)
        delete nerix_.ListBox6->takeItem(count - 1);
}

void PlayerWindowsView::markPlayingRow(int row, std::string_view word) {
    main_.markPlayingRow(row, word);
    nerix_.ListBox6->SetItemFont(row > 0 ? row - 1 : TCListBox::NoMarkedRow, playingRow_,
                                 QString::fromUtf8(word.data(), qsizetype(word.size())),
                                 PlayingRowSecondColour);
    nerix_.ListBox6->viewport()->update();
}

void PlayerWindowsView::selectItem(int position) {
    main_.selectItem(position);
    nerix_.ListBox6->setCurrentRow(position);
}

void PlayerWindowsView::setScrollerRange(int maximum) {
    main_.setScrollerRange(maximum);
    // Rows added or removed while the mini playlist shows keep its range with the main one.
    nerix_.QelScrollerVr6->setMax(maximum);
}

void PlayerWindowsView::setTimeTexts(const std::string& trackTime, const std::string& playlistTime) {
    main_.setTimeTexts(trackTime, playlistTime);
    if (mini_.isVisible())
        mini_.setTimeText(qtText(trackTime), qtText(playlistTime));
}

void PlayerWindowsView::setWindowTitle(const std::string& title) {
    // The mini player stands in for the main window on the task bar, so it names what plays as well.
    main_.setWindowTitle(title);
    mini_.setWindowTitle(qtText(title));
}

void PlayerWindowsView::setTickerText(const std::string& text) {
    // Each title strip scrolls only while its window shows.
    main_.setTickerText(text);
    mini_.Label3->setText(qtText(text));
}

void PlayerWindowsView::setPlayButton(int picture, int state) {
    main_.setPlayButton(picture, state);
    mini_.setPlaying(picture == 4);
}

void PlayerWindowsView::setTimeSliderMaximum(int seconds) {
    main_.setTimeSliderMaximum(seconds);
    mini_.setTimeMaximum(seconds);
}

void PlayerWindowsView::setTimeSlider(int seconds) {
    main_.setTimeSlider(seconds);
    mini_.setTimePosition(seconds);
}

void PlayerWindowsView::setVolumeSliders(int volume) {
    main_.setVolumeSliders(volume);
    mini_.setVolumePosition(volume);
}

} // namespace kavrel::ui
