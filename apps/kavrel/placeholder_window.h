#pragma once
#include <QWidget>

namespace kavrel::core {
class Application;
}

// The main window until the skinned one arrives: closing it quits through the application.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWindow(kavrel::core::Application& application);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    kavrel::core::Application& application_;
};
