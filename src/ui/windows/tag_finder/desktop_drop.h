#pragma once
// Files and folders dragged from the desktop (a file manager) onto a window: only local files of a
// text/uri-list drag from another program are taken. The player's own drags, which carry a private type
// and start in this program, are left to the lists that take them. Main thread.
#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace kavrel::ui::tag_finder {

// The local paths of a text/uri-list; empty when it holds none (or only remote addresses).
std::vector<std::string> droppedLocalPaths(const QMimeData& data);

class DesktopDrop final : public QObject {
public:
    using Handler = std::function<void(std::vector<std::string> paths)>;

    // Makes `window` take drops; the window outlives this object.
    DesktopDrop(QWidget& window, Handler handler);
    ~DesktopDrop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Handler handler_;
};

} // namespace kavrel::ui::tag_finder
