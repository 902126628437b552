#include "bound_main_window.h"

#include "core/conf_record_codec.h"
#include "core/design_defaults.h"

namespace kavrel::test {

BoundMainWindow::BoundMainWindow(
    const std::function<void(const std::filesystem::path&, core::TConfRecord&)>& prepare) {
    for (const char* shipped : {"Pictures", "Lang", "help"})
        std::filesystem::create_directory_symlink(std::filesystem::path(KAVREL_DATA_DIR) / shipped,
                                                  dir / shipped);
    core::TConfRecord defaults = core::designDefaults();
    if (prepare)
        prepare(dir.path(), defaults);
    writeFile(dir / "PlSysFile/DefaultConf.pcf", core::encodeConfRecord(defaults));
    core::saveEqualizerPreset(dir / "PlSysFile" / defaults.PresetFileName.text, core::EqualizerValues{});

    audio::EngineOptions output;
    output.sink = audio::SinkKind::Capture;
    application = std::make_unique<core::Application>(
        core::ApplicationOptions{fs::ProgramFolder(dir.path()), "", output},
        core::ShellServices{messages, shell, power}, loop);
    application->setQuitAction([this] { ++quits; });
    window = std::make_unique<ui::TForm1>(application->programFolder(), messages);
    binding = std::make_unique<ui::MainWindowBinding>(*window, *application, shell);
    application->startUp([this] { binding->applySettings(); });
}

} // namespace kavrel::test
