#include "core/save_state.h"

#include "recording_reporter.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kavrel::core {
namespace {

TEST(SaveState, AFailedStepDoesNotStopTheOthersAndIsReportedOnce) {
    std::vector<int> ran;
    SaveState save;
    save.addStep([&] { ran.push_back(1); });
    save.addStep([&] {
        ran.push_back(2);
        throw std::runtime_error("conf.pcf: No space left on device");
    });
    save.addStep([&] {
        ran.push_back(3);
        throw std::runtime_error("PlayListMainPL1.ppl: Read-only file system");
    });
    save.addStep([&] { ran.push_back(4); });
    RecordingReporter errors;
    EXPECT_FALSE(save.run(errors));
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("conf.pcf: No space"), std::string::npos);
    EXPECT_NE(errors.messages[0].find("PlayListMainPL1.ppl"), std::string::npos);
}

} // namespace
} // namespace kavrel::core
