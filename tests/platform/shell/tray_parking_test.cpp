// Where a window goes "to the tray": behind the icon when a notification area exists, minimised when none
// does, and back on the taskbar when the notification area goes away under it.
#include "platform/shell/tray_icon.h"
#include "shell_fakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace kavrel::shell {
namespace {

using test::FakeTray;
using test::RecordingWindow;

TEST(TrayParkingTest, AWindowHidesBehindTheIconOnlyWhereATrayExists) {
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present);
        FakeTray tray;
        tray.present = present;
        RecordingWindow window;
        TrayParking parking(tray, "Kavrel");
        parking.park(window);
        EXPECT_EQ(window.calls, std::vector<std::string>{present ? "hide" : "minimise"});
        EXPECT_EQ(tray.visible, present);
        EXPECT_EQ(parking.hidden(), present);
        EXPECT_EQ(tray.tip, present ? "Kavrel" : "");
    }
}

TEST(TrayParkingTest, RestoringRemovesTheIcon) {
    FakeTray tray;
    RecordingWindow window;
    TrayParking parking(tray, "Kavrel");
    parking.park(window);
    parking.unpark();
    EXPECT_FALSE(tray.visible);
    EXPECT_FALSE(parking.hidden());
    parking.trayLost(); // nothing hidden any more: nothing to bring back
    EXPECT_EQ(window.calls, std::vector<std::string>{"hide"});
}

TEST(TrayParkingTest, AVanishingTrayBringsTheHiddenWindowBackMinimised) {
    FakeTray tray;
    RecordingWindow window;
    TrayParking parking(tray, "Kavrel");
    parking.park(window);
    tray.present = false;
    parking.trayLost();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"hide", "show minimised"}));
    EXPECT_FALSE(tray.visible);
    EXPECT_FALSE(parking.hidden());
    parking.park(window); // from now on it only minimises
    EXPECT_EQ(window.calls.back(), "minimise");
}

} // namespace
} // namespace kavrel::shell
