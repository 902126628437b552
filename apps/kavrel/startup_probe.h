#pragma once
#include <QObject>

#include <functional>
#include <string>

class QWidget;

// For the start-up benchmark: with KAVREL_STARTUP_PROBE in the environment, "kavrel: painted" goes to
// standard error once the main window has been painted for the first time. When the variable holds a
// text, that text is then searched for as the search line would do it, and "kavrel: searched" follows.
// Without the variable nothing is installed.
class StartupProbe final : public QObject {
public:
    using Search = std::function<void(const std::string& text)>;

    static void installIfAsked(QWidget& window, Search search);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartupProbe(QWidget& window, std::string text, Search search);
    void painted();

    std::string text_;
    Search search_;
};
