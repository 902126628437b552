#include "ui/controls/c_list_box.h"
#include "widget_events.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace kavrel::ui {
namespace {

const QColor Base(0, 0, 0);
const QColor Text(200, 200, 200);
const QColor Highlight(0, 0, 160);
const QColor HighlightedText(255, 255, 0);
const QColor Marked(0, 220, 0);

// A shown list of four rows with unantialiased text, so that text pixels carry the exact pen colour.
struct List {
    List() {
        QPalette colors;
        colors.setColor(QPalette::Base, Base);
        colors.setColor(QPalette::Text, Text);
        colors.setColor(QPalette::Highlight, Highlight);
        colors.setColor(QPalette::HighlightedText, HighlightedText);
        list.setPalette(colors);
        QFont font = list.font();
        font.setPixelSize(12);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        list.setFont(font);
        list.addItems({"Alpha", "Beta", "Gamma", "Delta"});
        list.resize(150, 64);
        list.show();
        QApplication::processEvents();
    }
    QImage render() { return list.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    TCListBox list;
};

// Whether any pixel of row `row` (16 pixels high) within columns [fromX, toX) has the colour.
bool rowHas(const QImage& image, int row, const QColor& color, int fromX = 0, int toX = 150) {
    for (int y = row * TCListBox::RowHeight; y < (row + 1) * TCListBox::RowHeight; ++y)
        for (int x = fromX; x < toX; ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

// The first column of row `row` holding the colour, or -1.
int firstColumnWith(const QImage& image, int row, const QColor& color) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = row * TCListBox::RowHeight; y < (row + 1) * TCListBox::RowHeight; ++y)
            if (image.pixelColor(x, y) == color)
                return x;
    return -1;
}

TEST(CListBox, FixedRowsAndNoScrollBars) {
    List l;
    EXPECT_EQ(l.list.visualItemRect(l.list.item(2)).top(), 32);
    EXPECT_EQ(l.list.visualItemRect(l.list.item(2)).height(), 16);
    EXPECT_EQ(l.list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(l.list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(l.list.markedRow(), TCListBox::NoMarkedRow);
    EXPECT_EQ(l.list.markedColor(), QColor(255, 0, 0));

    l.list.addItems({"E", "F", "G", "H"});
    l.list.setTopIndex(3);
    EXPECT_EQ(l.list.topIndex(), 3);
}

TEST(CListBox, WithoutAMarkEveryRowIsPlainTextAtTheLeftEdge) {
    List l;
    const QImage image = l.render();
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(rowHas(image, row, Text)) << row;
        EXPECT_FALSE(rowHas(image, row, QColor(255, 0, 0))) << row;
    }
    EXPECT_LE(firstColumnWith(image, 0, Text), 1);
}

TEST(CListBox, MarkedRowDrawsItsPictureAndColouredText) {
    List l;
    l.list.SetItemFont(1, Marked, "Play", 7);
    EXPECT_EQ(l.list.markedExtra(), 7);
    const QImage image = l.render();
    EXPECT_FALSE(rowHas(image, 1, Text));
    // Text starts after the 16-pixel picture placed two pixels in, plus three pixels.
    EXPECT_GE(firstColumnWith(image, 1, Marked), 2 + 16 + 3);
    EXPECT_TRUE(rowHas(image, 1, Marked, 21, 150));
    // The picture's red ground is transparent, its glyph is drawn in the first 18 columns.
    EXPECT_FALSE(rowHas(image, 1, QColor(255, 0, 0)));
    EXPECT_EQ(image.pixelColor(2, 16), Base);
    EXPECT_NE(image.pixelColor(2 + 6, 16 + 8), Base);
    EXPECT_TRUE(rowHas(image, 0, Text));
}

TEST(CListBox, SelectedMarkedRowIsWhiteOnTheSelectionColour) {
    List l;
    l.list.SetItemFont(2, Marked, "Pause", 0);
    l.list.setCurrentRow(2);
    l.list.setCurrentRow(0);
    l.list.item(2)->setSelected(true);
    l.list.item(0)->setSelected(false);
    const QImage image = l.render();
    EXPECT_TRUE(rowHas(image, 2, QColor(Qt::white)));
    EXPECT_FALSE(rowHas(image, 2, Marked));
    EXPECT_EQ(image.pixelColor(149, 2 * 16 + 15), Highlight);
    EXPECT_EQ(image.pixelColor(2 + 5, 2 * 16 + 8), QColor(0xe0, 0xb0, 0x30)); // the pause bars
}

TEST(CListBox, MarkedRowWithoutStateIsStandardTextInTheMarkColour) {
    List l;
    l.list.SetItemFont(3, Marked, "", 0);
    l.list.item(1)->setSelected(true);
    const QImage image = l.render();
    const int first = firstColumnWith(image, 3, Marked);
    EXPECT_GE(first, 2);
    EXPECT_LT(first, 8);
    EXPECT_TRUE(rowHas(image, 1, HighlightedText));
    EXPECT_FALSE(rowHas(image, 3, Text));
}

} // namespace
} // namespace kavrel::ui
