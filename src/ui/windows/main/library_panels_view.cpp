#include "ui/windows/main/library_panels_view.h"

#include "platform/text/numbers.h"
#include "ui/controls/picture_swaps.h"
#include "ui/windows/main/t_form1.h"

namespace kavrel::ui {

namespace {

using C = layout::Control;

// Panel::Left .. Panel::Songs: ListBox1, ListBox2, ListBox3, ListBox4 and their scrollers.
constexpr std::array<std::pair<C, C>, 4> PanelParts{
    std::pair{C::ListBox1, C::QelScrollerVr1}, std::pair{C::ListBox2, C::QelScrollerVr2},
    std::pair{C::ListBox3, C::QelScrollerVr3}, std::pair{C::ListBox4, C::QelScrollerVr4}};

const std::pair<C, C>& partsOf(library::browser::Panel panel) {
    return PanelParts[static_cast<std::size_t>(panel) - 1];
}

} // namespace

LibraryPanelsView::LibraryPanelsView(TForm1& window) : window_(window), songHint_(window.ListBox4->viewport()) {}

TCListView& LibraryPanelsView::list(Panel panel) const {
    return *static_cast<TCListView*>(window_.part(partsOf(panel).first));
}

TQelScrollerVr& LibraryPanelsView::scroller(Panel panel) const {
    return *static_cast<TQelScrollerVr*>(window_.part(partsOf(panel).second));
}

void LibraryPanelsView::setItems(Panel panel, const library::browser::PanelItems& items) {
    if (panel == Panel::Songs) {
        songHint_.cancel();
        hoveredSong_ = -1;
    }
    list(panel).setRows(items);
}

void LibraryPanelsView::setSelectedItem(Panel panel, int item) {
    list(panel).setCurrentRow(item);
}

void LibraryPanelsView::setScroller(Panel panel, int position, int range) {
    TQelScrollerVr& bar = scroller(panel);
    bar.setMax(range);
    bar.setPosition(position);
    list(panel).setTopIndex(position);
}

int LibraryPanelsView::topItem(Panel panel) const {
    return list(panel).topIndex();
}

int LibraryPanelsView::visibleItems(Panel panel) const {
    return int(text::roundHalfEven(double(window_.layout().table()[partsOf(panel).first].height) /
                                   layout::kRowHeight));
}

void LibraryPanelsView::showLayout(const library::browser::ArtistLayout& layout) {
    if (!layout.separate)
        window_.setArtistColumns(ArtistColumns::Incorporated);
    else
        window_.setArtistColumns(layout.russianLeft ? ArtistColumns::RussianLeftEnglishRight
                                                    : ArtistColumns::EnglishLeftRussianRight);
}

void LibraryPanelsView::setSelectorState(int state) {
    static constexpr std::array<std::string_view, 3> Libraries = {"LB1", "LBCD", "LB2"};
    if (state >= 1 && state <= 3)
        showLibraryChoice(*window_.ImgCDmp3Libr, Libraries[static_cast<std::size_t>(state - 1)]);
}

void LibraryPanelsView::setSongHint(const std::string& text) {
    TCListView& songs = *window_.ListBox4;
    const QRect row = songs.visualRect(songs.model()->index(hoveredSong_, 0));
    if (!row.isValid()) {
        songHint_.cancel();
        return;
    }
    // One pixel left of the list, three above the row's top edge.
    const int rowTop = songs.viewport()->mapTo(&songs, row.topLeft()).y();
    songHint_.request(QString::fromStdString(text), songs.mapToGlobal(QPoint(-1, rowTop - 3)));
}

} // namespace kavrel::ui
