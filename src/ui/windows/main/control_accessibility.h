#pragma once
// Accessibility for the program's own controls, so that screen readers and desktop test tools find and
// operate them: an image button is a push button named by its hint (else its control name) that can be
// pressed, a scroller a slider with its value, a built-in picture a graphic (a button when clicking it does
// something), the title strip a text. Qt's own widgets (labels, the command line, the lists and their
// rows) keep Qt's interfaces. Every window of the player's own is a window named by its title.
class QWidget;

namespace kavrel::ui {

// Installs the factory once per process; later calls do nothing. Main thread.
void installControlAccessibility();

// Qt's own pictures, texts and lists of `window` that have neither text nor name take their control name,
// so that a tool lists none of them nameless. Called once the window's controls exist.
void nameNamelessControls(QWidget& window);

// An on/off image button whose pictures alone do not tell its state (the equalizer's switch) says it
// here, so that assistive tools read it as checked or not.
void setAccessibleOnOff(QWidget& button, bool on);

} // namespace kavrel::ui
