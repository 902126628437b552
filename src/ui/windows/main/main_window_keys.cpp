#include "ui/windows/main/main_window_keys.h"

#include "ui/windows/main/t_form1.h"

namespace kavrel::ui {

MainWindowKeys::MainWindowKeys(TForm1& window, playlist::PlaylistCommands& commands,
                               core::TConfRecord& settings)
    : window_(window), commands_(commands), settings_(settings) {}

bool MainWindowKeys::keyPressed(const QKeyEvent& event, const QObject* receiver) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ControlModifier) {
        switch (event.key()) {
        case Qt::Key_Delete:
            commands_.Clear();
            return true;
        case Qt::Key_Z:
            commands_.Undo();
            return true;
        case Qt::Key_S:
            emit savePlaylistAsked();
            return true;
        case Qt::Key_L:
            emit loadPlaylistAsked();
            return true;
        default:
            return false;
        }
    }
    // Alt and the logo key make menu and desktop shortcuts, not characters.
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
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
