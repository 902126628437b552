#pragma once
// The scrollers and list boxes in each of their states.
#include <QWidget>

namespace kavrel::demo {

QWidget* makeControlsPage(QWidget* parent);

} // namespace kavrel::demo
