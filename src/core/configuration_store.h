#pragma once
// The configuration files in the program folder's "PlSysFile": the record, its shipped default, the
// equalizer preset and "PathToPl.pcf".
#include "core/conf_record.h"
#include "core/equalizer_preset.h"
#include "core/error_reporter.h"
#include "platform/fs/program_folder.h"

#include <filesystem>
#include <string_view>

namespace kavrel::core {

inline constexpr std::string_view kConfFileName = "Conf.pcf";
inline constexpr std::string_view kDefaultConfFileName = "DefaultConf.pcf";
inline constexpr std::string_view kPathToPlFileName = "PathToPl.pcf";

class ConfigurationStore {
public:
    ConfigurationStore(fs::ProgramFolder folder, ErrorReporter& errors);

    std::filesystem::path systemFile(std::string_view fileName) const;

    // Reads the record. A missing, short or unreadable file is replaced by "DefaultConf.pcf" and that is
    // read; when the default cannot be read either, the failure is reported once and the built-in
    // defaults are returned. Damaged single fields are repaired (see repairLoadedRecord).
    TConfRecord load(std::string_view fileName) const;

    // The preset the record names, read once at start. A missing or damaged file is reported once and
    // gives a flat equalizer.
    EqualizerValues loadStartupPreset(const TConfRecord& record) const;

    // Each write is atomic and throws std::system_error naming the file on failure.
    void saveRecord(std::string_view fileName, const TConfRecord& record) const;
    void savePreset(const TConfRecord& record, const EqualizerValues& equalizer) const;
    // The record, then the preset it names.
    void save(std::string_view fileName, const TConfRecord& record, const EqualizerValues& equalizer) const;

    // Writes "PathToPl.pcf", selects the BASS engine and saves the configuration.
    void resetEngine(TConfRecord& record, const EqualizerValues& equalizer) const;

private:
    fs::ProgramFolder folder_;
    ErrorReporter& errors_;
};

} // namespace kavrel::core
