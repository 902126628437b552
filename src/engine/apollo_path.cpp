#include "engine/apollo_path.h"

namespace kavrel::engine {

bool apolloPathNeedsDialog(const std::string& path) {
    std::error_code error;
    return path.empty() || !std::filesystem::is_regular_file(path, error);
}

std::string chooseApolloPath(const std::string& boxText, const std::filesystem::path& programFolder,
                             const AskForProgram& ask) {
    if (!apolloPathNeedsDialog(boxText))
        return boxText;
    const auto chosen = ask ? ask(programFolder) : std::nullopt;
    return chosen ? *chosen : boxText;
}

std::string startupApolloPath(const std::string& stored, const std::filesystem::path& programFolder) {
    return apolloPathNeedsDialog(stored) ? (programFolder / kApolloStandInFile).string() : stored;
}

} // namespace kavrel::engine
