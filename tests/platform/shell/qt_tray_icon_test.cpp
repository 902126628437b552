// The Qt tray icon on a desktop without a notification area (the offscreen platform has none): going to
// the tray minimises, and an icon shown all the same reports its loss once, so a hidden window comes back.
#include "platform/shell/qt/qt_tray_icon.h"
#include "shell_fakes.h"

#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace kavrel::shell {
namespace {

using test::RecordingWindow;

const TrayMenuTexts kTexts{QStringLiteral("&Восстановить"), QStringLiteral("Выход"),
                           QStringLiteral("Close Kavrel")};

TEST(QtTrayIconTest, WithoutANotificationAreaTheWindowMinimises) {
    QtTrayIcon tray(QIcon(), kTexts);
    ASSERT_FALSE(tray.available());
    RecordingWindow window;
    TrayParking parking(tray, "Kavrel");
    parking.park(window);
    EXPECT_EQ(window.calls, std::vector<std::string>{"minimise"});
    EXPECT_FALSE(tray.shown());
}

TEST(QtTrayIconTest, AnIconWhoseNotificationAreaIsGoneReportsItOnce) {
    QtTrayIcon tray(QIcon(), kTexts);
    int lost = 0;
    tray.setHandlers({{}, {}, [&] { ++lost; }});
    tray.show("Kavrel");
    EXPECT_TRUE(QTest::qWaitFor([&] { return lost == 1; }, 5000));
    EXPECT_FALSE(tray.shown());
    QTest::qWait(1500);
    EXPECT_EQ(lost, 1);
}

} // namespace
} // namespace kavrel::shell
