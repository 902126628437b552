#include "ui/windows/main/main_window_playlist_view.h"

#include "platform/text/numbers.h"
#include "ui/controls/picture_swaps.h"
#include "ui/windows/common/qt_texts.h"
#include "ui/windows/main/t_form1.h"

namespace kavrel::ui {

namespace {

using C = layout::Control;

// The playing row's second colour, kept with the mark.
constexpr int PlayingRowSecondColour = 16777215;

} // namespace

MainWindowPlaylistView::MainWindowPlaylistView(TForm1& window)
    : window_(window), rowHint_(new RowHintPopup(window.ListBox5->viewport())) {}

int MainWindowPlaylistView::itemCount() const {
    return window_.ListBox5->count();
}

void MainWindowPlaylistView::clearItems() {
    window_.ListBox5->clear();
}

void MainWindowPlaylistView::appendItem(const std::string& text) {
    window_.ListBox5->addItem(qtText(text));
}

void MainWindowPlaylistView::appendItems(const std::vector<std::string>& texts) {
    window_.ListBox5->addItems(qtTexts(texts));
}

void MainWindowPlaylistView::setItem(int position, const std::string& text) {
    if (position >= window_.ListBox5->count())
        window_.ListBox5->addItem(qtText(text));
    else if (QListWidgetItem* item = window_.ListBox5->item(position))
        item->setText(qtText(text));
}

void MainWindowPlaylistView::removeLastItem() {
    if (const int count = window_.ListBox5->count(); count > 0)
        delete window_.ListBox5->takeItem(count - 1);
}

void MainWindowPlaylistView::markPlayingRow(int row, std::string_view word) {
    window_.ListBox5->SetItemFont(row > 0 ? row - 1 : TCListBox::NoMarkedRow, window_.look().playingRow,
                                  QString::fromUtf8(word.data(), qsizetype(word.size())),
                                  PlayingRowSecondColour);
    window_.ListBox5->viewport()->update();
}

void MainWindowPlaylistView::selectItem(int position) {
    window_.ListBox5->setCurrentRow(position);
}

int MainWindowPlaylistView::visibleRows() const {
    return int(
        text::roundHalfEven(double(window_.layout().table()[C::ListBox5].height) / layout::kRowHeight));
}

void MainWindowPlaylistView::setScrollerRange(int maximum) {
    window_.QelScrollerVr5->setMax(maximum);
}

void MainWindowPlaylistView::setScrollerPosition(int position) {
    window_.QelScrollerVr5->setPosition(position);
    window_.ListBox5->setTopIndex(position);
}

void MainWindowPlaylistView::setSizeTotalText(const std::string& text) {
    window_.StaticText3->setText(qtText(text));
}

void MainWindowPlaylistView::setTimeTexts(const std::string& trackTime, const std::string& playlistTime) {
    window_.StaticText1->setText(qtText(trackTime));
    window_.StaticText2->setText(qtText(playlistTime));
}

void MainWindowPlaylistView::setWindowTitle(const std::string& title) {
    window_.setWindowTitle(qtText(title));
}

void MainWindowPlaylistView::setTickerText(const std::string& text) {
    window_.Label3->setText(qtText(text));
}

void MainWindowPlaylistView::setPlayButton(int picture, int) {
    if (picture == 4)
        showPlayingLook(*window_.ImgPlayPause);
    else
        showPlayLook(*window_.ImgPlayPause);
}

void MainWindowPlaylistView::setRepeatButton(int state) {
    setToggleOn(*window_.ImgRepeat, state == 2);
}

void MainWindowPlaylistView::setCheck(playlist::Check item, bool checked) {
    switch (item) {
    case playlist::Check::QuickPlayEnabled:
        window_.Enabled1->setChecked(checked);
        break;
    case playlist::Check::RepeatOneSong:
        window_.mRepeatOneSong->setChecked(checked);
        break;
    case playlist::Check::RepeatAllPlayList:
        window_.mRepeatAllPlayList->setChecked(checked);
        break;
    }
}

void MainWindowPlaylistView::setTimeSliderMaximum(int seconds) {
    window_.TimeSKRL->setMax(seconds);
}

void MainWindowPlaylistView::setTimeSlider(int seconds) {
    window_.TimeSKRL->setPosition(seconds);
}

void MainWindowPlaylistView::setVolumeSliders(int volume) {
    window_.VolumeSKRL->setPosition(volume);
}

playlist::PlaylistView::SliderGeometry MainWindowPlaylistView::timeSliderGeometry() const {
    const layout::Rect& bar = window_.layout().table()[C::TimeSKRL];
    return {bar.left, bar.width};
}

int MainWindowPlaylistView::markLabelWidth(playlist::MarkLabel label) const {
    return window_.layout().table()[label == playlist::MarkLabel::Left ? C::MarkL : C::MarkR].width;
}

void MainWindowPlaylistView::showMarkLabel(playlist::MarkLabel label, int left) {
    QLabel* tick = label == playlist::MarkLabel::Left ? window_.MarkL : window_.MarkR;
    tick->move(left, tick->y());
    tick->show();
    tick->raise();
}

void MainWindowPlaylistView::hideMarkLabels() {
    window_.MarkL->hide();
    window_.MarkR->hide();
}

// `row` is 1-based. The hint covers the row itself: one pixel left of the list, three above the row.
void MainWindowPlaylistView::showRowHint(const std::string& text, int row) {
    const TCListBox& list = *window_.ListBox5;
    const QPoint rowTop =
        list.viewport()->mapTo(&list, QPoint(0, (row - 1 - list.topIndex()) * TCListBox::RowHeight));
    rowHint_->request(qtText(text), list.mapToGlobal(QPoint(-1, rowTop.y() - 3)));
}

} // namespace kavrel::ui
