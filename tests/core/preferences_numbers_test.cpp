#include "core/derived_settings.h"
#include "core/design_defaults.h"
#include "core/preferences_numbers.h"

#include <gtest/gtest.h>

namespace kavrel::core {
namespace {

TEST(PreferencesNumbers, LeavingAShareEditCapsAtOneHundredAndRoundsHalvesToEven) {
    struct Case {
        const char* typed;
        std::optional<ShareEdit> left;
    };
    const Case cases[] = {
        {"250", ShareEdit{"100", 1000}},
        {"100", ShareEdit{"100", 1000}},
        {"0", ShareEdit{"0", 0}},
        {"12,5", ShareEdit{"12.5", 125}},
        {"12.5%", ShareEdit{"12.5", 125}},
        {"0.25", ShareEdit{"0.2", 2}}, // 2.5 tenths: half to even
        {"0.75", ShareEdit{"0.8", 8}},
        {"1.04", ShareEdit{"1", 10}},
        {"", std::nullopt},
        {",", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(leaveShareEdit(c.typed), c.left) << c.typed;
}

TEST(PreferencesNumbers, TheShareTheSettingsDeriveIsTheUpDownOverAThousand) {
    TConfRecord settings = designDefaults();
    settings.S_All.text = leaveShareEdit("250")->text;
    EXPECT_DOUBLE_EQ(shuffleShares(settings).library, 1.0);

    ShareEdit edit{"0", 0};
    for (int click = 0; click < 10; ++click)
        edit = stepShare(edit.upDown, +1);
    EXPECT_EQ(edit, (ShareEdit{"1", 10}));
    settings.S_Rus_A.text = edit.text;
    EXPECT_DOUBLE_EQ(shuffleShares(settings).russianArtists, 0.01);
}

TEST(PreferencesNumbers, UpDownClicksStayWithinTheirRange) {
    EXPECT_EQ(stepShare(0, -1), (ShareEdit{"0", 0}));
    EXPECT_EQ(stepShare(1000, +1), (ShareEdit{"100", 1000}));
    EXPECT_EQ(stepShare(126, -1), (ShareEdit{"12.5", 125}));
}

TEST(PreferencesNumbers, ShowingTheSharesReadsTheTextsLeniently) {
    const std::pair<const char*, int> cases[] = {{"33", 330},   {"12,5", 125}, {"12.25", 122},
                                                 {"250", 1000}, {"", 0},       {"x", 0}};
    for (const auto& [text, upDown] : cases)
        EXPECT_EQ(shareUpDownOf(text), upDown) << text;
}

TEST(PreferencesNumbers, OnlyDigitsSeparatorsBackspaceAndEnterReachAShareEdit) {
    for (char32_t typed : {U'0', U'9', U',', U'.', U'\b', U'\r'})
        EXPECT_TRUE(shareEditAccepts(typed)) << static_cast<int>(typed);
    for (char32_t typed : {U'a', U'-', U' ', U'%', U'e', U'\u0437'})
        EXPECT_FALSE(shareEditAccepts(typed)) << static_cast<int>(typed);
}

TEST(PreferencesNumbers, AQuickPlayPairOfFiftyAndTenGivesHalfwayAndTenSeconds) {
    TConfRecord settings = designDefaults();
    settings.Interval_Pos_1.text = "50";
    settings.Interval_Len_1.text = "10";
    ASSERT_TRUE(isNumberText(settings.Interval_Pos_1.text));
    EXPECT_EQ(quickPlayTable(settings)[0], (QuickPlayFragment{0.5, 10000}));
    EXPECT_FALSE(isNumberText(""));
    EXPECT_FALSE(isNumberText("s"));
}

} // namespace
} // namespace kavrel::core
