#include "ui/windows/main/main_window_keys.h"

#include "ui/windows/main/t_form1.h"

namespace kavrel::ui {

MainWindowKeys::MainWindowKeys(TForm1& window, core::TConfRecord& settings)
    : window_(window), settings_(settings) {}

bool MainWindowKeys::keyPressed(const QKeyEvent& event, const QObject* receiver) {
    // Ctrl, Alt and the logo key make the window's, the menus' and the desktop's shortcuts, not characters.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return typeIntoCommandLine(event.text(), receiver);
}

// Only printable characters and Backspace are typed: Enter, Tab and Escape keep their own meanings, and
// no control character ever lands in the line.
bool MainWindowKeys::typeIntoCommandLine(const QString& text, const QObject* receiver) {
    const bool backspace = text == QStringLiteral("\b");
    if (!backspace && (text.isEmpty() || !text.at(0).isPrint()))
        return false;
    QLineEdit& line = *window_.CmdSearch;
    if (window_.analyserOn()) {
        window_.setAnalyserOn(false);
        settings_.AnalyserStateMinusOne = 0;
    }
    // The line types for itself.
    if (receiver == &line || line.hasFocus())
        return false;
    QString typed = line.text();
    if (backspace)
        typed.chop(1);
    else
        typed += text;
    line.setText(typed);
    line.setFocus(Qt::OtherFocusReason);
    line.setCursorPosition(int(typed.size()));
    return true;
}

} // namespace kavrel::ui
