// Language files come from the program folder, where any user may have edited or replaced them.
#include "platform/text/utf8.h"
#include "ui/lang/language_text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kavrel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ui::lang::LanguageText text = ui::lang::parseLanguageText(bytes);
    for (int n = 0; n <= text.lineCount() + 1; ++n) {
        const std::string& line = text.line(n);
        // Every line is valid UTF-8 with its line end gone and no leading blank left.
        if (!text::isValidUtf8(line) || line.find_first_of("\r\n") != std::string::npos ||
            (!line.empty() && static_cast<unsigned char>(line[0]) <= 0x20))
            std::abort();
    }
    return 0;
}
