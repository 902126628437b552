#include "platform/shell/qt/mpris_adaptors.h"

#include <QUrl>

#include <algorithm>
#include <cmath>

namespace kavrel::shell {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QDBusObjectPath mprisTrackId(const std::optional<MediaTrack>& track) {
    if (!track)
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(QStringLiteral("/io/github/kavrel/Kavrel/track/%1").arg(track->row));
}

MprisRootAdaptor::MprisRootAdaptor(QObject* object, MediaPlayer& player)
    : QDBusAbstractAdaptor(object), player_(player) {}

QString MprisRootAdaptor::identity() const {
    return QStringLiteral("Kavrel");
}

QString MprisRootAdaptor::desktopEntry() const {
    return QStringLiteral("io.github.kavrel.Kavrel");
}

QStringList MprisRootAdaptor::supportedUriSchemes() const {
    return {QStringLiteral("file")};
}

QStringList MprisRootAdaptor::supportedMimeTypes() const {
    return {QStringLiteral("audio/mpeg"), QStringLiteral("audio/x-vorbis+ogg"), QStringLiteral("audio/ogg"),
            QStringLiteral("audio/x-ms-wma")};
}

void MprisRootAdaptor::Raise() {
    player_.raise();
}

void MprisRootAdaptor::Quit() {
    player_.quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* object, MediaPlayer& player, std::function<void()> changed)
    : QDBusAbstractAdaptor(object), player_(player), changed_(std::move(changed)) {}

QString MprisPlayerAdaptor::playbackStatus() const {
    switch (player_.status()) {
    case PlaybackStatus::Playing:
        return QStringLiteral("Playing");
    case PlaybackStatus::Paused:
        return QStringLiteral("Paused");
    case PlaybackStatus::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    const std::optional<MediaTrack> track = player_.currentTrack();
    QVariantMap map{{QStringLiteral("mpris:trackid"), QVariant::fromValue(mprisTrackId(track))}};
    if (!track)
        return map;
    map.insert(QStringLiteral("xesam:title"), fromUtf8(track->title));
    map.insert(QStringLiteral("xesam:artist"), QStringList{fromUtf8(track->artist)});
    map.insert(QStringLiteral("xesam:album"), fromUtf8(track->album));
    map.insert(QStringLiteral("mpris:length"), qlonglong(track->lengthUs));
    if (!track->path.empty())
        map.insert(QStringLiteral("xesam:url"),
                   QUrl::fromLocalFile(fromUtf8(track->path)).toString(QUrl::FullyEncoded));
    return map;
}

double MprisPlayerAdaptor::volume() const {
    return player_.volume() / 1000.0;
}

void MprisPlayerAdaptor::setVolume(double volume) {
    if (std::isnan(volume))
        return;
    after([&] { player_.setVolume(static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 1000))); });
}

qlonglong MprisPlayerAdaptor::position() const {
    return player_.positionUs();
}

bool MprisPlayerAdaptor::hasTracks() const {
    return player_.trackCount() > 0;
}

bool MprisPlayerAdaptor::canSeek() const {
    const std::optional<MediaTrack> track = player_.currentTrack();
    return track && track->lengthUs > 0;
}

void MprisPlayerAdaptor::Play() {
    after([this] { player_.play(); });
}

void MprisPlayerAdaptor::Pause() {
    after([this] { player_.pause(); });
}

void MprisPlayerAdaptor::PlayPause() {
    after([this] { player_.playPause(); });
}

void MprisPlayerAdaptor::Stop() {
    after([this] { player_.stop(); });
}

void MprisPlayerAdaptor::Next() {
    after([this] { player_.next(); });
}

void MprisPlayerAdaptor::Previous() {
    after([this] { player_.previous(); });
}

// Past the end acts as Next, before the start goes to the start, as the interface says.
void MprisPlayerAdaptor::Seek(qlonglong offset) {
    const std::optional<MediaTrack> track = player_.currentTrack();
    if (!track || track->lengthUs <= 0)
        return;
    const qlonglong target = std::max<qlonglong>(0, player_.positionUs() + offset);
    if (target > track->lengthUs) {
        Next();
        return;
    }
    after([&] { player_.setPositionUs(target); });
    emit Seeked(player_.positionUs());
}

// Only for the track that is current, and only within it; anything else is ignored.
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong position) {
    const std::optional<MediaTrack> current = player_.currentTrack();
    if (!current || track != mprisTrackId(current) || position < 0 || position > current->lengthUs)
        return;
    after([&] { player_.setPositionUs(position); });
    emit Seeked(player_.positionUs());
}

void MprisPlayerAdaptor::after(const std::function<void()>& request) {
    request();
    changed_();
}

} // namespace kavrel::shell
