#pragma once
// Binds the library panels of TForm1 to the library browser: the artist, album and song lists (presses,
// arrow keys, Enter and double clicks by each list's add mode, the wheel, the song hint and its menu), the
// search line and the command box behind its Enter, the search options and the album and song order
// menus, and the keys the window takes first. It routes; the browser decides. Main thread only.
#include "core/application.h"
#include "platform/shell/desktop_shell.h"
#include "ui/layout/layout_table.h"
#include "ui/windows/main/library_menus.h"
#include "ui/windows/main/library_panels_view.h"
#include "ui/windows/main/main_window_keys.h"

#include <QObject>
#include <QPoint>

namespace kavrel::ui {

class LibraryPanelsBinding final : public QObject, private playlist::CommandLineView {
public:
    // Binds the views at once; the window, the application and the desktop outlive the binding.
    LibraryPanelsBinding(TForm1& window, core::Application& application, shell::DesktopShell& desktop);
    ~LibraryPanelsBinding() override;

    LibraryPanelsView& view() { return view_; }
    LibraryMenus& menus() { return menus_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Panel = library::browser::Panel;

    void clearCommandLine() override;
    void clicked(layout::Control control, QPoint globalPosition);
    void rowPressed(Panel panel, int row);
    bool listKey(Panel panel, const QKeyEvent& key);
    bool listViewportEvent(Panel panel, QEvent* event);
    void openSongMenu(QPoint globalPosition, int row);

    TForm1& window_;
    core::Application& application_;
    shell::DesktopShell& desktop_;
    LibraryPanelsView view_;
    LibraryMenus menus_;
    MainWindowKeys keys_;
    std::string songMenuFile_; // the song under the pointer when its menu opened
};

} // namespace kavrel::ui
