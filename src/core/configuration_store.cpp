#include "core/configuration_store.h"

#include "core/conf_record_codec.h"
#include "core/derived_settings.h"
#include "core/design_defaults.h"
#include "platform/fs/atomic_file.h"
#include "platform/text/lines.h"

#include <optional>
#include <system_error>

namespace kavrel::core {

namespace {

// The record in a file, or the reason it cannot be used.
std::optional<TConfRecord> readRecord(const std::filesystem::path& file, std::string& reason) {
    try {
        const std::string bytes = fs::readWholeFile(file);
        TConfRecord record;
        if (decodeConfRecord(bytes, record))
            return record;
        reason = file.string() + ": " + std::to_string(bytes.size()) + " bytes, shorter than a configuration";
    } catch (const std::system_error& error) {
        reason = error.what();
    }
    return std::nullopt;
}

} // namespace

ConfigurationStore::ConfigurationStore(fs::ProgramFolder folder, ErrorReporter& errors)
    : folder_(std::move(folder)), errors_(errors) {}

std::filesystem::path ConfigurationStore::systemFile(std::string_view fileName) const {
    return folder_.resolve(std::string("/PlSysFile/") + std::string(fileName));
}

TConfRecord ConfigurationStore::load(std::string_view fileName) const {
    const std::filesystem::path confFile = systemFile(fileName);
    std::string confReason;
    std::optional<TConfRecord> record = readRecord(confFile, confReason);
    if (!record) {
        const std::filesystem::path defaultFile = systemFile(kDefaultConfFileName);
        std::string defaultReason;
        record = readRecord(defaultFile, defaultReason);
        if (!record) {
            errors_.reportError("The settings could not be read (" + confReason +
                                ") and neither could the default settings (" + defaultReason +
                                "). The built-in settings are used.");
            return designDefaults();
        }
        // Replace the broken file now, as a fresh start would; if that fails the save at quit retries.
        try {
            fs::writeFileAtomically(confFile, encodeConfRecord(*record));
        } catch (const std::system_error&) {
        }
    }
    repairLoadedRecord(*record);
    return *record;
}

EqualizerValues ConfigurationStore::loadStartupPreset(const TConfRecord& record) const {
    EqualizerValues values{};
    try {
        loadEqualizerPreset(systemFile(record.PresetFileName.text), values);
    } catch (const std::exception& error) {
        values.fill(0);
        errors_.reportError(std::string("The equalizer preset could not be read (") + error.what() +
                            "). The equalizer starts flat.");
    }
    return values;
}

void ConfigurationStore::saveRecord(std::string_view fileName, const TConfRecord& record) const {
    fs::writeFileAtomically(systemFile(fileName), encodeConfRecord(record));
}

void ConfigurationStore::savePreset(const TConfRecord& record, const EqualizerValues& equalizer) const {
    saveEqualizerPreset(systemFile(record.PresetFileName.text), equalizer);
}

void ConfigurationStore::save(std::string_view fileName, const TConfRecord& record,
                              const EqualizerValues& equalizer) const {
    saveRecord(fileName, record);
    savePreset(record, equalizer);
}

void ConfigurationStore::resetEngine(TConfRecord& record, const EqualizerValues& equalizer) const {
    fs::writeFileAtomically(
        systemFile(kPathToPlFileName),
        text::joinLinesCrLf({"firstRun:=False", "PathToApollo:=None", "PathToWinamp:=None"}));
    record.En_Bass = true;
    record.En_Fmod = record.En_Apollo = record.En_Foobar = false;
    save(kConfFileName, record, equalizer);
}

} // namespace kavrel::core
