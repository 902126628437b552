#include "main_window_fixture.h"
#include "widget_events.h"

#include "platform/fs/program_folder.h"
#include "ui/lang/language_applier.h"
#include "ui/lang/language_text.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

namespace kavrel::ui {
namespace {

using C = layout::Control;
using test::MainWindowFixture;

void expectWindowMatchesModel(const TForm1& window) {
    const layout::MainWindowLayout& model = window.layout();
    for (std::size_t i = 0; i < layout::kControlCount; ++i) {
        const auto control = static_cast<C>(i);
        if (control == C::MarkL || control == C::MarkR)
            continue; // placed along the bar by the playback logic
        const QWidget* widget = window.part(control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(test::appliedRect(*widget, model.table()[control]), model.table()[control])
            << layout::controlName(control);
    }
    const layout::Rect& w = model.window();
    EXPECT_EQ(window.geometry(), QRect(w.left, w.top, w.width, w.height));
    const layout::Rect& clip = model.clip();
    EXPECT_EQ(window.mask().boundingRect(), QRect(clip.left, clip.top, clip.width, clip.height));
}

TEST(MainWindow, EveryControlIsAMemberNamedAfterItself) {
    MainWindowFixture f;
    EXPECT_TRUE(f.skinErrors.messages.isEmpty()) << f.skinErrors.messages.join("\n").toStdString();
    for (std::size_t i = 0; i < layout::kControlCount; ++i) {
        const auto control = static_cast<C>(i);
        const std::string_view name = layout::controlName(control);
        EXPECT_EQ(f.window->part(control)->objectName().toStdString(), name);
        EXPECT_EQ(
            f.window->findChildren<QWidget*>(QString::fromLatin1(name.data(), qsizetype(name.size()))).size(),
            1)
            << name;
    }
    EXPECT_EQ(f.window->ImgPlayPause, f.window->part(C::ImgPlayPause));
    EXPECT_EQ(f.window->ListBox5, f.window->part(C::ListBox5));
}

TEST(MainWindow, IsBorderlessAndClippedToTheRoundedFrame) {
    MainWindowFixture f;
    EXPECT_TRUE(f.window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f.window->size(), QSize(692, 513));
    const QRegion mask = f.window->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(7, 7, 675, 496));
    EXPECT_TRUE(mask.contains(QPoint(340, 7)));
    EXPECT_TRUE(mask.contains(QPoint(681, 300)));
    EXPECT_TRUE(mask.contains(QPoint(340, 502)));
    EXPECT_FALSE(mask.contains(QPoint(7, 7))) << "the corners are rounded";
    EXPECT_FALSE(mask.contains(QPoint(682, 300)));
    expectWindowMatchesModel(*f.window);
}

TEST(MainWindow, FollowsTheModelThroughResizingAndFullScreen) {
    MainWindowFixture f;
    TForm1& window = *f.window;
    QSignalSpy changes(&window, &TForm1::layoutChanged);
    window.resizeStep(layout::ResizePiece::RightEdge, {900, 300});
    window.resizeStep(layout::ResizePiece::RightEdge, {957, 300});
    window.resizeFinished(layout::ResizePiece::RightEdge);
    window.resizeStep(layout::ResizePiece::Corner, {900, 900});
    window.resizeStep(layout::ResizePiece::Corner, {913, 931});
    window.resizeFinished(layout::ResizePiece::Corner);
    EXPECT_EQ(window.width(), 692 + 57 + 13);
    EXPECT_EQ(window.height(), 513 + 31);
    expectWindowMatchesModel(window);

    const QRect before = window.geometry();
    test::sendMouse(*window.ImgFullScreen, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(*window.ImgFullScreen, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_TRUE(window.layout().fullScreen());
    const QRect screen = window.screen()->geometry();
    EXPECT_EQ(window.x() + window.imgRigthLine->geometry().right() + 1, screen.right() + 1);
    expectWindowMatchesModel(window);
    test::sendMouse(*window.ImgFullScreen, QEvent::MouseButtonPress, {2, 2});
    test::sendMouse(*window.ImgFullScreen, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_EQ(window.geometry(), before);
    expectWindowMatchesModel(window);
    EXPECT_GE(changes.count(), 4);
}

TEST(MainWindow, DraggingTheRightEdgeResizesThroughTheModel) {
    MainWindowFixture f;
    TForm1& window = *f.window;
    EXPECT_EQ(window.imgRigthLine->cursor().shape(), Qt::SizeHorCursor);
    EXPECT_EQ(window.ImgNizCenter->cursor().shape(), Qt::SizeVerCursor);
    test::sendMouse(*window.imgRigthLine, QEvent::MouseButtonPress, {5, 100});
    EXPECT_TRUE(window.CmdSearch->isVisibleTo(&window));
    test::sendDrag(*window.imgRigthLine, {5, 100});
    test::sendDrag(*window.imgRigthLine, {45, 100});
    test::sendMouse(*window.imgRigthLine, QEvent::MouseButtonRelease, {5, 100});
    EXPECT_EQ(window.width(), 692 + 40);
    expectWindowMatchesModel(window);
}

TEST(MainWindow, AClickOnTheCornerMovesTheWindowAndADragResizesIt) {
    struct Case {
        const char* name;
        std::vector<QPoint> drags; // in the corner's coordinates at each step
        QPoint release;
        bool moves;
        QSize size;
    };
    const std::vector<Case> cases = {
        {"a click", {}, {200, 30}, true, {692, 513}},
        {"a press with a still pointer", {{200, 30}, {200, 30}}, {200, 30}, true, {692, 513}},
        {"a drag", {{200, 30}, {230, 50}}, {200, 30}, false, {722, 533}},
        {"a press released off the corner", {}, {-20, 30}, false, {692, 513}},
    };
    for (const Case& c : cases) {
        MainWindowFixture f;
        TForm1& window = *f.window;
        QSignalSpy moves(&window, &TForm1::systemMoveRequested);
        test::sendMouse(*window.ImgNizPravo, QEvent::MouseButtonPress, {200, 30});
        for (const QPoint& drag : c.drags)
            test::sendDrag(*window.ImgNizPravo, drag);
        test::sendMouse(*window.ImgNizPravo, QEvent::MouseButtonRelease, c.release);
        EXPECT_EQ(moves.count(), c.moves ? 1 : 0) << c.name;
        EXPECT_EQ(window.size(), c.size) << c.name;
    }
}

TEST(MainWindow, IncorporatedArtistsHideTheRightColumn) {
    MainWindowFixture f;
    TForm1& window = *f.window;
    window.setArtistColumns(ArtistColumns::Incorporated);
    EXPECT_FALSE(window.ListBox2->isVisibleTo(&window));
    EXPECT_FALSE(window.QelScrollerVr2->isVisibleTo(&window));
    EXPECT_EQ(window.width(), 692 - 160);
    expectWindowMatchesModel(window);
    window.setArtistColumns(ArtistColumns::EnglishLeftRussianRight);
    EXPECT_TRUE(window.ListBox2->isVisibleTo(&window));
    EXPECT_EQ(window.width(), 692);
    EXPECT_TRUE(f.skinErrors.messages.isEmpty());
}

TEST(MainWindow, RestoresTheSavedLayoutOnScreen) {
    MainWindowFixture f;
    for (int i = 1; i <= 60; ++i)
        f.window->ListBox5->addItem(QString::number(i));
    layout::SavedLayout saved;
    saved.extraWidth = 30;
    saved.extraHeight = 12;
    saved.position = {-20000, 40}; // on a monitor unplugged since
    f.window->restoreLayout(saved, layout::StartSize::LastPosition, layout::StartPosition::LastPosition);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(f.window->size(), QSize(722, 525));
    EXPECT_TRUE(screen.intersects(f.window->geometry()));
    EXPECT_EQ(f.window->savedLayout().extraWidth, 30);
    EXPECT_EQ(f.window->ListBox5->height(), 384 + 12);
    EXPECT_EQ(f.window->QelScrollerVr5->Max(), 60 - 25 + 1) << "the list scroller follows the list's height";
    expectWindowMatchesModel(*f.window);
}

TEST(MainWindow, EveryControlIsReachableThroughAccessibility) {
    MainWindowFixture f;
    TForm1& window = *f.window;
    for (std::size_t i = 0; i < layout::kControlCount; ++i) {
        QWidget* widget = window.part(static_cast<C>(i));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << widget->objectName().toStdString();
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
    }
    struct Case {
        QWidget* widget;
        QAccessible::Role role;
        QString name;
        QString description;
    };
    window.setWindowTitle("Artist - Title - 00:01/02:05");
    for (const Case& c :
         {Case{window.ImgPlayPause, QAccessible::Button, "Play/Pause (Win + Space)", "ImgPlayPause"},
          Case{window.ImgVniz, QAccessible::Button, "ImgVniz", "ImgVniz"},
          Case{window.TimeSKRL, QAccessible::Slider, "TimeSKRL", "TimeSKRL"},
          Case{window.VolumeSKRL, QAccessible::Slider, "Volume (Win + Up/Down)", "VolumeSKRL"},
          Case{window.ImgAlbAlboms, QAccessible::Button, "ALBUMS", "ImgAlbAlboms"},
          Case{window.ImgAblSortBy, QAccessible::Button, "SORT", "ImgAblSortBy"},
          Case{window.ImgSongSortBy, QAccessible::Button, "SORT", "ImgSongSortBy"},
          Case{window.Label3, QAccessible::StaticText, "Kavrel 1.0 TP 1", "Label3"},
          // The window itself, named by its title as a window list shows it.
          Case{&window, QAccessible::Window, "Artist - Title - 00:01/02:05", {}}}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(c.widget);
        EXPECT_EQ(accessible->role(), c.role) << c.widget->objectName().toStdString();
        EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
        if (!c.description.isEmpty()) {
            EXPECT_EQ(accessible->text(QAccessible::Description), c.description);
        }
    }
    EXPECT_EQ(window.StaticText3->toolTip(), "Time/Size in MB");

    QSignalSpy clicks(&window, &TForm1::clicked);
    QAccessible::queryAccessibleInterface(window.ImgStop)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.front().front().value<C>(), C::ImgStop);

    QAccessibleInterface* analyser = QAccessible::queryAccessibleInterface(window.ImgAn);
    EXPECT_FALSE(analyser->state().checked);
    analyser->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(analyser->state().checked);

    window.VolumeSKRL->setPosition(700);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.VolumeSKRL)->valueInterface()->currentValue(),
              700);

    window.ListBox5->addItems({"1. One", "2. Two", "3. Three"});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window.ListBox5);
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->rowCount(), 3);
    EXPECT_EQ(list->tableInterface()->cellAt(1, 0)->text(QAccessible::Name), "2. Two");
}

TEST(MainWindow, TakesEveryHintOfTheLanguageFile) {
    MainWindowFixture f;
    const lang::LanguageFileTable& table = lang::languageFileTables()[0];
    const lang::LanguageText text =
        lang::readLanguageFile(fs::ProgramFolder(KAVREL_DATA_DIR).resolve("\\Lang\\english\\main.plf"));
    const QStringList missing = lang::applyLanguageText(text, table, *f.window);
    for (const QString& name : missing)
        EXPECT_FALSE(layout::controlNamed(name.toStdString()))
            << name.toStdString() << " is a control but missed";
    EXPECT_EQ(f.window->ImgTray->toolTip(), "Tray");
    EXPECT_EQ(f.window->VolumeSKRL->toolTip().split('\n').front(), "Volume (Win + Up/Down)");
    EXPECT_FALSE(missing.contains("Enabled1"));
}

} // namespace
} // namespace kavrel::ui
