#pragma once
// The application's icon, drawn in the skin's colours: the same picture for the menu entry (written out
// at build time), the windows and the tray.
#include <QIcon>
#include <QImage>

namespace kavrel::ui {

QImage drawApplicationIcon(int size);
// At the small sizes windows and the tray use.
QIcon applicationIcon();

} // namespace kavrel::ui
