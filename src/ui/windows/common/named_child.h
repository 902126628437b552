#pragma once
// A window's control, made with the name the skin and language tables find it by.
#include <QString>
#include <QWidget>

namespace kavrel::ui {

template <typename Widget> Widget* namedChild(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace kavrel::ui
