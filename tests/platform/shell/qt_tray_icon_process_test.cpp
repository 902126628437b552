// The Qt tray icon as a D-Bus notification area sees it (the kind most desktops have now): the player's
// icon alone in a process of its own on the test's own X server and session bus, where the test plays the
// notification area's watcher and clicks the icon and its menu the way a panel does.
#include "private_bus.h"
#include "x_server.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>

namespace kavrel::test {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// The notification area's side: the icons register here.
class FakeWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    QStringList items() const { return items_; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QString itemOwner; // the connection that registered the icon

public slots:
    void RegisterStatusNotifierItem(const QString& item, const QDBusMessage& message) {
        items_ << item;
        itemOwner = message.service();
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QStringList items_;
};

namespace {

struct Probe {
    QProcess process;
    QStringList lines;

    bool says(const QString& line, int timeoutMs = 10'000) {
        return QTest::qWaitFor(
            [&] {
                while (process.canReadLine())
                    lines << QString::fromUtf8(process.readLine()).trimmed();
                return lines.contains(line);
            },
            timeoutMs);
    }
};

class QtTrayIconProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display.started());
        ASSERT_TRUE(bus.started());
    }
    void TearDown() override {
        probe.process.terminate();
        probe.process.waitForFinished(10'000);
    }
    void startWatcher() {
        ASSERT_TRUE(panel.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                         QDBusConnection::ExportAllContents));
        ASSERT_TRUE(panel.registerService(kWatcher));
    }
    void startProbe() {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), display.display());
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        probe.process.setProcessEnvironment(environment);
        probe.process.start(QStringLiteral(KAVREL_TRAY_PROBE));
        ASSERT_TRUE(probe.process.waitForStarted(10'000));
    }
    // What a panel sends to the icon.
    QDBusMessage toIcon(const QString& path, const QString& interface, const QString& method,
                        const QVariantList& arguments) {
        auto call = QDBusMessage::createMethodCall(watcher.itemOwner, path, interface, method);
        call.setArguments(arguments);
        return panel.call(call, QDBus::Block, 10'000);
    }
    // The id of the icon menu's item labelled `label`, or -1.
    int menuItem(const QString& label) {
        const QDBusMessage layout =
            toIcon(QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
                   QStringLiteral("GetLayout"), {0, -1, QStringList()});
        if (layout.type() != QDBusMessage::ReplyMessage || layout.arguments().size() < 2)
            return -1;
        // (id, properties, children): the root's children are the items, each a layout of its own.
        const auto root = layout.arguments().at(1).value<QDBusArgument>();
        int id = 0;
        QVariantMap properties;
        root.beginStructure();
        root >> id >> properties;
        root.beginArray();
        int found = -1;
        while (!root.atEnd()) {
            QDBusVariant child;
            root >> child;
            const auto item = child.variant().value<QDBusArgument>();
            item.beginStructure();
            item >> id >> properties;
            QList<QDBusVariant> children;
            item >> children;
            item.endStructure();
            if (properties.value(QStringLiteral("label")).toString() == label)
                found = id;
        }
        root.endArray();
        root.endStructure();
        return found;
    }

    XServer display;
    PrivateBus bus;
    QDBusConnection panel = bus.connect(QStringLiteral("panel"));
    FakeWatcher watcher;
    Probe probe;
};

TEST_F(QtTrayIconProcessTest, AClickOnTheIconRestoresAndItsMenuExits) {
    startWatcher();
    startProbe();
    ASSERT_TRUE(probe.says(QStringLiteral("available")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.itemOwner.isEmpty(); }, 10'000));

    // A panel's left click is a plain activation: there is no double-click on this kind of tray.
    toIcon(QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"),
           QStringLiteral("Activate"), {10, 10});
    EXPECT_TRUE(probe.says(QStringLiteral("restore")));

    const int exit = menuItem(QStringLiteral("Выход"));
    ASSERT_GT(exit, 0);
    EXPECT_GT(menuItem(QStringLiteral("_Восстановить")), 0);
    toIcon(QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"),
           {exit, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    EXPECT_TRUE(probe.says(QStringLiteral("exit")));
    EXPECT_EQ(probe.lines.count(QStringLiteral("restore")), 1);
}

TEST_F(QtTrayIconProcessTest, AnIconWhoseNotificationAreaGoesAwaySaysSo) {
    startWatcher();
    startProbe();
    ASSERT_TRUE(probe.says(QStringLiteral("available")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.itemOwner.isEmpty(); }, 10'000));
    panel.unregisterService(kWatcher);
    EXPECT_TRUE(probe.says(QStringLiteral("lost")));
}

TEST_F(QtTrayIconProcessTest, WithoutANotificationAreaThereIsNone) {
    startProbe();
    EXPECT_TRUE(probe.says(QStringLiteral("none")));
}

} // namespace
} // namespace kavrel::test

#include "qt_tray_icon_process_test.moc"
