#pragma once
// Small windows with a few of the named controls the language files address, and the Qt application
// the widgets need.
#include <QWidget>

#include <memory>
#include <string>

namespace kavrel::ui::lang::test {

// Creates the application object once per test program.
void ensureApplication();

// Lines "<prefix> 1" .. "<prefix> count", CR LF ended.
std::string numberedLines(const std::string& prefix, int count);

// ImgTray, ImgClose (tooltips), a pop-up menu with action mByyear and sub-menu mAlbum.
std::unique_ptr<QWidget> makeMainWindow();
// ImgPlayPause (tooltip).
std::unique_ptr<QWidget> makeMiniWindow();
// Titled "KavrelPreferences"; pages oGeneral and TabSheet1 in a stack, radio group O_Run_Size with three
// choices, label Label15, and the page tree with seven entries.
std::unique_ptr<QWidget> makePreferencesWindow();
// Start button Button2 ("Start"), pause button Button1 ("Suspend"), radio group S_Copy_Artist.
std::unique_ptr<QWidget> makeCopierWindow();
// Group box GroupBox3 and label FindingFiles.
std::unique_ptr<QWidget> makeLibraryBuildWindow();

// The object of that name under the window, cast to T; fails the test when absent.
template <typename T> T& control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("no control ") + name);
    return *found;
}

} // namespace kavrel::ui::lang::test
