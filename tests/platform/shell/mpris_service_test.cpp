// The media-player interface on a private session bus, driven as the desktop's media controls drive it,
// over a stand-in player.
#include "platform/shell/qt/mpris_service.h"
#include "private_bus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace kavrel::shell {
namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.kavrel");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A playlist of two rows with a playback state, as the playback control keeps them.
class FakePlayer final : public MediaPlayer {
public:
    std::vector<MediaTrack> rows{{1, "First", "Artist A", "Album A", "/music/a b.mp3", 180'000'000},
                                 {2, "Second", "Artist B", "Album B", "/music/b.mp3", 60'000'000}};
    int current = 1;
    PlaybackStatus state = PlaybackStatus::Stopped;
    std::int64_t position = 0;
    int level = 800;
    int raised = 0;
    int quits = 0;

    PlaybackStatus status() const override { return state; }
    std::optional<MediaTrack> currentTrack() const override {
        if (current < 1)
            return std::nullopt;
        return rows[current - 1];
    }
    int trackCount() const override { return static_cast<int>(rows.size()); }
    std::int64_t positionUs() const override { return position; }
    int volume() const override { return level; }
    void play() override { state = PlaybackStatus::Playing; }
    void pause() override { state = PlaybackStatus::Paused; }
    void playPause() override {
        state = state == PlaybackStatus::Playing ? PlaybackStatus::Paused : PlaybackStatus::Playing;
    }
    void stop() override {
        state = PlaybackStatus::Stopped;
        position = 0;
    }
    void next() override {
        current = current % trackCount() + 1;
        position = 0;
    }
    void previous() override {
        current = current == 1 ? trackCount() : current - 1;
        position = 0;
    }
    void setPositionUs(std::int64_t to) override { position = to; }
    void setVolume(int to) override { level = to; }
    void raise() override { ++raised; }
    void quit() override { ++quits; }
};

// Collects the signals the service sends, as a desktop listening on the bus would.
class SignalLog : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;
public slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
        if (interface == kPlayer)
            changes << changed;
    }
    void seeked(qlonglong position) { seeks << position; }
};

class MprisServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.started()) << "dbus-daemon did not start";
        service = std::make_unique<MprisService>(player, bus.connect(QStringLiteral("player")));
        ASSERT_TRUE(service->start());
        desktop = bus.connect(QStringLiteral("desktop"));
        ASSERT_TRUE(desktop.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), &log,
                                    SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
        ASSERT_TRUE(desktop.connect(kService, kPath, kPlayer, QStringLiteral("Seeked"), &log,
                                    SLOT(seeked(qlonglong))));
    }

    // A call as the desktop makes it, answered while the event loop runs (the player is in this process).
    QDBusMessage call(const QString& interface, const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = desktop.asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000)) << method.toStdString();
        const QDBusMessage reply = pending.reply();
        EXPECT_NE(reply.type(), QDBusMessage::ErrorMessage) << reply.errorMessage().toStdString();
        return reply;
    }

    QVariant get(const QString& interface, const QString& name) {
        const QDBusMessage reply = call(kProperties, QStringLiteral("Get"), {interface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    QVariantMap metadata() { return qdbus_cast<QVariantMap>(get(kPlayer, QStringLiteral("Metadata"))); }

    // The value of `name` in the newest PropertiesChanged received so far that carries it.
    QVariant latest(const QString& name) const {
        QVariant value;
        for (const QVariantMap& change : log.changes)
            if (change.contains(name))
                value = change.value(name);
        return value;
    }

    // Waits for a PropertiesChanged that carries `name`; returns its value.
    QVariant announced(const QString& name) {
        (void)QTest::qWaitFor([&] { return latest(name).isValid(); }, 3000);
        return latest(name);
    }

    test::PrivateBus bus;
    FakePlayer player;
    std::unique_ptr<MprisService> service;
    QDBusConnection desktop{QString()};
    SignalLog log;
};

TEST_F(MprisServiceTest, NamesThePlayerAndItsDesktopEntry) {
    EXPECT_EQ(get(kRoot, QStringLiteral("Identity")).toString(), QStringLiteral("Kavrel"));
    EXPECT_EQ(get(kRoot, QStringLiteral("DesktopEntry")).toString(),
              QStringLiteral("io.github.kavrel.Kavrel"));
    EXPECT_TRUE(get(kRoot, QStringLiteral("CanRaise")).toBool());
    call(kRoot, QStringLiteral("Raise"));
    call(kRoot, QStringLiteral("Quit"));
    EXPECT_EQ(player.raised, 1);
    EXPECT_EQ(player.quits, 1);
}

TEST_F(MprisServiceTest, PlayTurnsStoppedIntoPlayingAndSaysSo) {
    EXPECT_EQ(get(kPlayer, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));
    call(kPlayer, QStringLiteral("Play"));
    EXPECT_EQ(player.state, PlaybackStatus::Playing);
    EXPECT_EQ(get(kPlayer, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    EXPECT_EQ(announced(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    call(kPlayer, QStringLiteral("PlayPause"));
    EXPECT_EQ(get(kPlayer, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));
}

TEST_F(MprisServiceTest, MetadataDescribesTheCurrentRowAndNextChangesIt) {
    QVariantMap first = metadata();
    EXPECT_EQ(first.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/io/github/kavrel/Kavrel/track/1"));
    EXPECT_EQ(first.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("First"));
    EXPECT_EQ(first.value(QStringLiteral("xesam:artist")).toStringList(),
              QStringList{QStringLiteral("Artist A")});
    EXPECT_EQ(first.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Album A"));
    EXPECT_EQ(first.value(QStringLiteral("mpris:length")).toLongLong(), 180'000'000);
    EXPECT_EQ(first.value(QStringLiteral("xesam:url")).toString(), QStringLiteral("file:///music/a%20b.mp3"));

    call(kPlayer, QStringLiteral("Next"));
    EXPECT_EQ(metadata().value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Second"));
    const QVariantMap change = qdbus_cast<QVariantMap>(announced(QStringLiteral("Metadata")));
    EXPECT_EQ(change.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Second"));

    // A change the player makes by itself (a track end) is announced once it says so.
    log.changes.clear();
    player.current = 0;
    service->playerChanged();
    const QVariantMap none = qdbus_cast<QVariantMap>(announced(QStringLiteral("Metadata")));
    EXPECT_EQ(none.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
}

TEST_F(MprisServiceTest, SeekAndSetPositionMoveThePositionAndSaySo) {
    struct Case {
        const char* name;
        std::int64_t from;
        QString method;
        QVariantList arguments;
        std::int64_t position;
        int row;
    };
    const QVariant currentTrack =
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/io/github/kavrel/Kavrel/track/1")));
    const QVariant otherTrack =
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/io/github/kavrel/Kavrel/track/2")));
    const std::vector<Case> cases{
        {"forward", 10'000'000, QStringLiteral("Seek"), {qlonglong(5'000'000)}, 15'000'000, 1},
        {"back past the start", 3'000'000, QStringLiteral("Seek"), {qlonglong(-5'000'000)}, 0, 1},
        {"past the end is next", 170'000'000, QStringLiteral("Seek"), {qlonglong(20'000'000)}, 0, 2},
        {"set position",
         0,
         QStringLiteral("SetPosition"),
         {currentTrack, qlonglong(42'000'000)},
         42'000'000,
         1},
        {"another track's position",
         7,
         QStringLiteral("SetPosition"),
         {otherTrack, qlonglong(42'000'000)},
         7,
         1},
        {"beyond the length", 7, QStringLiteral("SetPosition"), {currentTrack, qlonglong(200'000'000)}, 7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.current = 1;
        player.position = c.from;
        log.seeks.clear();
        call(kPlayer, c.method, c.arguments);
        EXPECT_EQ(player.position, c.position);
        EXPECT_EQ(player.current, c.row);
        EXPECT_EQ(get(kPlayer, QStringLiteral("Position")).toLongLong(), c.position);
        if (c.row == 1 && c.position != c.from) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !log.seeks.isEmpty(); }, 3000));
            EXPECT_EQ(log.seeks.last(), c.position);
        }
    }
}

TEST_F(MprisServiceTest, VolumeMapsOntoTheProgramsScale) {
    EXPECT_DOUBLE_EQ(get(kPlayer, QStringLiteral("Volume")).toDouble(), 0.8);
    for (const auto& [set, level] :
         std::vector<std::pair<double, int>>{{0.25, 250}, {1.7, 1000}, {-0.2, 0}}) {
        call(kProperties, QStringLiteral("Set"),
             {kPlayer, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(set))});
        EXPECT_EQ(player.level, level) << set;
    }
    // Each change is announced; the signals may still be on their way when the last Set returns.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QVariant volume = latest(QStringLiteral("Volume"));
            return volume.isValid() && volume.toDouble() == 0.0;
        },
        3000));
}

TEST_F(MprisServiceTest, ASecondPlayerCannotTakeTheName) {
    FakePlayer other;
    MprisService second(other, bus.connect(QStringLiteral("second")));
    EXPECT_FALSE(second.start());
    MprisService withoutBus(other,
                            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "none"));
    EXPECT_FALSE(withoutBus.start());
    QDBusConnection::disconnectFromBus(QStringLiteral("none"));
}

} // namespace
} // namespace kavrel::shell

#include "mpris_service_test.moc"
