#pragma once
// The whole player on a temporary program folder, its main window bound as the player binds it: the
// playlist PL1 holds "Title 1".."Title 3" (all the test tone, so a row can play into the capture sink) and
// LB1 a small library whose panels the window's lists show.
#include "core/application.h"
#include "platform/dispatch/task_queue.h"
#include "playlist/playlist_fakes.h"
#include "support/temp_dir.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/messages/player_messages.h"

#include <QStringList>
#include <memory>

namespace kavrel::test {

class NoPower final : public shell::PowerService {
public:
    bool requestShutdown() override { return false; }
};

// Answers the save and open dialogs with a chosen name and records the errors shown.
class ChosenFiles final : public ui::PlaylistFileDialogs {
public:
    QString saveFileName(QWidget&, const QString&) override { return chosen; }
    QString openFileName(QWidget&, const QString&) override { return chosen; }
    void showError(QWidget&, const QString& title, const QString& text) override {
        errors << title + ": " + text;
    }
    QString chosen;
    QStringList errors;
};

struct PlaylistPanelFixture {
    PlaylistPanelFixture();

    ui::TForm1& window() { return *windowPtr; }
    ui::PlaylistPanelBinding& panel() { return binding->playlistPanel(); }
    playlist::TMasPLayList& list() { return application->playbackState().list(); }
    // The titles of the active list, row 1 first.
    std::vector<std::string> titles();
    // The texts ListBox5 shows.
    std::vector<std::string> shownRows();

    TempDir dir;
    ui::PlayerMessages messages;
    RecordingShell shell;
    NoPower power;
    dispatch::TaskQueue loop;
    std::unique_ptr<core::Application> application;
    std::unique_ptr<ui::TForm1> windowPtr;
    std::unique_ptr<ui::MainWindowBinding> binding;
    ChosenFiles files;
};

} // namespace kavrel::test
