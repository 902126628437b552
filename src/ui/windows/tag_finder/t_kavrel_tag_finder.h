#pragma once
// "Kavrel Tag Finder", the library build window: takes the folders and formats, starts a build of the
// active library (or of the CD's), shows each stage, its counters and its progress as the build reports
// them, and lets the user suspend, resume or stop it. It also serves the library selector's CD strip and
// the files dropped on the main window. Every control carries the name "Tager.plf" addresses.
//
// The window is modal but never blocks its caller: each entry shows it and returns. Closing it while a
// build runs only hides it; the build goes on and the window comes back with the result. Main thread.
#include "core/conf_record.h"
#include "core/library_builds.h"
#include "library/build_progress.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kavrel::ui::tag_finder {

class TagFinderDialogs;

// How the window opens from the player's menus and the welcome window.
enum class OpenMode {
    AsLeft,       // the choices as the user left them
    Rebuild,      // "Clear Library And Add Files" chosen
    Add,          // "Add Files" chosen
    RefreshFiles, // rebuilds the active library at once from the folders of the files it holds
};

class TKavrelTagFinder final : public QDialog, private library::BuildProgress, private core::CdBuildWindow {
    Q_OBJECT
public:
    // Binds itself as the builds' progress view and CD window. The builds, the settings and the dialogs
    // outlive the window. `reloadPanels` reads the active library into the browser panels.
    TKavrelTagFinder(core::LibraryBuilds& builds, const core::TConfRecord& settings,
                     TagFinderDialogs& dialogs, std::function<void()> reloadPanels,
                     QWidget* parent = nullptr);
    ~TKavrelTagFinder() override;

    // Shows the window. While a build runs it only shows it, as it stands.
    void openIn(OpenMode mode);
    // Adds dropped files and folders to the active library, replacing a build that runs.
    void buildFromDroppedItems(std::vector<std::string> files, std::vector<std::string> folders);

    bool building() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void startOrStop();
    void suspendOrResume();
    void autoChoose();
    void manualChoose();
    // Rebuilds the active library from the files in the folders of the files it holds, leaving out
    // (after asking) the folders that are gone.
    void refresh();
    // Start's checks and the start itself; `cdBuild` builds "LBCD" from the field's folders.
    void startFromField(bool cdBuild);
    void startFolders(std::vector<std::string> folders, std::vector<std::string> files, bool cdBuild);
    void startBuild(const core::LibraryBuildRequest& request);
    void stopBuild();
    // Back to idle; with `showResult` the statistics are shown first.
    void reset(bool showResult);
    void setInputsEnabled(bool enabled);
    std::vector<std::string> chosenMasks() const;
    std::string activeLibrary() const;
    // The queued CD build, after the running one saved its library.
    void offerQueuedCdBuild();
    void startCdBuild();
    void showOldLibraryAgain();
    // Runs `handle` after the end report returned, unless another build started or the user stopped.
    void ended(std::function<void()> handle);

    // library::BuildProgress
    void stageRunning(library::BuildStage stage) override;
    void stageDone(library::BuildStage stage) override;
    void progressRange(int maximum) override;
    void progressPosition(int position) override;
    void foundFiles(int count) override;
    void performedSongs(int count) override;
    void foundArtists(int count) override;
    void fileNameLine(const std::string& text) override;
    void megabytes(double value) override;
    void noFilesFound() override;
    void librarySaved() override;
    void buildFailed(const std::string& reason) override;

    // core::CdBuildWindow
    void cdBuildAtOnce() override;
    void cdBuildAfterTheRunningOne() override;

    core::LibraryBuilds& builds_;
    const core::TConfRecord& settings_;
    TagFinderDialogs& dialogs_;
    std::function<void()> reloadPanels_;
    std::string building_; // the library the running build writes; empty while idle
    bool cdQueued_ = false;
    // Counts the starts and stops, so the end of one build is never taken for the next one's.
    unsigned run_ = 0;

public:
    // The controls, by their names.
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QCheckBox* mp3 = nullptr;
    QCheckBox* ogg = nullptr;
    QCheckBox* wma = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button4 = nullptr;
    QLineEdit* FilesCounter = nullptr;
    QLineEdit* SongCounter = nullptr;
    QLineEdit* ArtistCounter = nullptr;
    QLineEdit* FileSizeCounter = nullptr;
    QLineEdit* InfoFild = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    // FindingFiles .. UpdatingLibrary, in stage order.
    std::array<QCheckBox*, 6> stageBoxes{};
};

} // namespace kavrel::ui::tag_finder
