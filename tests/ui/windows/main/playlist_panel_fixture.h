#pragma once
// The whole player on a temporary program folder, its main window bound as the player binds it: the
// playlist PL1 holds "Title 1".."Title 3" (all the test tone, so a row can play into the capture sink) and
// LB1 a small library whose panels the window's lists show.
#include "bound_main_window.h"

#include <QStringList>

namespace kavrel::test {

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

struct PlaylistPanelFixture : BoundMainWindow {
    PlaylistPanelFixture();

    ui::PlaylistPanelBinding& panel() { return binding->playlistPanel(); }
    playlist::TMasPLayList& list() { return application->playbackState().list(); }
    // The titles of the active list, row 1 first.
    std::vector<std::string> titles();
    // The texts ListBox5 shows.
    std::vector<std::string> shownRows();

    ChosenFiles files;
};

} // namespace kavrel::test
