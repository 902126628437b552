#include "ui/windows/main/playlist_file_dialogs.h"

#include "playlist/ppl_file.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kavrel::ui {

namespace {

const QString kSaveTitle = QStringLiteral("Save Playlist");
const QString kLoadTitle = QStringLiteral("Load Playlist");
const QString kFilter = QStringLiteral("Kavrel playlists (*.ppl);;All files (*)");

std::filesystem::path pathOf(const QString& name) {
    return std::filesystem::path(name.toStdString());
}

QString quoted(const QString& name) {
    return QStringLiteral("\"%1\"").arg(name);
}

// Why `file` cannot be loaded, or nothing when it holds a playlist with tracks. Reading it first keeps
// the playlist and the playback as they were when the file is no good.
QString loadProblem(const QString& name) {
    std::ifstream in(pathOf(name), std::ios::binary);
    if (!in)
        return QStringLiteral("Cannot open %1: %2")
            .arg(quoted(name), QString::fromLocal8Bit(std::strerror(errno)));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return QStringLiteral("Cannot read %1.").arg(quoted(name));
    const std::string text = std::move(bytes).str();
    try {
        if (playlist::parsePlaylist(text))
            return {};
    } catch (const playlist::PlaylistFileError& error) {
        return QStringLiteral("%1 is damaged: %2").arg(quoted(name), QString::fromStdString(error.what()));
    }
    if (text.starts_with(playlist::kPlaylistMagic))
        return QStringLiteral("The playlist %1 holds no tracks.").arg(quoted(name));
    return QStringLiteral("%1 is not a Kavrel playlist.").arg(quoted(name));
}

} // namespace

QString QtPlaylistFileDialogs::saveFileName(QWidget& parent, const QString& folder) {
    QFileDialog dialog(&parent, kSaveTitle, folder, kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension itself, so it asks before replacing the file really written.
    dialog.setDefaultSuffix(QStringLiteral("ppl"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtPlaylistFileDialogs::openFileName(QWidget& parent, const QString& folder) {
    return QFileDialog::getOpenFileName(&parent, kLoadTitle, folder, kFilter);
}

void QtPlaylistFileDialogs::showError(QWidget& parent, const QString& title, const QString& text) {
    QMessageBox::warning(&parent, title, text);
}

QString PlaylistFileActions::startFolder() const {
    if (!lastFolder_.isEmpty())
        return lastFolder_;
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QFileInfo(music).isDir() ? music : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

void PlaylistFileActions::save() {
    const QString name = dialogs_->saveFileName(parent_, startFolder());
    if (name.isEmpty())
        return;
    lastFolder_ = QFileInfo(name).absolutePath();
    try {
        commands_.Save(name.toStdString());
    } catch (const std::exception& error) {
        dialogs_->showError(
            parent_, kSaveTitle,
            QStringLiteral("The playlist was not saved.\n%1").arg(QString::fromStdString(error.what())));
    }
}

void PlaylistFileActions::load() {
    const QString name = dialogs_->openFileName(parent_, startFolder());
    if (name.isEmpty())
        return;
    lastFolder_ = QFileInfo(name).absolutePath();
    if (const QString problem = loadProblem(name); !problem.isEmpty()) {
        dialogs_->showError(parent_, kLoadTitle,
                            problem + QStringLiteral("\nThe playlist was left as it was."));
        return;
    }
    try {
        commands_.Load(pathOf(name));
    } catch (const std::exception& error) {
        dialogs_->showError(parent_, kLoadTitle, QString::fromStdString(error.what()));
    }
}

} // namespace kavrel::ui
