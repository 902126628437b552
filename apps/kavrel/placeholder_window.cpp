#include "placeholder_window.h"

#include "core/application.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(kavrel::core::Application& application) : application_(application) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kavrel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kavrel 1.0 TP 1"), this));
    resize(694, 602);
}

void PlaceholderWindow::closeEvent(QCloseEvent* event) {
    application_.quit();
    event->accept();
}
