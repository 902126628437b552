#pragma once
// Shows a build on the console: on a terminal one live line with the running stage, a progress bar and
// the counters; otherwise one line per stage.
#include <cstdio>
#include <string>

#include "library/build_progress.h"

class ConsoleProgress final : public kavrel::library::BuildProgress {
public:
    enum class End { Running, Saved, NoFiles, Failed };

    ConsoleProgress(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

    void stageRunning(kavrel::library::BuildStage stage) override;
    void stageDone(kavrel::library::BuildStage stage) override;
    void progressRange(int maximum) override;
    void progressPosition(int position) override;
    void foundFiles(int count) override;
    void performedSongs(int count) override;
    void foundArtists(int count) override;
    void megabytes(double value) override;
    void noFilesFound() override { end_ = End::NoFiles; }
    void librarySaved() override { end_ = End::Saved; }
    void buildFailed(const std::string& reason) override;

    End end() const { return end_; }
    const std::string& failure() const { return failure_; }
    double scannedMegabytes() const { return megabytes_; }
    // Ends a live line that is still open.
    void finishLine();

private:
    void redraw();

    std::FILE* out_;
    bool terminal_;
    bool lineOpen_ = false;
    kavrel::library::BuildStage stage_ = kavrel::library::BuildStage::FindingFiles;
    int maximum_ = 0, position_ = 0, files_ = 0, songs_ = 0, artists_ = 0;
    double megabytes_ = 0;
    End end_ = End::Running;
    std::string failure_;
};
