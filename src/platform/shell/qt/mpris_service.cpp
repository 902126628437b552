#include "platform/shell/qt/mpris_service.h"

#include "platform/shell/qt/mpris_adaptors.h"

#include <QDBusMessage>

namespace kavrel::shell {
namespace {

const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.kavrel");
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Position is left out: it moves all the time and is read when wanted, as the interface asks.
const char* const kAnnouncedProperties[] = {"PlaybackStatus", "Metadata", "Volume",   "CanGoNext",
                                            "CanGoPrevious",  "CanPlay",  "CanPause", "CanSeek"};

} // namespace

MprisService::MprisService(MediaPlayer& player, QDBusConnection bus) : player_(player), bus_(std::move(bus)) {
    new MprisRootAdaptor(&object_, player_);
    playerInterface_ = new MprisPlayerAdaptor(&object_, player_, [this] { playerChanged(); });
}

MprisService::~MprisService() {
    if (!started_)
        return;
    bus_.unregisterService(kServiceName);
    bus_.unregisterObject(kObjectPath);
}

bool MprisService::start() {
    if (!bus_.isConnected() || !bus_.registerObject(kObjectPath, &object_))
        return false;
    if (!bus_.registerService(kServiceName)) {
        bus_.unregisterObject(kObjectPath);
        return false;
    }
    started_ = true;
    announced_ = playerProperties();
    return true;
}

QVariantMap MprisService::playerProperties() const {
    QVariantMap properties;
    for (const char* name : kAnnouncedProperties)
        properties.insert(QString::fromLatin1(name), playerInterface_->property(name));
    return properties;
}

void MprisService::playerChanged() {
    if (!started_)
        return;
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto property = now.cbegin(); property != now.cend(); ++property)
        if (announced_.value(property.key()) != property.value())
            changed.insert(property.key(), property.value());
    announced_ = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    bus_.send(signal);
}

void MprisService::positionJumped(std::int64_t positionUs) {
    if (started_)
        emit playerInterface_->Seeked(positionUs);
}

} // namespace kavrel::shell
