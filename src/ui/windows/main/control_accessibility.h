#pragma once
// Accessibility for the program's own controls, so that screen readers and desktop test tools find and
// operate them: an image button is a push button named by its hint (else its control name) that can be
// pressed, a scroller a slider with its value, a built-in picture a graphic (a button when clicking it does
// something), the title strip a text. Qt's own widgets (labels, the command line, the lists and their
// rows) keep Qt's interfaces.
namespace kavrel::ui {

// Installs the factory once per process; later calls do nothing. Main thread.
void installControlAccessibility();

} // namespace kavrel::ui
