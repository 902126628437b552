#include "startup_probe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

void StartupProbe::installIfAsked(QWidget& window, Search search) {
    if (const char* text = std::getenv("KAVREL_STARTUP_PROBE"))
        new StartupProbe(window, text, std::move(search));
}

StartupProbe::StartupProbe(QWidget& window, std::string text, Search search)
    : QObject(&window), text_(std::move(text)), search_(std::move(search)) {
    window.installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued, so it runs once this paint has been drawn and flushed.
        QTimer::singleShot(0, this, &StartupProbe::painted);
    }
    return false;
}

void StartupProbe::painted() {
    std::fputs("kavrel: painted\n", stderr);
    std::fflush(stderr);
    if (text_.empty())
        return;
    search_(text_);
    std::fputs("kavrel: searched\n", stderr);
    std::fflush(stderr);
}
