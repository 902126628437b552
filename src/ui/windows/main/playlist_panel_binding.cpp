#include "ui/windows/main/playlist_panel_binding.h"

#include "platform/text/numbers.h"
#include "tools/file_renamer.h"
#include "ui/controls/row_hint_popup.h"
#include "ui/lang/language_applier.h"
#include "ui/lang/language_paths.h"
#include "ui/windows/copier/copier_dialogs.h"
#include "ui/windows/copier/t_form2.h"
#include "ui/windows/main/list_wheel.h"
#include "ui/windows/main/t_form1.h"

#include <QApplication>
#include <QKeyEvent>

namespace kavrel::ui {

namespace {

using C = layout::Control;
using playlist::ShuffleSource;

// The share-based shuffle items and the preference texts of their shares.
constexpr std::array<std::pair<ShuffleSource, core::ShortString<10> core::TConfRecord::*>, 5> kShareItems{{
    {ShuffleSource::Library, &core::TConfRecord::S_All},
    {ShuffleSource::RussianArtists, &core::TConfRecord::S_Rus_A},
    {ShuffleSource::EnglishArtists, &core::TConfRecord::S_Eng_A},
    {ShuffleSource::ActiveArtist, &core::TConfRecord::S_A_Art},
    {ShuffleSource::ActiveAlbum, &core::TConfRecord::S_A_Alb},
}};

// The copier's texts of the language chosen. A file that cannot be read was reported at start-up;
// the window then keeps its built-in texts.
void applyCopierLanguage(const fs::ProgramFolder& folder, int languageIndex, QWidget& copier) {
    const auto files = lang::languageFilePaths(folder, languageIndex);
    if (!files)
        return;
    const auto window = static_cast<std::size_t>(lang::LanguageWindow::Copier);
    try {
        lang::applyLanguageText(lang::readLanguageFile((*files)[window]), lang::languageFileTables()[window],
                                copier);
    } catch (const lang::LanguageFileError&) {
    }
}

// Sees every key press of the application before its receiver does.
class KeyPreview final : public QObject {
public:
    using Handler = std::function<bool(QObject* receiver, QKeyEvent& key)>;
    KeyPreview(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {
        qApp->installEventFilter(this);
    }
    ~KeyPreview() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::KeyPress && handler_(watched, static_cast<QKeyEvent&>(*event));
    }

private:
    Handler handler_;
};

bool ctrlOrAlt(const QKeyEvent& key) {
    return key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
}

} // namespace

std::vector<tools::CopyEntry> copierEntriesOf(const playlist::TPlist& list) {
    using namespace library;
    std::vector<tools::CopyEntry> entries;
    for (std::int32_t row = 1; row <= list.Count(); ++row) {
        const playlist::TrackRow& track = list.row(row);
        entries.push_back({track[kArtistColumn], track[kAlbumColumn], track[kTitleColumn], track[kYearColumn],
                           track[kTrackColumn], track[kPathColumn], track[kFileSizeColumn]});
    }
    return entries;
}

PlaylistPanelBinding::PlaylistPanelBinding(TForm1& window, core::Application& application)
    : window_(window), application_(application), menus_(window),
      drag_(new ListDrag(window, application.editor(), this)), files_(commands(), qtDialogs_, window) {
    new ListWheel(*window.ListBox5, *window.QelScrollerVr5);
    window.ListBox5->setMouseTracking(true);
    window.ListBox5->viewport()->installEventFilter(this);
    window.ListBox5->installEventFilter(this);
    window.ImgPlayListAZ->installEventFilter(this);
    window.ImgLibrary->installEventFilter(this);
    new KeyPreview(this, [this](QObject* receiver, QKeyEvent& key) {
        auto* widget = qobject_cast<QWidget*>(receiver);
        return widget && widget->window() == &window_ && windowKey(key);
    });
    menus_.Options2->setEnabled(false);
    connect(window.ListBox5, &QListWidget::itemDoubleClicked, this,
            [this] { application_.playback().PlayRow(window_.ListBox5->currentRow() + 1); });
    connect(&window, &TForm1::clicked, this, &PlaylistPanelBinding::clicked);
    connectMenus();
}

void PlaylistPanelBinding::setPreferencesOpener(std::function<void()> open) {
    openPreferences_ = std::move(open);
    menus_.Options2->setEnabled(bool(openPreferences_));
}

void PlaylistPanelBinding::connectMenus() {
    auto& app = application_;
    const auto on = [this](QAction* item, auto action) { connect(item, &QAction::triggered, this, action); };
    on(menus_.ClearPlayList1, [&app] { app.playlistCommands().Clear(); });
    on(menus_.SavePlaylist1, [this] { files_.save(); });
    on(menus_.LoadPlaylist1, [this] { files_.load(); });
    on(menus_.UndoCtrlZ1, [&app] { app.playlistCommands().Undo(); });
    on(window_.Enabled1, [&app] { app.playback().QuickPlayEnabledClick(); });
    on(menus_.PlayListFileCoper1, [this] { openCopier(); });
    on(menus_.PlayListFileCoper2, [this] { openCopier(); });
    on(menus_.MenuItem1, [&app] { app.rowHint().ShowFileLocation(); });

    using playlist::SortColumn;
    for (auto [item, column] : {std::pair{menus_.ByTitle1, SortColumn::Title},
                                {menus_.ByArtist1, SortColumn::Artist},
                                {menus_.ByAlbom1, SortColumn::Album},
                                {menus_.ByFileName1, SortColumn::FileName}})
        on(item, [&app, column] { app.editor().Sort(column); });

    for (std::size_t i = 0; i < menus_.shuffleSources.size(); ++i)
        on(menus_.shuffleSources[i],
           [&app, i] { app.shuffler().SelectSource(static_cast<ShuffleSource>(i)); });
    on(menus_.Options2, [this] {
        if (openPreferences_)
            openPreferences_();
    });

    on(window_.mRepeatOneSong, [&app] { app.repeat().RepeatMenuClick(playlist::Check::RepeatOneSong); });
    on(window_.mRepeatAllPlayList,
       [&app] { app.repeat().RepeatMenuClick(playlist::Check::RepeatAllPlayList); });

    const auto build = [this](LibraryBuildMode mode) {
        if (openBuildWindow_)
            openBuildWindow_(mode);
    };
    on(menus_.ClearLibraryandAdddir1, [build] { build(LibraryBuildMode::ClearAndAdd); });
    on(menus_.Adddirectory1, [build] { build(LibraryBuildMode::Add); });
    on(menus_.RefreshLibrary1, [build] { build(LibraryBuildMode::Refresh); });
}

void PlaylistPanelBinding::clicked(layout::Control control, QPoint globalPosition) {
    switch (control) {
    case C::ImgPlistSortBy:
        menus_.SortByPList->popup(globalPosition);
        break;
    case C::ImgShuffStr:
        showShuffleMenu(globalPosition);
        break;
    case C::ImgRepStr:
        showRepeatMenu(globalPosition);
        break;
    default:
        break;
    }
}

void PlaylistPanelBinding::showShuffleMenu(QPoint globalPosition) {
    const core::TConfRecord& settings = application_.settings();
    for (const auto& [source, share] : kShareItems) {
        QAction* item = menus_.shuffleSource(source);
        item->setText(QString::fromStdString(
            playlist::shareCaption(item->text().toStdString(), (settings.*share).text)));
    }
    menus_.shuffleSource(application_.shuffler().CheckedSource())->setChecked(true);
    menus_.ShufflMenu->popup(globalPosition);
}

void PlaylistPanelBinding::showRepeatMenu(QPoint globalPosition) {
    const core::TConfRecord& settings = application_.settings();
    window_.mRepeatOneSong->setChecked(settings.mRepeatOneSong);
    window_.mRepeatAllPlayList->setChecked(settings.mRepeatAllPlayList);
    menus_.REpeatMenu->popup(globalPosition);
}

bool PlaylistPanelBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.ListBox5)
        return event->type() == QEvent::KeyPress && playlistKey(static_cast<QKeyEvent&>(*event));
    if (watched == window_.ImgPlayListAZ)
        return headerPressed(event);
    if (watched == window_.ListBox5->viewport())
        return playlistMouseEvent(event);
    if (watched == window_.ImgLibrary && event->type() == QEvent::ContextMenu) {
        menus_.LibraryMenu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

// Any button pressed on the left part of the header opens the playlist menu; the rest does nothing.
bool PlaylistPanelBinding::headerPressed(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* press = static_cast<QMouseEvent*>(event);
    const int x = press->position().toPoint().x();
    const auto limit = text::roundHalfEven(window_.ImgPlayListAZ->width() * 0.4);
    if (x < 0 || x > limit)
        return false;
    menus_.PlaylistMenu->popup(press->globalPosition().toPoint());
    return true;
}

bool PlaylistPanelBinding::playlistMouseEvent(QEvent* event) {
    TCListBox& list = *window_.ListBox5;
    const auto rowAt = [&list](QPoint position) {
        const QModelIndex index = list.indexAt(position);
        return index.isValid() ? index.row() + 1 : -1;
    };
    switch (event->type()) {
    case QEvent::MouseMove: {
        // No hint pops up over a drag.
        auto* move = static_cast<QMouseEvent*>(event);
        if (move->buttons() == Qt::NoButton)
            application_.rowHint().MouseOver(rowAt(move->position().toPoint()));
        return false;
    }
    case QEvent::Leave:
        // A menu opened over the list keeps the row it was opened for.
        if (!QApplication::activePopupWidget() && !pointerIsOver(*list.viewport()))
            application_.rowHint().MouseOver(-1);
        return false;
    case QEvent::ContextMenu: {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const int row = rowAt(menu->pos());
        application_.rowHint().MouseOver(row);
        menus_.MenuItem1->setEnabled(row >= 1);
        menus_.PopupMenu2->popup(menu->globalPos());
        return true;
    }
    default:
        return false;
    }
}

bool PlaylistPanelBinding::playlistKey(QKeyEvent& key) {
    TCListBox& list = *window_.ListBox5;
    if (ctrlOrAlt(key)) {
        list.setCurrentRow(-1);
        return true;
    }
    const int selected = list.currentRow();
    if (selected < 0 || !list.currentItem()->isSelected())
        return false;
    switch (key.key()) {
    case Qt::Key_Delete:
        application_.editor().DeleteSelected(selected);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        application_.playback().PlayRow(selected + 1);
        return true;
    default:
        return false;
    }
}

// The window sees these before any of its controls, the command line included.
bool PlaylistPanelBinding::windowKey(QKeyEvent& key) {
    if (key.modifiers() != Qt::ControlModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_Delete:
        commands().Clear();
        return true;
    case Qt::Key_S:
        files_.save();
        return true;
    case Qt::Key_L:
        files_.load();
        return true;
    case Qt::Key_Z:
        commands().Undo();
        return true;
    default:
        return false;
    }
}

void PlaylistPanelBinding::openCopier() {
    tools::FileRenamerStarter starter(application_.dispatcher());
    copier::QtCopierDialogs dialogs;
    copier::TForm2 form(
        application_.settings(), starter,
        [this] { return copierEntriesOf(application_.playbackState().list()); }, dialogs, &window_);
    applyCopierLanguage(application_.programFolder(), application_.settings().GLanguage, form);
    form.exec();
}

} // namespace kavrel::ui
