#include "ui/windows/tag_finder/t_kavrel_tag_finder.h"

#include "library/build_folders.h"
#include "library/library_paths.h"
#include "platform/fs/local_disks.h"
#include "ui/lang/language_applier.h"
#include "ui/windows/tag_finder/tag_finder_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace kavrel::ui::tag_finder {
namespace {

constexpr const char* kCdLibrary = "LBCD";

// The caption a language file left for this state, else the built-in one.
QString captionFor(const QPushButton& button, int slot, const char* builtIn) {
    const QString text = lang::stateText(button, slot);
    return text.isEmpty() ? QString::fromUtf8(builtIn) : text;
}

// The first few, one a line, and how many more there are.
QString namedFolders(const std::vector<std::string>& folders) {
    constexpr std::size_t kNamed = 10;
    QString text;
    for (std::size_t i = 0; i < std::min(folders.size(), kNamed); ++i)
        text += QString::fromStdString(folders[i]) + u'\n';
    if (folders.size() > kNamed)
        text += QStringLiteral("... and %1 more\n").arg(folders.size() - kNamed);
    return text;
}

QString joinedFolders(const std::vector<std::string>& folders) {
    QString text;
    for (const auto& folder : folders)
        text += QString::fromStdString(folder) + u';';
    return text;
}

char decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

} // namespace

TKavrelTagFinder::TKavrelTagFinder(core::LibraryBuilds& builds, const core::TConfRecord& settings,
                                   TagFinderDialogs& dialogs, std::function<void()> reloadPanels,
                                   QWidget* parent)
    : QDialog(parent), builds_(builds), settings_(settings), dialogs_(dialogs),
      reloadPanels_(std::move(reloadPanels)) {
    setObjectName(QStringLiteral("KavrelTagFinder"));
    setWindowTitle(QStringLiteral("Kavrel Tag Finder"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(480, 356);
    buildControls();
    connect(Button1, &QPushButton::clicked, this, &TKavrelTagFinder::startOrStop);
    connect(Button4, &QPushButton::clicked, this, &TKavrelTagFinder::suspendOrResume);
    connect(Button3, &QPushButton::clicked, this, &TKavrelTagFinder::autoChoose);
    connect(Button2, &QPushButton::clicked, this, &TKavrelTagFinder::manualChoose);
    // Return starts a build while the window is idle and never stops one by surprise.
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        if (!building())
            startFromField(false);
    });
    reset(false);
    builds_.bindProgress(this);
    builds_.bindCdWindow(this);
}

TKavrelTagFinder::~TKavrelTagFinder() {
    builds_.bindCdWindow(nullptr);
    builds_.bindProgress(nullptr);
}

bool TKavrelTagFinder::building() const {
    return !building_.empty();
}

void TKavrelTagFinder::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TKavrelTagFinder::openIn(OpenMode mode) {
    show();
    raise();
    activateWindow();
    if (building() || mode == OpenMode::AsLeft)
        return;
    (mode == OpenMode::Add ? RadioButton2 : RadioButton1)->setChecked(true);
    if (mode == OpenMode::RefreshFiles)
        refresh();
}

void TKavrelTagFinder::refresh() {
    // The CD library is whatever disc the drive holds now.
    if (activeLibrary() == kCdLibrary) {
        startCdBuild();
        return;
    }
    const auto folders = library::foldersOfFiles(builds_.knownFiles(activeLibrary()));
    if (folders.empty()) {
        dialogs_.tell(*this, MessageIcon::Warning, QStringLiteral("The library is empty"),
                      QStringLiteral("The library holds no files yet, so there is nothing to refresh. Choose "
                                     "your music folders and press Start."));
        return;
    }
    // A rebuild from a folder that is gone (or on a disk not mounted now) would quietly drop its songs.
    const auto presence = library::folderPresence(folders);
    if (presence.present.empty()) {
        dialogs_.tell(*this, MessageIcon::Warning, QStringLiteral("The library's folders are gone"),
                      QStringLiteral("None of the folders of the library can be found:\n%1\nThe library is "
                                     "left as it is. If they are on a disk, connect it and refresh again.")
                          .arg(namedFolders(presence.missing)));
        return;
    }
    if (!presence.missing.empty() &&
        !dialogs_.ask(*this, MessageIcon::Question, QStringLiteral("Some folders of the library are gone"),
                      QStringLiteral("These folders of the library can no longer be found:\n%1\nIf they are "
                                     "on a disk, connect it first. Refresh without them? Their songs leave "
                                     "the library.")
                          .arg(namedFolders(presence.missing))))
        return;
    Edit1->setText(joinedFolders(presence.present));
    startFolders({}, library::filesIn(presence.present, chosenMasks()), false);
}

void TKavrelTagFinder::buildFromDroppedItems(std::vector<std::string> files,
                                             std::vector<std::string> folders) {
    show();
    raise();
    reset(false);
    RadioButton2->setChecked(true);
    core::LibraryBuildRequest request;
    request.folders = std::move(folders);
    request.masks = chosenMasks();
    request.library = activeLibrary();
    request.addMode = true;
    request.files = std::move(files);
    startBuild(request);
    FilesCounter->setText(QString::number(request.files.size()));
}

void TKavrelTagFinder::startOrStop() {
    if (building())
        stopBuild();
    else
        startFromField(false);
}

void TKavrelTagFinder::startFromField(bool cdBuild) {
    if (Edit1->text().trimmed().isEmpty()) {
        if (!dialogs_.ask(*this, MessageIcon::Stop, QStringLiteral("You did not select directory"),
                          QStringLiteral("Please OK to select directory or cancel to abort")))
            return;
        manualChoose();
        if (Edit1->text().trimmed().isEmpty())
            return;
    }
    startFolders(library::foldersOfField(Edit1->text().toStdString()), {}, cdBuild);
}

void TKavrelTagFinder::startFolders(std::vector<std::string> folders, std::vector<std::string> files,
                                    bool cdBuild) {
    reset(false);
    const auto masks = chosenMasks();
    if (masks.empty()) {
        dialogs_.tell(*this, MessageIcon::Stop, QStringLiteral("You have not chosen any format "),
                      QStringLiteral("Please select and then start scaning"));
        return;
    }
    core::LibraryBuildRequest request;
    request.folders = std::move(folders);
    request.masks = masks;
    request.library = cdBuild ? kCdLibrary : activeLibrary();
    request.addMode = RadioButton2->isChecked();
    request.files = std::move(files);
    startBuild(request);
}

void TKavrelTagFinder::startBuild(const core::LibraryBuildRequest& request) {
    building_ = request.library;
    ++run_;
    setInputsEnabled(false);
    Button1->setText(captionFor(*Button1, 1, "Stop"));
    Button4->setText(captionFor(*Button4, 0, "Suspend"));
    builds_.start(request);
}

void TKavrelTagFinder::stopBuild() {
    builds_.stop();
    ++run_;
    // A stopped build takes no queued CD build with it into the next start.
    cdQueued_ = false;
    showOldLibraryAgain();
    building_.clear();
    reset(false);
}

void TKavrelTagFinder::suspendOrResume() {
    if (!building())
        return;
    if (builds_.suspended()) {
        builds_.resume();
        Button4->setText(captionFor(*Button4, 0, "Suspend"));
    } else {
        builds_.suspend();
        Button4->setText(captionFor(*Button4, 1, "Resume"));
    }
}

void TKavrelTagFinder::autoChoose() {
    Edit1->setText(joinedFolders(fs::findMusicPlaces()));
}

void TKavrelTagFinder::manualChoose() {
    // Cancelling keeps what the field held.
    const QString folder = dialogs_.chooseFolder(*this);
    if (!folder.isEmpty())
        Edit1->setText(folder);
}

void TKavrelTagFinder::reset(bool showResult) {
    if (showResult)
        dialogs_.tell(*this, MessageIcon::Question,
                      QStringLiteral("Addition of files in library is finished successfully"),
                      QStringLiteral("Familiarize with statistics and press OK"));
    for (auto* box : stageBoxes) {
        box->setChecked(false);
        box->setEnabled(false);
    }
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    for (auto* field : {FilesCounter, SongCounter, ArtistCounter, FileSizeCounter})
        field->setText(QStringLiteral("0"));
    InfoFild->clear();
    Button1->setText(captionFor(*Button1, 0, "Start"));
    Button4->setText(captionFor(*Button4, 0, "Suspend"));
    setInputsEnabled(true);
}

void TKavrelTagFinder::setInputsEnabled(bool enabled) {
    for (QWidget* input :
         std::initializer_list<QWidget*>{mp3, ogg, wma, RadioButton1, RadioButton2, Button2, Button3})
        input->setEnabled(enabled);
}

std::vector<std::string> TKavrelTagFinder::chosenMasks() const {
    std::vector<std::string> masks;
    for (const auto& [box, mask] :
         {std::pair{mp3, "*.mp3"}, std::pair{ogg, "*.ogg"}, std::pair{wma, "*.wma"}})
        if (box->isChecked())
            masks.emplace_back(mask);
    return masks;
}

std::string TKavrelTagFinder::activeLibrary() const {
    return std::string(library::checkedLibraryName(settings_.ActiveLibrary.text));
}

void TKavrelTagFinder::showOldLibraryAgain() {
    // The CD strip emptied the panels for its build; without a new CD library they show the old one.
    if (building_ == kCdLibrary && activeLibrary() == kCdLibrary && reloadPanels_)
        reloadPanels_();
}

void TKavrelTagFinder::ended(std::function<void()> handle) {
    // Handled once the report has returned: the messages below wait for the user.
    QTimer::singleShot(0, this, [this, run = run_, handle = std::move(handle)] {
        if (run == run_)
            handle();
    });
}

void TKavrelTagFinder::noFilesFound() {
    ended([this] {
        cdQueued_ = false;
        showOldLibraryAgain();
        building_.clear();
        dialogs_.tell(*this, MessageIcon::Stop, QStringLiteral("Error"), QStringLiteral("No file found"));
        reset(false);
    });
}

void TKavrelTagFinder::buildFailed(const std::string& reason) {
    ended([this, reason] {
        cdQueued_ = false;
        showOldLibraryAgain();
        building_.clear();
        dialogs_.tell(*this, MessageIcon::Warning, QStringLiteral("The library was not saved"),
                      QString::fromStdString(reason) + QStringLiteral("\n\nThe library is as it was."));
        reset(false);
    });
}

void TKavrelTagFinder::librarySaved() {
    // The application has read the new library into the panels when it is the active one.
    ended([this] {
        building_.clear();
        show();
        reset(true);
        offerQueuedCdBuild();
    });
}

void TKavrelTagFinder::offerQueuedCdBuild() {
    if (!cdQueued_)
        return;
    cdQueued_ = false;
    if (dialogs_.ask(*this, MessageIcon::Question,
                     QStringLiteral("The application for scanning of CD has been put in turn."),
                     QStringLiteral("To execute the application?")))
        startCdBuild();
}

void TKavrelTagFinder::cdBuildAtOnce() {
    show();
    raise();
    startCdBuild();
}

void TKavrelTagFinder::cdBuildAfterTheRunningOne() {
    if (dialogs_.ask(
            *this, MessageIcon::Question, QStringLiteral("At present scanning of CD cannot be executed."),
            QStringLiteral("The search will be put in turn, after the ending of the current process of "
                           "scanning your search will be executed...")))
        cdQueued_ = true;
}

void TKavrelTagFinder::startCdBuild() {
    const auto cd = builds_.cdFiles();
    if (cd.folder.empty()) {
        dialogs_.tell(*this, MessageIcon::Warning, QStringLiteral("The CD library cannot be built"),
                      QString::fromStdString(cd.problem));
        if (activeLibrary() == kCdLibrary && reloadPanels_)
            reloadPanels_();
        return;
    }
    RadioButton1->setChecked(true);
    Edit1->setText(QString::fromStdString(cd.folder));
    startFromField(true);
}

void TKavrelTagFinder::stageRunning(library::BuildStage stage) {
    stageBoxes[static_cast<std::size_t>(stage) - 1]->setEnabled(true);
}

void TKavrelTagFinder::stageDone(library::BuildStage stage) {
    auto* box = stageBoxes[static_cast<std::size_t>(stage) - 1];
    box->setEnabled(true);
    box->setChecked(true);
}

void TKavrelTagFinder::progressRange(int maximum) {
    ProgressBar1->setRange(0, std::max(maximum, 1));
    ProgressBar1->setValue(0);
}

void TKavrelTagFinder::progressPosition(int position) {
    ProgressBar1->setValue(std::clamp(position, 0, ProgressBar1->maximum()));
}

void TKavrelTagFinder::foundFiles(int count) {
    FilesCounter->setText(QString::number(count));
}
void TKavrelTagFinder::performedSongs(int count) {
    SongCounter->setText(QString::number(count));
}
void TKavrelTagFinder::foundArtists(int count) {
    ArtistCounter->setText(QString::number(count));
}
void TKavrelTagFinder::fileNameLine(const std::string& text) {
    InfoFild->setText(QString::fromStdString(text));
}

void TKavrelTagFinder::megabytes(double value) {
    FileSizeCounter->setText(QString::fromStdString(library::formatMegabytes(value, decimalSeparator())));
}

} // namespace kavrel::ui::tag_finder
