// Switch-off through a fake logind on a private bus: the request reaches logind without asking the user,
// and each way of failing says its own text. The real system bus is never used.
#include "platform/shell/qt/logind_power.h"
#include "private_bus.h"

#include <QDBusContext>
#include <QTest>
#include <gtest/gtest.h>

#include <future>
#include <optional>

namespace kavrel::shell {
namespace {

// logind's manager object; answers PowerOff with `error`, or accepts when it is empty.
class FakeLogind : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QString error;
    QList<bool> calls; // the interactive flag of each call

public slots:
    void PowerOff(bool interactive) {
        calls << interactive;
        if (!error.isEmpty())
            sendErrorReply(error, QStringLiteral("no"));
    }
};

// Runs the call off the main thread, whose event loop serves the fake logind meanwhile.
template <typename Call> auto whileServing(Call call) {
    auto result = std::async(std::launch::async, call);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 30'000));
    return result.get();
}

std::optional<std::string> switchOffFailure(LogindPower& power) {
    return whileServing([&]() -> std::optional<std::string> {
        try {
            power.switchOff();
            return std::nullopt;
        } catch (const TShutdownEx& failure) {
            return failure.what();
        }
    });
}

TEST(LogindPowerTest, EachFailureSaysItsOwnTextAndAnAcceptedCallNone) {
    struct Case {
        const char* what;
        bool logindPresent;
        QString reply; // logind's error; empty: it accepts
        std::optional<std::string> failure;
    };
    const Case cases[] = {
        {"accepted", true, {}, std::nullopt},
        {"no logind", false, {}, "LookupPrivilegeValue failed"},
        {"refused", true, QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
         "AdjustTokenPrivileges failed"},
        {"needs authorisation", true,
         QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
         "AdjustTokenPrivileges failed"},
        {"blocked by an inhibitor", true, QStringLiteral("org.freedesktop.login1.OperationInProgress"),
         "AdjustTokenPrivileges failed"},
        {"call failed", true, QStringLiteral("org.freedesktop.DBus.Error.Failed"), "ExitWindowsEx failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::PrivateBus bus;
        ASSERT_TRUE(bus.started());
        QDBusConnection logindBus = bus.connect(QStringLiteral("logind"));
        FakeLogind logind;
        logind.error = c.reply;
        if (c.logindPresent) {
            ASSERT_TRUE(logindBus.registerObject(QStringLiteral("/org/freedesktop/login1"), &logind,
                                                 QDBusConnection::ExportAllSlots));
            ASSERT_TRUE(logindBus.registerService(QStringLiteral("org.freedesktop.login1")));
        }
        LogindPower power(bus.address().toStdString());
        EXPECT_EQ(switchOffFailure(power), c.failure);
        EXPECT_EQ(logind.calls, c.logindPresent ? QList<bool>{false} : QList<bool>{});
    }
}

TEST(LogindPowerTest, WithoutABusTheFirstStepFails) {
    LogindPower power("unix:path=/nonexistent/bus");
    EXPECT_EQ(switchOffFailure(power), "OpenProcessToken failed");
}

// The command box's shut-down goes the same way and only says whether it was accepted.
TEST(LogindPowerTest, AShutDownRequestReportsAcceptanceSilently) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.started());
    LogindPower power(bus.address().toStdString());
    EXPECT_FALSE(whileServing([&] { return power.requestShutdown(); })); // nobody to ask

    QDBusConnection logindBus = bus.connect(QStringLiteral("logind"));
    FakeLogind logind;
    ASSERT_TRUE(logindBus.registerObject(QStringLiteral("/org/freedesktop/login1"), &logind,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(logindBus.registerService(QStringLiteral("org.freedesktop.login1")));
    EXPECT_TRUE(whileServing([&] { return power.requestShutdown(); }));
    logind.error = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_FALSE(whileServing([&] { return power.requestShutdown(); }));
    EXPECT_EQ(logind.calls, (QList<bool>{false, false}));
}

} // namespace
} // namespace kavrel::shell

#include "logind_power_test.moc"
