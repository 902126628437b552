#include "ui/controls/qel_scroller_h.h"
#include "ui/controls/qel_scroller_vr.h"
#include "ui/controls/scroller_parts.h"
#include "widget_events.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace kavrel::ui {
namespace {

using test::sendDrag;
using test::sendKey;
using test::sendMouse;

// Widgets lay out their parts when they receive their size, which a hidden widget gets only when shown.
template <typename W> void showAt(W& widget, int width, int height) {
    widget.resize(width, height);
    widget.show();
}

// A time-bar sized scroller whose span (track 202 - thumb 38) equals its range, so one pixel is one unit.
struct TimeBar {
    TimeBar() {
        showAt(bar, 232, 15);
        bar.setThumbSize(38);
        bar.setMax(164);
    }
    int offset() const { return bar.scroller()->thumbOffset(); }
    TSetac& thumb() { return *bar.scroller()->thumb(); }
    TTraka& track() { return *bar.scroller()->track(); }
    TQelScrollerH bar;
};

TEST(QelScroller, CodeMovesTheThumbWithoutNotifying) {
    TimeBar t;
    QSignalSpy changes(&t.bar, &TQelScroller::OnChange);
    t.bar.setPosition(50);
    EXPECT_EQ(t.offset(), 50);
    t.bar.setMax(40);
    EXPECT_EQ(t.bar.Position(), 40);
    t.bar.setMin(45);
    EXPECT_EQ(t.bar.Position(), 45);
    EXPECT_EQ(changes.count(), 0);
}

TEST(QelScroller, KeysChangeThePositionAndNotify) {
    struct Case {
        int start, key, expected;
    };
    for (const Case& c :
         {Case{50, Qt::Key_Home, 10}, Case{50, Qt::Key_End, 164}, Case{50, Qt::Key_PageUp, 30},
          Case{50, Qt::Key_PageDown, 70}, Case{160, Qt::Key_PageDown, 164}, Case{15, Qt::Key_PageUp, 10},
          Case{50, Qt::Key_Left, 47}, Case{50, Qt::Key_Up, 47}, Case{50, Qt::Key_Right, 53},
          Case{50, Qt::Key_Down, 53}}) {
        TimeBar t;
        t.bar.setMin(10);
        t.bar.setSmallChange(3);
        t.bar.setLargeChange(20);
        t.bar.setPosition(c.start);
        QSignalSpy changes(&t.bar, &TQelScroller::OnChange);
        sendKey(t.bar, c.key);
        EXPECT_EQ(t.bar.Position(), c.expected) << "key " << c.key << " from " << c.start;
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes[0][1].toInt(), c.expected);
    }

    TQelScrollerVr list;
    list.setMax(30);
    list.setPosition(5);
    QSignalSpy changes(&list, &TQelScroller::OnChange);
    sendKey(list, Qt::Key_Left);
    EXPECT_EQ(list.Position(), 5);
    EXPECT_EQ(changes.count(), 0);
}

TEST(QelScroller, ThumbTextFollowsPositionScaleAndEnabledState) {
    TimeBar t;
    t.bar.setPosition(59);
    EXPECT_EQ(t.bar.thumbText(), "");
    t.bar.setThumbShowText(true);
    EXPECT_EQ(t.bar.thumbText(), "00:59");
    t.bar.setEnabled(false);
    EXPECT_EQ(t.bar.thumbText(), "");
    t.bar.setEnabled(true);
    EXPECT_EQ(t.bar.thumbText(), "00:59");

    TQelScrollerH volume;
    volume.setMax(1000);
    volume.setThumbShowText(true);
    volume.setVkoef(0.1);
    volume.setRoundThumb(true);
    volume.setPosition(555);
    EXPECT_EQ(volume.thumbText(), "56");
    volume.setRoundThumb(false);
    EXPECT_EQ(volume.thumbText(), "55.5");
}

TEST(QelScroller, DraggingTheThumbFollowsThePointerWithinTheTrack) {
    TimeBar t;
    QSignalSpy changes(&t.bar, &TQelScroller::OnChange);
    QSignalSpy mouseUps(&t.bar, &TQelScroller::OnMouseUp);
    sendMouse(t.thumb(), QEvent::MouseButtonPress, QPoint(5, 5));
    sendDrag(t.thumb(), QPoint(5 + 41, 5));
    EXPECT_EQ(t.offset(), 41);
    EXPECT_EQ(t.bar.Position(), 41);
    sendDrag(t.thumb(), QPoint(5 + 500, 5));
    EXPECT_EQ(t.bar.Position(), 164);
    sendDrag(t.thumb(), QPoint(5 - 1000, 5));
    EXPECT_EQ(t.bar.Position(), 0);
    sendMouse(t.thumb(), QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(mouseUps.count(), 1);
}

TEST(QelScroller, DragDoesNothingOnAnEmptyRangeOrAFullLengthThumb) {
    TimeBar empty;
    empty.bar.setMax(0);
    TimeBar full;
    full.bar.setThumbSize(202);
    full.bar.setPosition(100);
    for (TimeBar* t : {&empty, &full}) {
        const int before = t->bar.Position();
        QSignalSpy changes(&t->bar, &TQelScroller::OnChange);
        sendMouse(t->thumb(), QEvent::MouseButtonPress, QPoint(5, 5));
        sendDrag(t->thumb(), QPoint(60, 5));
        sendMouse(t->thumb(), QEvent::MouseButtonRelease, QPoint(60, 5));
        EXPECT_EQ(t->offset(), 0);
        EXPECT_EQ(t->bar.Position(), before);
        EXPECT_EQ(changes.count(), 0);
    }
}

TEST(QelScroller, TrackPressJumpsAndTheHeldFlagIsShared) {
    ScrollerMouseState shared;
    TimeBar t;
    TQelScrollerH other;
    t.bar.setMouseState(&shared);
    other.setMouseState(&shared);
    QSignalSpy changes(&t.bar, &TQelScroller::OnChange);
    QSignalSpy mouseUps(&t.bar, &TQelScroller::OnMouseUp);

    sendMouse(t.track(), QEvent::MouseButtonPress, QPoint(101, 7));
    EXPECT_EQ(t.bar.Position(), 82); // round(164 / 202 x 101)
    EXPECT_TRUE(other.MouseUpm());
    sendMouse(t.track(), QEvent::MouseButtonRelease, QPoint(101, 7));
    EXPECT_FALSE(other.MouseUpm());
    EXPECT_GE(changes.count(), 1);
    EXPECT_EQ(changes[0][1].toInt(), 82);
    EXPECT_EQ(mouseUps.count(), 1);

    other.setMouseUpm(true);
    EXPECT_TRUE(t.bar.MouseUpm());
}

TEST(QelScroller, HeldTrackPressRepeatsUntilReleased) {
    TQelScrollerVr bar;
    showAt(bar, 10, 300);
    bar.setMax(30);
    bar.setLargeChange(2);
    TTraka& track = *bar.scroller()->track();
    sendMouse(track, QEvent::MouseButtonPress, QPoint(5, 290));
    EXPECT_EQ(bar.Position(), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.Position() >= 6; }, 5000));
    sendMouse(track, QEvent::MouseButtonRelease, QPoint(5, 290));
    const int stopped = bar.Position();
    QTest::qWait(120);
    EXPECT_EQ(bar.Position(), stopped);

    // A press before the thumb steps back; LargeChange 0, as beside the lists, does nothing.
    sendMouse(track, QEvent::MouseButtonPress, QPoint(5, 0));
    sendMouse(track, QEvent::MouseButtonRelease, QPoint(5, 0));
    EXPECT_EQ(bar.Position(), stopped - 2);
    bar.setLargeChange(0);
    sendMouse(track, QEvent::MouseButtonPress, QPoint(5, 290));
    sendMouse(track, QEvent::MouseButtonRelease, QPoint(5, 290));
    EXPECT_EQ(bar.Position(), stopped - 2);
}

TEST(QelScroller, ArrowsStepAndReportTheirClicks) {
    TimeBar t;
    t.bar.setSmallChange(4);
    t.bar.setPosition(10);
    QSignalSpy left(&t.bar, &TQelScrollerH::OnClickBtnLT);
    QSignalSpy right(&t.bar, &TQelScrollerH::OnClickBtnRD);
    QWidget& down = *t.bar.buttonDown();
    sendMouse(down, QEvent::MouseButtonPress, QPoint(3, 3));
    sendMouse(down, QEvent::MouseButtonRelease, QPoint(3, 3));
    EXPECT_EQ(t.bar.Position(), 14);
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(left.count(), 0);
}

TEST(QelScroller, HintSecondLine) {
    TQelScrollerH bar;
    bar.setHintSecondLine("ignored");
    EXPECT_EQ(bar.toolTip(), "");
    bar.setToolTip("Volume (Win + Up/Down)");
    bar.setHintSecondLine("");
    EXPECT_EQ(bar.toolTip(), "Volume (Win + Up/Down)");
    bar.setHintSecondLine("50");
    EXPECT_EQ(bar.toolTip(), "Volume (Win + Up/Down)\n50");
    EXPECT_EQ(bar.HintSecondLine(), "50");
}

TEST(QelScroller, HorizontalGeometryForBothKinds) {
    TQelScrollerH bar;
    showAt(bar, 202, 15);
    bar.setThumbSize(38);
    EXPECT_EQ(bar.buttonUp()->geometry(), QRect(1, 1, 13, 13));
    EXPECT_EQ(bar.buttonDown()->geometry(), QRect(188, 1, 13, 13));
    EXPECT_EQ(bar.scroller()->geometry(), QRect(15, 0, 172, 15));
    EXPECT_FALSE(bar.scroller()->thumb()->mask().isEmpty());

    bar.setKind(Qt::Vertical);
    bar.resize(15, 100);
    EXPECT_EQ(bar.buttonUp()->geometry(), QRect(1, 1, 13, 13));
    EXPECT_EQ(bar.buttonDown()->geometry(), QRect(1, 86, 13, 13));
    EXPECT_EQ(bar.scroller()->geometry(), QRect(0, 15, 15, 70));

    TQelScrollerH thin;
    showAt(thin, 141, 8);
    thin.setThumbSize(25);
    EXPECT_TRUE(thin.scroller()->thumb()->mask().isEmpty());
}

TEST(QelScroller, VerticalScrollerPlacesItsPictureThumb) {
    TQelScrollerVr band;
    showAt(band, 10, 108);
    band.setMax(30);
    EXPECT_EQ(band.ThumbSize(), 63);
    band.setPosition(15);
    EXPECT_EQ(band.scroller()->thumbOffset(), 22); // round(0.5 x 45), half to even
    EXPECT_EQ(band.scroller()->thumb()->geometry(), QRect(0, 22, 10, 63));
}

} // namespace
} // namespace kavrel::ui
