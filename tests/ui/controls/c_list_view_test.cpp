#include "ui/controls/c_list_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace kavrel::ui {
namespace {

TCListView::Rows numbered(int count) {
    auto rows = std::make_shared<std::vector<std::string>>();
    for (int i = 0; i < count; ++i)
        rows->push_back("Row " + std::to_string(i));
    return rows;
}

struct ShownList {
    ShownList() {
        list.setRows(numbered(100'000));
        list.resize(150, 160); // ten rows
        list.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
    QPoint centreOf(int row) const { return list.visualRect(list.model()->index(row, 0)).center(); }
    TCListView list;
};

TEST(CListView, SharesItsRowsAndScrollsThemInSixteenPixelSteps) {
    ShownList s;
    EXPECT_EQ(s.list.count(), 100'000);
    EXPECT_EQ(s.list.rowText(99'999), "Row 99999");
    EXPECT_EQ(s.list.visualRect(s.list.model()->index(2, 0)), QRect(0, 32, 150, 16));
    s.list.setTopIndex(99'990);
    EXPECT_EQ(s.list.topIndex(), 99'990);
    EXPECT_EQ(s.list.rowAt({5, 5}), 99'990);
    EXPECT_EQ(s.list.rowAt({5, 16 * 9 + 5}), 99'999);

    s.list.setCurrentRow(99'995);
    s.list.setRows(numbered(3));
    EXPECT_EQ(s.list.currentRow(), -1) << "new rows come without a selection";
    EXPECT_EQ(s.list.topIndex(), 0);
    EXPECT_EQ(s.list.rowAt({5, 16 * 3 + 5}), -1) << "below the last row";
    EXPECT_EQ(s.list.rowText(3), "");
}

// Only a left press on a row selects it; the list reports the row after selecting it.
TEST(CListView, SelectsByALeftPressOnARowOnly) {
    struct Case {
        Qt::MouseButton button;
        int row;      // pressed row, or -1 for the blank below the rows
        int selected; // afterwards
        bool reported;
    };
    for (const Case c : {Case{Qt::LeftButton, 1, 1, true}, Case{Qt::RightButton, 2, 0, false},
                         Case{Qt::LeftButton, -1, 0, false}, Case{Qt::MiddleButton, 2, 0, false}}) {
        TCListView list;
        list.setRows(numbered(3));
        list.resize(150, 160);
        list.show();
        list.setCurrentRow(0);
        int reported = -1;
        QObject::connect(&list, &TCListView::rowPressed, [&](int row) { reported = row; });
        const QPoint at =
            c.row >= 0 ? list.visualRect(list.model()->index(c.row, 0)).center() : QPoint(5, 100);
        QTest::mouseClick(list.viewport(), c.button, {}, at);
        EXPECT_EQ(list.currentRow(), c.selected) << c.button << " " << c.row;
        EXPECT_EQ(reported, c.reported ? c.row : -1) << c.button << " " << c.row;
    }
}

TEST(CListView, DraggingThePointerDoesNotCarryTheSelection) {
    ShownList s;
    QTest::mousePress(s.list.viewport(), Qt::LeftButton, {}, s.centreOf(1));
    QMouseEvent move(QEvent::MouseMove, s.centreOf(4), s.list.viewport()->mapToGlobal(s.centreOf(4)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.list.viewport(), &move);
    QTest::mouseRelease(s.list.viewport(), Qt::LeftButton, {}, s.centreOf(4));
    EXPECT_EQ(s.list.currentRow(), 1);
}

} // namespace
} // namespace kavrel::ui
