#include "ui/windows/preferences/t_up_down.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kavrel::ui::preferences {

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFixedSize(18, 11);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent, int minimum, int maximum)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum),
      up_(arrow(this, Qt::UpArrow)), down_(arrow(this, Qt::DownArrow)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(up_);
    column->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

} // namespace kavrel::ui::preferences
