#pragma once
// The player on the session bus as org.mpris.MediaPlayer2.kavrel, so media keys, the desktop's sound menu
// and playerctl reach it. It announces every change of what it shows (PropertiesChanged) and every jump
// of the position (Seeked). Main thread.
#include "platform/shell/media_player.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

namespace kavrel::shell {

class MprisPlayerAdaptor;

class MprisService final : public MediaPlayerEvents {
public:
    MprisService(MediaPlayer& player, QDBusConnection bus);
    ~MprisService() override;
    MprisService(const MprisService&) = delete;
    MprisService& operator=(const MprisService&) = delete;

    // Publishes the player; false when there is no session bus or the name is taken, and the player then
    // runs without it.
    bool start();

    void playerChanged() override;
    void positionJumped(std::int64_t positionUs) override;

private:
    QVariantMap playerProperties() const;

    MediaPlayer& player_;
    QDBusConnection bus_;
    QObject object_; // carries both interfaces at /org/mpris/MediaPlayer2
    MprisPlayerAdaptor* playerInterface_;
    QVariantMap announced_; // the player interface's properties as last announced
    bool started_ = false;
};

} // namespace kavrel::shell
