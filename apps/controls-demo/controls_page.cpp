#include "controls_page.h"

#include "demo_parts.h"
#include "ui/controls/skin_palette.h"

#include <QGridLayout>

namespace kavrel::demo {

namespace {

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet("color: #c8c8c8; font-size: 11px;");
    return label;
}

ui::TQelScrollerH* bar(QWidget* parent, QSize size, int max, int position) {
    auto* scroller = new ui::TQelScrollerH(parent);
    scroller->setFixedSize(size);
    scroller->setThumbSize(38);
    scroller->setMax(max);
    scroller->setPosition(position);
    scroller->setColorBand(QColor(0x26, 0x27, 0x2c));
    scroller->setColorThumb(ui::palette::accentDeep);
    return scroller;
}

QStringList rows() {
    return {"Plain row", "Marked row", "Selected row", "Another row", "Last row"};
}

} // namespace

QWidget* makeControlsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(16);
    int row = 0;
    auto addBar = [&](const QString& what, ui::TQelScrollerH* scroller) {
        grid->addWidget(caption(what, page), row, 0);
        grid->addWidget(scroller, row++, 1, Qt::AlignLeft);
    };
    auto time = bar(page, {202, 15}, 7200, 3725);
    time->setThumbShowText(true);
    addBar("time, thumb text as a time (3725 s)", time);
    auto volume = bar(page, {202, 15}, 1000, 555);
    volume->setThumbShowText(true);
    volume->setVkoef(0.1);
    volume->setRoundThumb(true);
    addBar("volume, scale 0.1 rounded (555)", volume);
    auto scaled = bar(page, {202, 15}, 1000, 555);
    scaled->setThumbShowText(true);
    scaled->setVkoef(0.1);
    addBar("scale 0.1, decimal (555)", scaled);
    auto disabled = bar(page, {202, 15}, 7200, 3725);
    disabled->setThumbShowText(true);
    disabled->setEnabled(false);
    addBar("disabled: no thumb text", disabled);
    auto empty = bar(page, {202, 15}, 0, 0);
    addBar("Min = Max = 0: thumb at the start", empty);
    auto thin = bar(page, {141, 8}, 100, 40);
    thin->setThumbSize(25);
    thin->setColorBand(ui::colorFromRgbValue(5920431));
    thin->setColorThumb(ui::colorFromRgbValue(4210752));
    addBar("mini time bar, 8 high: square thumb", thin);
    auto vertical = bar(page, {15, 120}, 100, 30);
    vertical->setKind(Qt::Vertical);
    vertical->setThumbSize(30);
    addBar("vertical kind with arrows", vertical);

    auto* verticals = new QWidget(page);
    verticals->setFixedSize(120, 130);
    const int positions[] = {0, 15, 30};
    for (int i = 0; i < 3; ++i)
        placeListScroller(*verticals, {10 + 30 * i, 0, 10, 108}, 30, positions[i]);
    placeListScroller(*verticals, {100, 0, 10, 130}, 10, 4)->setThumbSize(53);
    grid->addWidget(caption("picture scrollers: 0, 15, 30 of 30; thumb 53", page), row, 0);
    grid->addWidget(verticals, row++, 1, Qt::AlignLeft);

    const struct {
        const char* what;
        const char* state;
        bool selectMarked;
    } lists[] = {{"no marked row", nullptr, false},
                 {"marked row playing", "Play", false},
                 {"marked and selected, paused: white", "Pause", true},
                 {"marked without state", "", false}};
    auto* listRow = new QWidget(page);
    auto* listGrid = new QGridLayout(listRow);
    int column = 0;
    for (const auto& entry : lists) {
        auto* holder = new QWidget(listRow);
        holder->setFixedSize(150, 80);
        auto* list = placeList(*holder, {0, 0, 150, 80}, rows());
        if (entry.state != nullptr)
            list->SetItemFont(1, QColor(0x4c, 0xd0, 0x7a), entry.state, 0);
        list->setCurrentRow(entry.selectMarked ? 1 : 2);
        listGrid->addWidget(caption(entry.what, listRow), 0, column);
        listGrid->addWidget(holder, 1, column++);
    }
    grid->addWidget(listRow, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

} // namespace kavrel::demo
