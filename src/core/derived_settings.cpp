#include "core/derived_settings.h"

#include "core/design_defaults.h"
#include "platform/text/collation.h"
#include "platform/text/numbers.h"

#include <algorithm>

namespace kavrel::core {

namespace {

double number(const ShortString<10>& field) {
    return text::parseLenientNumber(field.text).value_or(0.0);
}

template <class Field> void repairNumber(Field& field, const Field& fallback) {
    if (!text::parseLenientNumber(field.text))
        field = fallback;
}

bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos &&
           name.find('\0') == std::string::npos;
}

} // namespace

QuickPlayTable quickPlayTable(const TConfRecord& r) {
    auto fragment = [](const ShortString<10>& start, const ShortString<10>& length) {
        return QuickPlayFragment{number(start) / 100.0,
                                 static_cast<std::int32_t>(text::roundHalfEven(number(length) * 1000.0))};
    };
    return {fragment(r.Interval_Pos_1, r.Interval_Len_1), fragment(r.Interval_Pos_2, r.Interval_Len_2),
            fragment(r.Interval_Pos_3, r.Interval_Len_3), QuickPlayFragment{1.0, 0}};
}

ShuffleShares shuffleShares(const TConfRecord& r) {
    return {number(r.S_All) / 100.0, number(r.S_Rus_A) / 100.0, number(r.S_Eng_A) / 100.0,
            number(r.S_A_Art) / 100.0, number(r.S_A_Alb) / 100.0};
}

std::int32_t startVolume(const TConfRecord& r) {
    const std::int64_t position =
        r.O_Run_Volume == 1 ? text::roundHalfEven(number(r.O_Run_NM_Vol)) * 10 : r.VolumePosition;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(position, 0, 1000));
}

WindowPoint startWindowPosition(const TConfRecord& r, std::int32_t screenWidth, std::int32_t screenHeight,
                                std::int32_t windowWidth, std::int32_t windowHeight) {
    if (r.O_Run_Position == 0)
        return {r.WindowLeft, r.WindowTop};
    return {static_cast<std::int32_t>(text::roundHalfEven((screenWidth - windowWidth) / 2.0)),
            static_cast<std::int32_t>(text::roundHalfEven((screenHeight - windowHeight) / 2.0))};
}

WindowSize startExtraSize(const TConfRecord& r) {
    if (r.O_Run_Size != 0)
        return {};
    return {r.ExtraWidth, r.ExtraHeight};
}

void repairLoadedRecord(TConfRecord& r) {
    const TConfRecord d = designDefaults();
    repairNumber(r.O_Run_NM_Vol, d.O_Run_NM_Vol);
    repairNumber(r.Interval_Pos_1, d.Interval_Pos_1);
    repairNumber(r.Interval_Pos_2, d.Interval_Pos_2);
    repairNumber(r.Interval_Pos_3, d.Interval_Pos_3);
    repairNumber(r.Interval_Len_1, d.Interval_Len_1);
    repairNumber(r.Interval_Len_2, d.Interval_Len_2);
    repairNumber(r.Interval_Len_3, d.Interval_Len_3);
    repairNumber(r.S_All, d.S_All);
    repairNumber(r.S_Rus_A, d.S_Rus_A);
    repairNumber(r.S_Eng_A, d.S_Eng_A);
    repairNumber(r.S_A_Art, d.S_A_Art);
    repairNumber(r.S_A_Alb, d.S_A_Alb);

    const std::string library = text::toUpperCase(r.ActiveLibrary.text);
    r.ActiveLibrary.text = (library == "LB2" || library == "LBCD") ? library : "LB1";
    if (!isPlainFileName(r.PresetFileName.text))
        r.PresetFileName = d.PresetFileName;
}

} // namespace kavrel::core
