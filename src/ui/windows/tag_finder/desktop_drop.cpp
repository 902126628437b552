#include "ui/windows/tag_finder/desktop_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace kavrel::ui::tag_finder {
namespace {

const QString kUriList = QStringLiteral("text/uri-list");

// A drag that started in this program is one of its own; the desktop's come from elsewhere.
std::vector<std::string> desktopPathsOf(const QDropEvent& event) {
    if (event.source() != nullptr || event.mimeData() == nullptr)
        return {};
    return droppedLocalPaths(*event.mimeData());
}

} // namespace

std::vector<std::string> droppedLocalPaths(const QMimeData& data) {
    std::vector<std::string> paths;
    if (!data.hasFormat(kUriList))
        return paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

DesktopDrop::DesktopDrop(QWidget& window, Handler handler) : window_(window), handler_(std::move(handler)) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

DesktopDrop::~DesktopDrop() {
    window_.removeEventFilter(this);
}

bool DesktopDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDropEvent&>(*event);
        if (desktopPathsOf(drag).empty())
            return false;
        drag.setDropAction(Qt::CopyAction);
        drag.accept();
        return true;
    }
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*event);
        auto paths = desktopPathsOf(drop);
        if (paths.empty())
            return false;
        drop.setDropAction(Qt::CopyAction);
        drop.accept();
        handler_(std::move(paths));
        return true;
    }
    default:
        return false;
    }
}

} // namespace kavrel::ui::tag_finder
