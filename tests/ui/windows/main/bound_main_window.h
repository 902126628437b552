#pragma once
// The main window bound to the whole player on a program folder of its own, with the shipped pictures,
// language files and help, the design defaults and a capture sink; the desktop and the power service
// only record what they are asked.
#include "core/application.h"
#include "platform/dispatch/task_queue.h"
#include "playlist/playlist_fakes.h"
#include "support/temp_dir.h"
#include "ui/windows/main/main_window_binding.h"
#include "ui/windows/messages/player_messages.h"

#include <functional>
#include <memory>

namespace kavrel::test {

class NoPower final : public shell::PowerService {
public:
    bool requestShutdown() override { return false; }
};

struct BoundMainWindow {
    // `prepare` may change the settings and add files to the program folder before start-up.
    explicit BoundMainWindow(const std::function<void(const std::filesystem::path& folder,
                                                      core::TConfRecord& settings)>& prepare = {});

    TempDir dir;
    ui::PlayerMessages messages;
    RecordingShell shell;
    NoPower power;
    dispatch::TaskQueue loop;
    int quits = 0;
    std::unique_ptr<core::Application> application;
    std::unique_ptr<ui::TForm1> window;
    std::unique_ptr<ui::MainWindowBinding> binding;
};

} // namespace kavrel::test
