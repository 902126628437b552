#pragma once
// One file copied so that the target name only ever holds a complete copy: the bytes go to a hidden
// temporary file beside the target, reach the disk, and are renamed over the target. The source is only
// read.
#include <filesystem>
#include <functional>
#include <string>

namespace kavrel::tools {

enum class CopyResult { Copied, SourceMissing, Failed, Stopped };

struct CopyAttempt {
    CopyResult result = CopyResult::Copied;
    // Why it failed, for the user.
    std::string reason;
};

// Worker thread; blocks for the copy. `keepGoing` is asked between blocks (it may wait, to pause the
// copy); when it returns false the temporary file is removed and the result is Stopped. An existing
// target is replaced.
CopyAttempt copyThroughTemporary(const std::filesystem::path& source, const std::filesystem::path& target,
                                 const std::function<bool()>& keepGoing);

// The temporary name a copy to `target` is written under.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target);

} // namespace kavrel::tools
