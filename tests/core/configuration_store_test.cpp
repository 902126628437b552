#include "core/configuration_store.h"

#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "recording_reporter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::core {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class ConfigurationStoreTest : public ::testing::Test {
protected:
    ConfigurationStoreTest() : store(fs::ProgramFolder(dir.path()), errors) {}

    void shipDefault(const TConfRecord& record) {
        writeFile(dir / "PlSysFile/DefaultConf.pcf", encodeConfRecord(record));
    }
    static TConfRecord customised() {
        TConfRecord r = designDefaults();
        r.VolumePosition = 123;
        r.ActiveLibrary.text = "LB2";
        return r;
    }

    TempDir dir;
    RecordingReporter errors;
    ConfigurationStore store;
};

TEST_F(ConfigurationStoreTest, BrokenFilesAreReplacedByTheDefault) {
    TConfRecord shipped = designDefaults();
    shipped.VolumePosition = 777;
    shipDefault(shipped);
    for (const std::string& content : {std::string(), std::string(100, 'x')}) { // empty, short
        writeFile(dir / "PlSysFile/Conf.pcf", content);
        EXPECT_EQ(store.load("Conf.pcf").VolumePosition, 777);
        EXPECT_EQ(readFile(dir / "PlSysFile/Conf.pcf"), encodeConfRecord(shipped));
    }
    std::filesystem::remove(dir / "PlSysFile/Conf.pcf"); // missing
    EXPECT_EQ(store.load("Conf.pcf").VolumePosition, 777);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ConfigurationStoreTest, ABrokenDefaultIsReportedOnceAndTheBuiltInSettingsAreUsed) {
    writeFile(dir / "PlSysFile/DefaultConf.pcf", "short");
    EXPECT_EQ(store.load("Conf.pcf"), designDefaults());
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("DefaultConf.pcf"), std::string::npos);
}

TEST_F(ConfigurationStoreTest, CaseVariantsOfTheNameReadTheSameFile) {
    writeFile(dir / "PlSysFile/Conf.pcf", encodeConfRecord(customised()));
    store.saveRecord("conf.pcf", customised());
    EXPECT_EQ(store.load("Conf.pcf"), customised());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "PlSysFile"), {}), 1);
}

// One damaged field costs only that field: the rest of the user's settings survive.
TEST_F(ConfigurationStoreTest, DamagedFieldsAreRepairedOneByOne) {
    TConfRecord damaged = customised();
    damaged.S_Rus_A.text = "";
    damaged.Interval_Len_2.text = "abc";
    damaged.ActiveLibrary.text = "../../etc";
    damaged.PresetFileName.text = "../outside.pef";
    writeFile(dir / "PlSysFile/Conf.pcf", encodeConfRecord(damaged));
    const TConfRecord loaded = store.load("Conf.pcf");
    EXPECT_EQ(loaded.S_Rus_A.text, "0");
    EXPECT_EQ(loaded.Interval_Len_2.text, "7");
    EXPECT_EQ(loaded.ActiveLibrary.text, "LB1");
    EXPECT_EQ(loaded.PresetFileName.text, designDefaults().PresetFileName.text);
    EXPECT_EQ(loaded.VolumePosition, 123);
}

TEST_F(ConfigurationStoreTest, SavesTheRecordThenThePresetItNames) {
    TConfRecord r = customised();
    r.PresetFileName.text = "Mine.pef";
    EqualizerValues gains{};
    gains[4] = 12;
    std::filesystem::create_directories(dir / "PlSysFile");
    store.save("conf.pcf", r, gains);
    EXPECT_EQ(store.load("Conf.pcf"), r);
    EXPECT_EQ(store.loadStartupPreset(r)[4], 12);
}

TEST_F(ConfigurationStoreTest, AMissingStartupPresetIsReportedOnceAndGivesAFlatEqualizer) {
    const EqualizerValues values = store.loadStartupPreset(designDefaults());
    EXPECT_EQ(values, EqualizerValues{});
    EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(ConfigurationStoreTest, EngineResetWritesPathToPlAndSelectsBass) {
    std::filesystem::create_directories(dir / "PlSysFile");
    TConfRecord r = designDefaults();
    r.En_Bass = false;
    r.En_Apollo = true;
    store.resetEngine(r, {});
    EXPECT_EQ(readFile(dir / "PlSysFile/PathToPl.pcf"),
              "firstRun:=False\r\nPathToApollo:=None\r\nPathToWinamp:=None\r\n");
    const TConfRecord saved = store.load("Conf.pcf");
    EXPECT_TRUE(saved.En_Bass);
    EXPECT_FALSE(saved.En_Apollo);
}

} // namespace
} // namespace kavrel::core
