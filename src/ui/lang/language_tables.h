#pragma once
// Which control each line of each language file names. The tables are data, read by the applier.
#include <array>
#include <span>
#include <string_view>

namespace kavrel::ui::lang {

enum class TargetKind {
    Hint,          // the control's tooltip
    MenuItem,      // a menu item's caption (an action, or a sub-menu's title)
    Caption,       // the text of a control; the window's title when the control name is empty
    RadioChoice,   // the text of choice `choice` (from 1) of a radio group
    StateText,     // one of a pair of captions a button shows by its window's state, kept for later
    PageTreeLabel, // entry `choice` (from 1) of the preferences window's page tree
};

struct LineTarget {
    int line;
    TargetKind kind;
    std::string_view control;
    int choice = 0;
    // StateText: 0 is the state the window starts in, and is shown at once; 1 is the other state.
    int stateSlot = 0;
};

// The windows that take language files, in the order their files are applied.
enum class LanguageWindow { Main, Mini, Preferences, Copier, LibraryBuild };
inline constexpr int kLanguageWindowCount = 5;

struct LanguageFileTable {
    LanguageWindow window;
    std::string_view fileName;
    int lineCount;
    std::span<const LineTarget> targets;
};

// The five tables, in application order (main, mini, preferences, copier, library build).
const std::array<LanguageFileTable, kLanguageWindowCount>& languageFileTables();

// objectName of the preferences window's page tree: a QTreeWidget whose top-level items are the pages.
inline constexpr std::string_view kPageTreeName = "PageTree";

} // namespace kavrel::ui::lang
