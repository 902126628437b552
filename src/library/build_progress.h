#pragma once
// What a library build reports to whoever started it. The build window binds its controls to this;
// the command-line tool prints it. Every call arrives on the caller's thread, in the order the build
// made them, through the dispatcher the builder was given.
#include <string>
#include <string_view>

namespace kavrel::library {

enum class BuildStage {
    FindingFiles = 1,
    ScaningTags,
    PerformingTags,
    SortingTags,
    SavingTagsToLibrary,
    UpdatingLibrary,
};

// The stage indicator captions of the build window: "1) Finding Files" .. "6) Updating Library".
std::string_view stageCaption(BuildStage stage);

class BuildProgress {
public:
    virtual ~BuildProgress() = default;

    virtual void stageRunning(BuildStage) {}
    // Done for UpdatingLibrary comes right before librarySaved().
    virtual void stageDone(BuildStage) {}

    // The running stage's progress bar: a new range, then positions within it.
    virtual void progressRange(int /*maximum*/) {}
    virtual void progressPosition(int) {}

    virtual void foundFiles(int) {}
    virtual void performedSongs(int) {}
    virtual void foundArtists(int) {}
    // The path or artist being processed; empty clears the line.
    virtual void fileNameLine(const std::string&) {}
    // Megabytes scanned so far (see formatMegabytes).
    virtual void megabytes(double) {}

    // The build ended. Exactly one of these comes, unless the build was stopped by its caller.
    virtual void noFilesFound() {}
    virtual void librarySaved() {}
    // A stage could not go on (a library file could not be written, say); the library is as it was.
    virtual void buildFailed(const std::string& /*reason*/) {}
};

// Two decimals in fixed notation with the given decimal separator: 1048576 bytes show "1.00".
std::string formatMegabytes(double megabytes, char decimalSeparator = '.');

} // namespace kavrel::library
