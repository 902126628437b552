#include "json_object.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/text/utf8.h"

namespace kavrel::probe {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = text::nextCodePoint(text, pos);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                text::appendUtf8(out, c);
            }
        }
    }
    return out + "\"";
}

void JsonObject::key(std::string_view name) {
    if (!members_.empty())
        members_ += ',';
    members_ += jsonString(name);
    members_ += ':';
}

JsonObject& JsonObject::text(std::string_view name, std::string_view value) {
    key(name);
    members_ += jsonString(value);
    return *this;
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
    key(name);
    members_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::integer(std::string_view name, std::int64_t value) {
    key(name);
    members_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::number(std::string_view name, double value) {
    key(name);
    if (!std::isfinite(value)) {
        members_ += "null";
        return *this;
    }
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    members_.append(digits, result.ptr);
    return *this;
}

JsonObject& JsonObject::integers(std::string_view name, std::span<const std::uint8_t> values) {
    key(name);
    members_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            members_ += ',';
        members_ += std::to_string(values[i]);
    }
    members_ += ']';
    return *this;
}

JsonObject& JsonObject::object(std::string_view name, const JsonObject& value) {
    key(name);
    members_ += value.str();
    return *this;
}

} // namespace kavrel::probe
