#include "library/build_progress.h"

#include <cstdio>

namespace kavrel::library {

std::string_view stageCaption(BuildStage stage) {
    static constexpr std::string_view captions[] = {"1) Finding Files",          "2) Scaning Tags",
                                                    "3) Performing Tags",        "4) Sorting Tags",
                                                    "5) Saving Tags to Library", "6) Updating Library"};
    return captions[static_cast<int>(stage) - 1];
}

std::string formatMegabytes(double megabytes, char decimalSeparator) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", megabytes);
    std::string result = text;
    for (char& c : result)
        if (c == '.')
            c = decimalSeparator;
    return result;
}

} // namespace kavrel::library
