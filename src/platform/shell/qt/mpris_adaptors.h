#pragma once
// The two MPRIS interfaces on the player's bus object: the root (identity, raise, quit) and the player
// (status, the current track, position, volume and the transport commands). Both call the player and
// then let the service announce whatever changed.
#include "platform/shell/media_player.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

#include <functional>

namespace kavrel::shell {

class MprisRootAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)
public:
    MprisRootAdaptor(QObject* object, MediaPlayer& player);

    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const;
    QString desktopEntry() const;
    QStringList supportedUriSchemes() const;
    QStringList supportedMimeTypes() const;

public slots:
    void Raise();
    void Quit();

private:
    MediaPlayer& player_;
};

class MprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ hasTracks)
    Q_PROPERTY(bool CanGoPrevious READ hasTracks)
    Q_PROPERTY(bool CanPlay READ hasTracks)
    Q_PROPERTY(bool CanPause READ hasTracks)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    // `changed` runs after every request, so the service can announce its effect.
    MprisPlayerAdaptor(QObject* object, MediaPlayer& player, std::function<void()> changed);

    QString playbackStatus() const;
    double rate() const { return 1.0; }
    void setRate(double) {} // one speed only; the interface allows ignoring it
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    qlonglong position() const;
    bool hasTracks() const;
    bool canSeek() const;
    bool canControl() const { return true; }

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& track, qlonglong position);

signals:
    void Seeked(qlonglong position);

private:
    void after(const std::function<void()>& request);

    MediaPlayer& player_;
    std::function<void()> changed_;
};

// The object path that names a playlist row to the desktop.
QDBusObjectPath mprisTrackId(const std::optional<MediaTrack>& track);

} // namespace kavrel::shell
