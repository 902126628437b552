#pragma once
// "Copying files from the Playlist": copies the tracks of the current playlist into artist and album
// folders through a copy job, shows its statistics, and keeps the destination and the three choices in
// the settings record. Every control carries the name its language file addresses.
#include "core/conf_record.h"
#include "tools/copy_job.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace kavrel::ui::copier {

class CopierDialogs;

class TForm2 final : public QDialog, private tools::CopyListener {
    Q_OBJECT
public:
    // The tracks of the current playlist, in playlist order, at the moment a copy starts.
    using PlaylistTracks = std::function<std::vector<tools::CopyEntry>()>;

    // Main thread. The settings, the starter and the dialogs must outlive the window.
    TForm2(core::TConfRecord& settings, tools::CopyJobStarter& starter, PlaylistTracks tracks,
           CopierDialogs& dialogs, QWidget* parent = nullptr);
    // Stops a copy that still runs.
    ~TForm2() override;

    bool copying() const { return job_ != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildControls();
    QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& choices,
                          QRect geometry);
    void readSettings();
    void chooseFolder();
    void startOrStop();
    void suspendOrResume();
    void stopCopy();
    void reset();
    void showIdleCaptions();

    void copyStarted(int totalFiles, double totalMb) override;
    void copyProgress(const tools::CopyProgress& progress) override;
    void copyFinished(const tools::CopyOutcome& outcome) override;
    void copyFailed(const std::string& message) override;

    core::TConfRecord& settings_;
    tools::CopyJobStarter& starter_;
    PlaylistTracks tracks_;
    CopierDialogs& dialogs_;
    std::unique_ptr<tools::CopyJob> job_;

    QGroupBox* S_Copy_Artist = nullptr;
    QGroupBox* S_Copy_Albom = nullptr;
    QGroupBox* S_Copy_Title = nullptr;
    QLineEdit* ePath_Copy = nullptr;
    QPushButton* bSetPathToCopy = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
};

} // namespace kavrel::ui::copier
