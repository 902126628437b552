// Qt's own dialogs as the preferences use them: what comes back when the user accepts a dialog without
// changing anything is what it was preset with.
#include "ui/windows/preferences/preferences_ports.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace kavrel::ui::preferences {
namespace {

// Accepts the dialog of type `Dialog` as soon as it is up.
template <class Dialog> void acceptWhenShown() {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog)
            dialog->accept();
        else
            acceptWhenShown<Dialog>();
    });
}

TEST(QtPreferencesDialogsTest, AFontDialogAcceptedUnchangedGivesBackTheListsFont) {
    // Families whose upright style is not called "Regular" or "Normal", as the lists' fonts often are.
    struct Case {
        const char* family;
        bool bold;
        bool italic;
    };
    const Case cases[] = {{"DejaVu Sans", false, false},  {"DejaVu Sans", true, false},
                          {"DejaVu Sans", false, true},   {"DejaVu Sans", true, true},
                          {"DejaVu Serif", false, false}, {"DejaVu Serif", false, true}};
    QWidget parent;
    QtPreferencesDialogs dialogs;
    for (const Case& c : cases) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(c.family)))
            GTEST_SKIP() << c.family << " is not installed";
        QFont font(QString::fromLatin1(c.family), 11);
        font.setBold(c.bold);
        font.setItalic(c.italic);
        acceptWhenShown<QFontDialog>();
        const auto chosen = dialogs.chooseFont(parent, font);
        ASSERT_TRUE(chosen.has_value());
        const std::string what =
            std::string(c.family) + (c.bold ? " bold" : "") + (c.italic ? " italic" : "");
        EXPECT_EQ(chosen->family(), font.family()) << what;
        EXPECT_EQ(chosen->bold(), c.bold) << what;
        EXPECT_EQ(chosen->italic(), c.italic) << what;
        EXPECT_EQ(chosen->pointSize(), 11) << what;
    }
}

TEST(QtPreferencesDialogsTest, AColourDialogAcceptedUnchangedGivesBackTheColour) {
    QWidget parent;
    QtPreferencesDialogs dialogs;
    acceptWhenShown<QColorDialog>();
    EXPECT_EQ(dialogs.chooseColour(parent, QColor(0xAF, 0x56, 0x5A)), QColor(0xAF, 0x56, 0x5A));
}

} // namespace
} // namespace kavrel::ui::preferences
