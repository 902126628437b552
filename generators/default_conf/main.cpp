// Writes the shipped "DefaultConf.pcf" (the built-in settings) and the flat equalizer preset it names
// into the given "PlSysFile" folder, leaving a preset the player has already saved alone.
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "core/equalizer_preset.h"
#include "platform/fs/atomic_file.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PLSYSFILE_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const kavrel::core::TConfRecord defaults = kavrel::core::designDefaults();
        kavrel::fs::writeFileAtomically(folder / "DefaultConf.pcf", kavrel::core::encodeConfRecord(defaults));
        // The preset is the user's once the player has saved it; only a missing one is laid down.
        const std::filesystem::path preset = folder / defaults.PresetFileName.text;
        if (!std::filesystem::exists(preset))
            kavrel::core::saveEqualizerPreset(preset, {});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
