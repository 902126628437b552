#include "console_progress.h"

#include <algorithm>

using kavrel::library::BuildStage;

namespace {
constexpr int kBarWidth = 24;
}

void ConsoleProgress::stageRunning(BuildStage stage) {
    stage_ = stage;
    maximum_ = position_ = 0;
    if (terminal_)
        redraw();
    else
        std::fprintf(out_, "%s\n", std::string(kavrel::library::stageCaption(stage)).c_str());
    std::fflush(out_);
}

void ConsoleProgress::stageDone(BuildStage stage) {
    if (!terminal_ || stage == BuildStage::UpdatingLibrary)
        return;
    position_ = maximum_;
    redraw();
    finishLine();
}

void ConsoleProgress::progressRange(int maximum) {
    maximum_ = maximum;
    redraw();
}
void ConsoleProgress::progressPosition(int position) {
    position_ = position;
    redraw();
}
void ConsoleProgress::foundFiles(int count) {
    files_ = count;
    redraw();
}
void ConsoleProgress::performedSongs(int count) {
    songs_ = count;
    redraw();
}
void ConsoleProgress::foundArtists(int count) {
    artists_ = count;
    redraw();
}
void ConsoleProgress::megabytes(double value) {
    megabytes_ = value;
    redraw();
}

void ConsoleProgress::buildFailed(const std::string& reason) {
    end_ = End::Failed;
    failure_ = reason;
}

void ConsoleProgress::finishLine() {
    if (!lineOpen_)
        return;
    std::fputc('\n', out_);
    std::fflush(out_);
    lineOpen_ = false;
}

void ConsoleProgress::redraw() {
    if (!terminal_)
        return;
    const int filled = maximum_ > 0 ? std::clamp(position_ * kBarWidth / maximum_, 0, kBarWidth) : 0;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::fprintf(
        out_, "\r\x1b[K%-26s [%s]  Found Files: %d  Perform Tags: %d  Found Artists: %d  Files Size: %s MB",
        std::string(kavrel::library::stageCaption(stage_)).c_str(), bar.c_str(), files_, songs_, artists_,
        kavrel::library::formatMegabytes(megabytes_).c_str());
    std::fflush(out_);
    lineOpen_ = true;
}
