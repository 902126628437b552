#pragma once
// A character typed anywhere in the main window goes to the command line (the analyser giving up its
// place first), which then takes the focus; the window takes it before the control with the focus sees
// it. Main thread.
#include "core/conf_record.h"

#include <QKeyEvent>
#include <QObject>

namespace kavrel::ui {

class TForm1;

class MainWindowKeys final : public QObject {
public:
    // The analyser's state in `settings` follows when typing switches it off.
    MainWindowKeys(TForm1& window, core::TConfRecord& settings);

    // A key pressed in the window and sent to `receiver`; true when it was taken here.
    bool keyPressed(const QKeyEvent& event, const QObject* receiver);

private:
    bool typeIntoCommandLine(const QString& text, const QObject* receiver);

    TForm1& window_;
    core::TConfRecord& settings_;
};

} // namespace kavrel::ui
