#include "ui/windows/copier/t_form2.h"

#include "ui/lang/language_applier.h"
#include "ui/windows/copier/copier_dialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace kavrel::ui::copier {
namespace {

constexpr int kFailuresNamed = 10;

QList<QRadioButton*> choicesOf(const QGroupBox& group) {
    return group.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

int chosenIndex(const QGroupBox& group) {
    const auto choices = choicesOf(group);
    for (int i = 0; i < choices.size(); ++i)
        if (choices[i]->isChecked())
            return i;
    return 0;
}

void choose(QGroupBox& group, int index) {
    const auto choices = choicesOf(group);
    if (index >= 0 && index < choices.size())
        choices[index]->setChecked(true);
}

// The caption a language file left for this state, else the built-in one.
QString captionFor(const QPushButton& button, int slot, const char* builtIn) {
    const QString text = lang::stateText(button, slot);
    return text.isEmpty() ? QString::fromUtf8(builtIn) : text;
}

QString megabytes(double mb) {
    return QString::number(mb, 'f', 2);
}

QLineEdit* statisticField(QWidget* parent, const char* name, QRect geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setGeometry(geometry);
    return field;
}

void label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
}

QString completionText(const tools::CopyOutcome& outcome) {
    QString text;
    const auto failed = static_cast<int>(outcome.failures.size());
    if (failed > 0) {
        text += QStringLiteral("%1 of %2 files could not be copied:\n").arg(failed).arg(outcome.totalFiles);
        for (int i = 0; i < std::min(failed, kFailuresNamed); ++i)
            text += QString::fromStdString(outcome.failures[static_cast<std::size_t>(i)]) + u'\n';
        if (failed > kFailuresNamed)
            text += QStringLiteral("... and %1 more\n").arg(failed - kFailuresNamed);
        text += u'\n';
    }
    if (outcome.skippedFiles > 0)
        text +=
            QStringLiteral("%1 tracks were skipped: they have no file, or their file no longer exists.\n\n")
                .arg(outcome.skippedFiles);
    return text + QStringLiteral("Familiarize with statistics and press OK");
}

} // namespace

TForm2::TForm2(core::TConfRecord& settings, tools::CopyJobStarter& starter, PlaylistTracks tracks,
               CopierDialogs& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), starter_(starter), tracks_(std::move(tracks)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Copying files from the Playlist"));
    setFixedSize(544, 377);
    setModal(true);
    buildControls();
    readSettings();
}

TForm2::~TForm2() {
    stopCopy();
}

QGroupBox* TForm2::radioGroup(QWidget* parent, const char* name, const QString& title,
                              const QStringList& choices, QRect geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    for (int i = 0; i < choices.size(); ++i) {
        auto* choice = new QRadioButton(choices[i], group);
        // The longest choice needs nearly all of the group's width.
        choice->setGeometry(6, 18 + i * 22, geometry.width() - 8, 20);
        connect(choice, &QRadioButton::toggled, this, [this, group](bool on) {
            if (!on)
                return;
            const int index = chosenIndex(*group);
            if (group == S_Copy_Artist)
                settings_.S_Copy_Artist = index;
            else if (group == S_Copy_Albom)
                settings_.S_Copy_Albom = index;
            else
                settings_.S_Copy_Title = index;
        });
    }
    return group;
}

void TForm2::buildControls() {
    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    options->setObjectName(QStringLiteral("GroupBox11"));
    options->setGeometry(4, 4, 325, 339);
    S_Copy_Artist = radioGroup(options, "S_Copy_Artist", QStringLiteral("Artist - Name of a directory"),
                               {QStringLiteral("Artist from TAG"), QStringLiteral("None")}, {8, 18, 311, 71});
    S_Copy_Albom =
        radioGroup(options, "S_Copy_Albom", QStringLiteral("Albom - Name of a directory"),
                   {QStringLiteral("Albom dir <= Albom (from TAG)"),
                    QStringLiteral("Albom dir <= Year - Albom (from TAG)"), QStringLiteral("None")},
                   {8, 92, 311, 99});
    S_Copy_Title = radioGroup(options, "S_Copy_Title", QStringLiteral("Song - Name of a file"),
                              {QStringLiteral("Song file name <= Title (from TAG)"),
                               QStringLiteral("Song file name <= № - Title (from TAG)"),
                               QStringLiteral("Song file name <= Artist - Title (from TAG)"),
                               QStringLiteral("Song file name <=№ -  Artist - Title (from TAG)"),
                               QStringLiteral("Don`t rename")},
                              {8, 194, 311, 139});

    auto* path = new QGroupBox(QStringLiteral("Path to copy"), this);
    path->setObjectName(QStringLiteral("GroupBox12"));
    path->setGeometry(332, 4, 201, 43);
    ePath_Copy = new QLineEdit(path);
    ePath_Copy->setObjectName(QStringLiteral("ePath_Copy"));
    ePath_Copy->setGeometry(6, 14, 161, 21);
    connect(ePath_Copy, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.ePath_Copy.text = text.toStdString(); });
    bSetPathToCopy = new QPushButton(QStringLiteral("..."), path);
    bSetPathToCopy->setObjectName(QStringLiteral("bSetPathToCopy"));
    bSetPathToCopy->setGeometry(172, 12, 25, 23);
    connect(bSetPathToCopy, &QPushButton::clicked, this, &TForm2::chooseFolder);

    auto* control = new QGroupBox(QStringLiteral("Control"), this);
    control->setObjectName(QStringLiteral("GroupBox4"));
    control->setGeometry(334, 52, 199, 73);
    Button2 = new QPushButton(QStringLiteral("Start"), control);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(5, 28, 89, 25);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &TForm2::startOrStop);
    Button1 = new QPushButton(QStringLiteral("Suspend"), control);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(107, 28, 86, 25);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TForm2::suspendOrResume);

    auto* statistic = new QGroupBox(QStringLiteral("Statistic"), this);
    statistic->setObjectName(QStringLiteral("GroupBox1"));
    statistic->setGeometry(330, 126, 203, 219);
    auto* files = new QGroupBox(QStringLiteral("Files"), statistic);
    files->setObjectName(QStringLiteral("GroupBox2"));
    files->setGeometry(8, 16, 185, 66);
    label(files, "Label1", QStringLiteral("In total"), {8, 18, 64, 21});
    Edit1 = statisticField(files, "Edit1", {74, 16, 70, 21});
    label(files, "Label7", QStringLiteral("PS"), {150, 18, 30, 21});
    label(files, "Label3", QStringLiteral("Is copied"), {8, 42, 64, 21});
    Edit2 = statisticField(files, "Edit2", {74, 40, 70, 21});
    label(files, "Label8", QStringLiteral("PS"), {150, 42, 30, 21});
    auto* sizes = new QGroupBox(QStringLiteral("Sizes"), statistic);
    sizes->setObjectName(QStringLiteral("GroupBox3"));
    sizes->setGeometry(8, 86, 185, 66);
    label(sizes, "Label2", QStringLiteral("In total"), {8, 18, 64, 21});
    Edit3 = statisticField(sizes, "Edit3", {74, 16, 70, 21});
    label(sizes, "Label5", QStringLiteral("MB"), {150, 18, 30, 21});
    label(sizes, "Label4", QStringLiteral("Is copied"), {8, 42, 64, 21});
    Edit4 = statisticField(sizes, "Edit4", {74, 40, 70, 21});
    label(sizes, "Label6", QStringLiteral("MB"), {150, 42, 30, 21});
    Edit5 = statisticField(statistic, "Edit5", {8, 158, 185, 21});
    ProgressBar1 = new QProgressBar(statistic);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 188, 185, 21);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
}

void TForm2::readSettings() {
    ePath_Copy->setText(QString::fromStdString(settings_.ePath_Copy.text));
    const auto choices = tools::copyChoicesFromIndexes(settings_.S_Copy_Artist, settings_.S_Copy_Albom,
                                                       settings_.S_Copy_Title);
    choose(*S_Copy_Artist, static_cast<int>(choices.artist));
    choose(*S_Copy_Albom, static_cast<int>(choices.album));
    choose(*S_Copy_Title, static_cast<int>(choices.fileName));
}

void TForm2::showEvent(QShowEvent* event) {
    if (!copying())
        readSettings();
    QDialog::showEvent(event);
}

void TForm2::done(int result) {
    // Closing the window ends its copy; what was copied stays, nothing half-copied does.
    stopCopy();
    reset();
    QDialog::done(result);
}

void TForm2::chooseFolder() {
    // Cancelling the dialog keeps the folder the user had.
    const QString folder = dialogs_.chooseFolder(*this);
    if (!folder.isEmpty())
        ePath_Copy->setText(folder);
}

void TForm2::startOrStop() {
    if (copying()) {
        stopCopy();
        reset();
        return;
    }
    if (ePath_Copy->text().isEmpty()) {
        if (!dialogs_.askToChooseFolder(*this))
            return;
        chooseFolder();
        if (ePath_Copy->text().isEmpty())
            return;
    }
    tools::CopyRequest request{ePath_Copy->text().toStdString(),
                               tools::copyChoicesFromIndexes(chosenIndex(*S_Copy_Artist),
                                                             chosenIndex(*S_Copy_Albom),
                                                             chosenIndex(*S_Copy_Title)),
                               tracks_ ? tracks_() : std::vector<tools::CopyEntry>{}};
    Button2->setText(captionFor(*Button2, 1, "Stop"));
    job_ = starter_.start(std::move(request), *this);
}

void TForm2::suspendOrResume() {
    if (!copying())
        return;
    if (job_->paused()) {
        job_->resume();
        Button1->setText(captionFor(*Button1, 0, "Suspend"));
    } else {
        job_->pause();
        Button1->setText(captionFor(*Button1, 1, "Resume"));
    }
}

void TForm2::stopCopy() {
    if (!job_)
        return;
    job_->stop();
    job_.reset();
}

void TForm2::showIdleCaptions() {
    Button2->setText(captionFor(*Button2, 0, "Start"));
    Button1->setText(captionFor(*Button1, 0, "Suspend"));
}

void TForm2::reset() {
    showIdleCaptions();
    for (auto* field : {Edit1, Edit2, Edit3, Edit4, Edit5})
        field->clear();
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
}

void TForm2::copyStarted(int totalFiles, double totalMb) {
    Edit1->setText(QString::number(totalFiles));
    Edit3->setText(megabytes(totalMb));
    ProgressBar1->setRange(0, std::max(totalFiles, 1));
    ProgressBar1->setValue(0);
}

void TForm2::copyProgress(const tools::CopyProgress& progress) {
    Edit2->setText(QString::number(progress.copiedFiles));
    Edit4->setText(megabytes(progress.copiedMb));
    Edit5->setText(QString::fromStdString(progress.currentSource));
    ProgressBar1->setValue(std::min(progress.processedFiles, ProgressBar1->maximum()));
}

void TForm2::copyFinished(const tools::CopyOutcome& outcome) {
    stopCopy();
    Edit2->setText(QString::number(outcome.copiedFiles));
    Edit4->setText(megabytes(outcome.copiedMb));
    if (outcome.failures.empty())
        dialogs_.information(*this, QStringLiteral("Copyring files is finished successfully"),
                             completionText(outcome));
    else
        dialogs_.warning(*this, QStringLiteral("Copying files is finished, some files were not copied"),
                         completionText(outcome));
    reset();
}

void TForm2::copyFailed(const std::string& message) {
    // The statistics stay, so the user sees how far it got; the buttons are ready for the next start.
    stopCopy();
    showIdleCaptions();
    dialogs_.warning(*this, QStringLiteral("Copying files is stopped"), QString::fromStdString(message));
}

} // namespace kavrel::ui::copier
