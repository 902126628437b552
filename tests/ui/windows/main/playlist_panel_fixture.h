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

// Shows the library panels in the window's lists.
class ListsView final : public library::browser::BrowserView {
public:
    explicit ListsView(ui::TForm1& window) : window_(window) {}
    void setItems(library::browser::Panel panel, const std::vector<std::string>& items) override;
    void setSelectedItem(library::browser::Panel panel, int item) override;
    void setScroller(library::browser::Panel, int, int) override {}
    int topItem(library::browser::Panel) const override { return 0; }
    int visibleItems(library::browser::Panel) const override { return 10; }
    void showLayout(const library::browser::ArtistLayout&) override {}
    void setSelectorState(int) override {}
    void setSongHint(const std::string&) override {}

private:
    ui::TCListBox& list(library::browser::Panel panel);
    ui::TForm1& window_;
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
    ~PlaylistPanelFixture();

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
    std::unique_ptr<ListsView> lists;
    ChosenFiles files;
};

} // namespace kavrel::test
