#pragma once
// Puts the texts of one language file into a window's controls, found by objectName.
//
// What each target kind sets:
//   Hint           the tooltip of a widget or action;
//   MenuItem       the text of a QAction, or the title of a QMenu (a sub-menu);
//   Caption        the text of a button or label, the title of a group box, the text of an action;
//                  any other widget (the window, a page of the preferences) takes it as its window title;
//   RadioChoice    choice k of a radio group: a QGroupBox whose choices are its QRadioButton children,
//                  in the order they were added;
//   StateText      kept on the button for its window to show later (see stateText); slot 0 is also
//                  shown at once;
//   PageTreeLabel  top-level item k of the QTreeWidget named kPageTreeName.
#include "ui/lang/language_tables.h"
#include "ui/lang/language_text.h"

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace kavrel::ui::lang {

// Main thread. Sets every target of the table from its line, in table order; controls are looked up
// among the window's descendants, so menus and actions the window owns count. Returns the targets the
// window lacks (a name, or a name and a choice), which are skipped.
QStringList applyLanguageText(const LanguageText& text, const LanguageFileTable& table, QWidget& window);

// The text a StateText line left on a button: slot 0 for the state its window starts in, 1 for the
// other. Empty when no language file has set it.
QString stateText(const QObject& button, int slot);

} // namespace kavrel::ui::lang
