#include "ui/lang/language_applier.h"

#include "test_windows.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kavrel::ui::lang {
namespace {

using test::control;
using ::testing::Contains;
using ::testing::Not;

const LanguageFileTable& tableOf(LanguageWindow window) {
    return languageFileTables()[static_cast<std::size_t>(window)];
}

QString radioChoice(QWidget& window, const char* group, int choice) {
    return control<QGroupBox>(window, group)
        .findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)[choice - 1]
        ->text();
}

class LanguageApplier : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureApplication(); }
};

TEST_F(LanguageApplier, PreferencesTakeEveryKindOfTarget) {
    auto window = test::makePreferencesWindow();
    const QStringList missing = applyLanguageText(parseLanguageText(test::numberedLines("line", 100)),
                                                  tableOf(LanguageWindow::Preferences), *window);

    EXPECT_EQ(window->windowTitle(), "line 1");
    EXPECT_EQ(control<QWidget>(*window, "oGeneral").windowTitle(), "line 2");
    EXPECT_EQ(control<QWidget>(*window, "TabSheet1").windowTitle(), "line 93");
    EXPECT_EQ(control<QGroupBox>(*window, "O_Run_Size").title(), "line 26");
    EXPECT_EQ(radioChoice(*window, "O_Run_Size", 1), "line 27");
    EXPECT_EQ(radioChoice(*window, "O_Run_Size", 3), "line 29");
    EXPECT_EQ(control<QLabel>(*window, "Label15").text(), "line 91");

    auto& tree = control<QTreeWidget>(*window, "PageTree");
    QStringList labels;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        labels << tree.topLevelItem(i)->text(0);
    EXPECT_EQ(labels,
              (QStringList{"line 2", "line 15", "line 37", "line 62", "line 89", "line 93", "line 100"}));

    // Controls this small window lacks are skipped and named; the ones it has are not.
    EXPECT_THAT(missing, Contains(QStringLiteral("GroupBox15")));
    EXPECT_THAT(missing, Contains(QStringLiteral("GLanguage item 2")));
    EXPECT_THAT(missing, Not(Contains(QStringLiteral("O_Run_Size item 3"))));
    EXPECT_THAT(missing, Not(Contains(QStringLiteral("window"))));
}

TEST_F(LanguageApplier, MainWindowTakesTooltipsAndMenuItems) {
    auto window = test::makeMainWindow();
    applyLanguageText(parseLanguageText(test::numberedLines("text", 75)), tableOf(LanguageWindow::Main),
                      *window);
    EXPECT_EQ(control<QPushButton>(*window, "ImgTray").toolTip(), "text 1");
    EXPECT_EQ(control<QPushButton>(*window, "ImgClose").toolTip(), "text 5");
    EXPECT_EQ(control<QAction>(*window, "mByyear").text(), "text 11");
    EXPECT_EQ(control<QMenu>(*window, "mAlbum").title(), "text 38");
}

TEST_F(LanguageApplier, ShortFileEmptiesTheTargetsOfMissingLines) {
    auto window = test::makeMainWindow();
    applyLanguageText(parseLanguageText("  Tray\r\nMini\r\n\r\n"), tableOf(LanguageWindow::Main), *window);
    EXPECT_EQ(control<QPushButton>(*window, "ImgTray").toolTip(), "Tray");
    EXPECT_EQ(control<QPushButton>(*window, "ImgClose").toolTip(), "");
    EXPECT_EQ(control<QAction>(*window, "mByyear").text(), "");
    EXPECT_EQ(control<QMenu>(*window, "mAlbum").title(), "");
}

TEST_F(LanguageApplier, StateTextsAreKeptAndTheFirstShownAtOnce) {
    auto window = test::makeCopierWindow();
    applyLanguageText(parseLanguageText(test::numberedLines("line", 37)), tableOf(LanguageWindow::Copier),
                      *window);
    const auto& start = control<QPushButton>(*window, "Button2");
    const auto& pause = control<QPushButton>(*window, "Button1");
    EXPECT_EQ(start.text(), "line 18");
    EXPECT_EQ(stateText(start, 0), "line 18");
    EXPECT_EQ(stateText(start, 1), "line 19");
    EXPECT_EQ(pause.text(), "line 20");
    EXPECT_EQ(stateText(pause, 1), "line 21");
    EXPECT_EQ(radioChoice(*window, "S_Copy_Artist", 2), "line 5");
}

TEST_F(LanguageApplier, RadioGroupWithFewerChoicesIsReportedNotOverrun) {
    auto window = test::makeCopierWindow();
    const LineTarget beyond[] = {{4, TargetKind::RadioChoice, "S_Copy_Artist", 3}};
    const LanguageFileTable table{LanguageWindow::Copier, "File_Coper.plf", 37, beyond};
    EXPECT_EQ(applyLanguageText(parseLanguageText(test::numberedLines("line", 37)), table, *window),
              QStringList{"S_Copy_Artist item 3"});
}

} // namespace
} // namespace kavrel::ui::lang
