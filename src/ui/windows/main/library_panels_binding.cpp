#include "ui/windows/main/library_panels_binding.h"

#include "ui/controls/c_list_view.h"
#include "ui/windows/main/list_wheel.h"
#include "ui/windows/main/t_form1.h"

#include <QContextMenuEvent>
#include <array>

namespace kavrel::ui {

namespace {

using C = layout::Control;
using library::browser::ArrowKey;
using library::browser::SearchScope;
using library::browser::SelectedBy;

constexpr std::array Panels{library::browser::Panel::Left, library::browser::Panel::Right,
                            library::browser::Panel::Albums, library::browser::Panel::Songs};

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isModifierKey(int key) {
    return key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

} // namespace

LibraryPanelsBinding::LibraryPanelsBinding(TForm1& window, core::Application& application,
                                           shell::DesktopShell& desktop)
    : window_(window), application_(application), desktop_(desktop), view_(window),
      menus_(window, application.settings()), keys_(window, application.settings()) {
    application_.bindBrowserView(&view_);
    application_.bindCommandLineView(this);
    auto& browser = application_.browser();

    for (const Panel panel : Panels) {
        TCListView& list = view_.list(panel);
        list.viewport()->installEventFilter(this);
        new ListWheel(list, view_.scroller(panel));
        connect(&list, &TCListView::rowPressed, this, [this, panel](int row) { rowPressed(panel, row); });
        connect(&list, &QAbstractItemView::doubleClicked, this,
                [&browser, panel](const QModelIndex& index) { browser.sendToPlaylist(panel, index.row()); });
    }
    view_.list(Panel::Songs).viewport()->setMouseTracking(true);
    // The window sees keys before its controls.
    window_.installEventFilter(this);
    // Not the popup menus, windows of their own whose letters choose their items.
    for (QWidget* child : window_.findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus && child->window() == &window_)
            child->installEventFilter(this);

    connect(window_.CmdSearch, &QLineEdit::textChanged, this,
            [&browser](const QString& text) { browser.searchTextChanged(text.toStdString()); });
    connect(window_.CmdSearch, &QLineEdit::returnPressed, this,
            [this] { application_.commandBox().Enter(window_.CmdSearch->text().toStdString()); });
    connect(&window_, &TForm1::clicked, this, &LibraryPanelsBinding::clicked);

    for (std::size_t i = 0; i < menus_.scopes.size(); ++i)
        connect(menus_.scopes[i], &QAction::triggered, this,
                [&browser, i] { browser.setSearchScope(static_cast<SearchScope>(i)); });
    connect(menus_.mStartAt, &QAction::triggered, this,
            [&browser] { browser.setMatchMode(library::browser::MatchMode::StartAt); });
    connect(menus_.mConsistof, &QAction::triggered, this,
            [&browser] { browser.setMatchMode(library::browser::MatchMode::ConsistOf); });
    connect(menus_.mByyear, &QAction::triggered, this, [&browser] { browser.orderAlbumsByYear(true); });
    connect(menus_.mByAz, &QAction::triggered, this, [&browser] { browser.orderAlbumsByYear(false); });
    connect(menus_.mByNomSong, &QAction::triggered, this, [&browser] { browser.orderSongsByNumber(true); });
    connect(menus_.mByAZsong, &QAction::triggered, this, [&browser] { browser.orderSongsByNumber(false); });
    connect(menus_.SHowfilelocation1, &QAction::triggered, this, [this] {
        if (!songMenuFile_.empty())
            desktop_.showFileLocation(songMenuFile_);
    });
}

LibraryPanelsBinding::~LibraryPanelsBinding() {
    application_.bindCommandLineView(nullptr);
    application_.bindBrowserView(nullptr);
}

void LibraryPanelsBinding::clearCommandLine() {
    window_.CmdSearch->clear();
}

void LibraryPanelsBinding::clicked(layout::Control control, QPoint globalPosition) {
    switch (control) {
    case C::ImgCmdPref:
        menus_.SearchOpt->popup(globalPosition);
        break;
    case C::ImgAblSortBy:
        menus_.AlbSort->popup(globalPosition);
        break;
    case C::ImgSongSortBy:
        menus_.SortSong->popup(globalPosition);
        break;
    default:
        break;
    }
}

void LibraryPanelsBinding::rowPressed(Panel panel, int row) {
    auto& browser = application_.browser();
    switch (panel) {
    case Panel::Left:
    case Panel::Right:
        browser.selectArtistItem(panel, row);
        break;
    case Panel::Albums:
        browser.selectAlbumItem(row, SelectedBy::Mouse);
        break;
    case Panel::Songs:
        break;
    }
}

bool LibraryPanelsBinding::eventFilter(QObject* watched, QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    if (keyPress && keys_.keyPressed(*static_cast<QKeyEvent*>(event), watched))
        return true;
    for (const Panel panel : Panels) {
        TCListView& list = view_.list(panel);
        if (watched == list.viewport())
            return listViewportEvent(panel, event);
        if (watched != &list)
            continue;
        if (keyPress)
            return listKey(panel, *static_cast<QKeyEvent*>(event));
        if (event->type() != QEvent::KeyRelease)
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!isEnter(key.key()) || key.isAutoRepeat())
            return false;
        application_.browser().sendToPlaylist(panel, list.currentRow());
        return true;
    }
    return false;
}

bool LibraryPanelsBinding::listKey(Panel panel, const QKeyEvent& key) {
    // Enter acts when it is released, as a double click.
    if (isEnter(key.key()))
        return true;
    if (panel == Panel::Songs)
        return false;
    auto& browser = application_.browser();
    const int selected = view_.list(panel).currentRow();
    const bool arrow = key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
    const bool ctrlOrAlt = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!arrow && !(ctrlOrAlt && !isModifierKey(key.key())))
        return false;
    const ArrowKey direction = key.key() == Qt::Key_Up ? ArrowKey::Up : ArrowKey::Down;
    if (panel == Panel::Albums)
        browser.albumKey(selected, direction, ctrlOrAlt);
    else
        browser.artistKey(panel, selected, direction, ctrlOrAlt);
    // Any other key with Ctrl or Alt still reaches the list once the selection is gone.
    return arrow;
}

bool LibraryPanelsBinding::listViewportEvent(Panel panel, QEvent* event) {
    if (panel != Panel::Songs)
        return false;
    auto& browser = application_.browser();
    switch (event->type()) {
    case QEvent::MouseMove: {
        const int item = view_.list(panel).rowAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        view_.setHoveredSong(item);
        browser.hoverSong(item);
        return false;
    }
    case QEvent::Leave:
        view_.setHoveredSong(-1);
        browser.hoverSong(-1);
        return false;
    case QEvent::ContextMenu: {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        openSongMenu(menu->globalPos(), view_.list(panel).rowAt(menu->pos()));
        return true;
    }
    default:
        return false;
    }
}

void LibraryPanelsBinding::openSongMenu(QPoint globalPosition, int row) {
    auto& browser = application_.browser();
    view_.setHoveredSong(row);
    browser.hoverSong(row);
    view_.cancelSongHint();
    songMenuFile_ = browser.hintedSongFile();
    menus_.SHowfilelocation1->setEnabled(!songMenuFile_.empty());
    menus_.PopupMenu1->popup(globalPosition);
}

} // namespace kavrel::ui
