#include "copied_file_name.h"

#include <algorithm>

namespace kavrel::apollo {

std::optional<std::string> copiedFileName(const winmsg::CopyData& data) {
    const auto& bytes = data.bytes;
    if (data.dwData != engine::kApolloFileNameKind || bytes.size() < 2 || bytes.back() != 0 ||
        std::find(bytes.begin(), bytes.end(), 0) != bytes.end() - 1)
        return std::nullopt;
    return std::string(bytes.begin(), bytes.end() - 1);
}

} // namespace kavrel::apollo
