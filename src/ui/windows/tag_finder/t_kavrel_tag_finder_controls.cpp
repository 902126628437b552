// The build window's controls and where they stand.
#include "ui/windows/common/named_child.h"
#include "ui/windows/tag_finder/t_kavrel_tag_finder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace kavrel::ui::tag_finder {
namespace {

template <typename Widget>
Widget* control(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* widget = namedChild<Widget>(parent, name);
    if constexpr (std::is_same_v<Widget, QGroupBox>)
        widget->setTitle(text);
    else
        widget->setText(text);
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* pushButton = control<QPushButton>(parent, name, text, geometry);
    // Return in the folder field starts a build itself; no button may take it over.
    pushButton->setAutoDefault(false);
    return pushButton;
}

QLineEdit* counter(QWidget* parent, const char* name, QRect geometry) {
    auto* field = control<QLineEdit>(parent, name, QStringLiteral("0"), geometry);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QString captionOf(library::BuildStage stage) {
    const auto caption = library::stageCaption(stage);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

constexpr std::array<const char*, 6> kStageBoxNames = {
    "FindingFiles", "ScaningTags", "PerformingTags", "SortingTags", "SavingTagsToLibrary", "UpdatingLibrary"};

} // namespace

void TKavrelTagFinder::buildControls() {
    auto* options = control<QGroupBox>(this, "GroupBox3", QStringLiteral("Options"), {8, 6, 464, 152});
    auto* path = control<QGroupBox>(options, "GroupBox5", QStringLiteral("Path"), {8, 18, 448, 54});
    Edit1 = control<QLineEdit>(path, "Edit1", {}, {8, 22, 226, 23});
    // A line edit cuts its text at 32767 characters by default; a library's folders joined run longer,
    // and a cut list would leave whole folders out of the build.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Button3 = button(path, "Button3", QStringLiteral("Auto Chouse"), {240, 21, 96, 25});
    Button2 = button(path, "Button2", QStringLiteral("Manual Chouse"), {340, 21, 100, 25});

    auto* library = control<QGroupBox>(options, "GroupBox4", QStringLiteral("Library"), {8, 76, 206, 68});
    RadioButton1 = control<QRadioButton>(library, "RadioButton1",
                                         QStringLiteral("Clear Library And Add Files"), {8, 20, 192, 20});
    RadioButton2 =
        control<QRadioButton>(library, "RadioButton2", QStringLiteral("Add Files"), {8, 42, 192, 20});
    RadioButton1->setChecked(true);

    auto* formats = control<QGroupBox>(options, "GroupBox6", QStringLiteral("Formats"), {220, 76, 112, 68});
    mp3 = control<QCheckBox>(formats, "mp3", QStringLiteral("mp3"), {8, 20, 48, 20});
    ogg = control<QCheckBox>(formats, "ogg", QStringLiteral("ogg"), {58, 20, 48, 20});
    wma = control<QCheckBox>(formats, "wma", QStringLiteral("wma"), {8, 42, 48, 20});
    for (auto* format : {mp3, ogg, wma})
        format->setChecked(true);

    Button1 = button(options, "Button1", QStringLiteral("Start"), {342, 84, 114, 25});
    Button4 = button(options, "Button4", QStringLiteral("Suspend"), {342, 116, 114, 25});

    auto* information =
        control<QGroupBox>(this, "GroupBox2", QStringLiteral("Information"), {8, 164, 272, 186});
    control<QLabel>(information, "Label2", QStringLiteral("Found Files:"), {8, 22, 110, 21});
    FilesCounter = counter(information, "FilesCounter", {122, 20, 96, 21});
    control<QLabel>(information, "Label1", QStringLiteral("Perform Tags:"), {8, 48, 110, 21});
    SongCounter = counter(information, "SongCounter", {122, 46, 96, 21});
    control<QLabel>(information, "Label3", QStringLiteral("Found Artists:"), {8, 74, 110, 21});
    ArtistCounter = counter(information, "ArtistCounter", {122, 72, 96, 21});
    control<QLabel>(information, "Label4", QStringLiteral("Files Size:"), {8, 100, 110, 21});
    FileSizeCounter = counter(information, "FileSizeCounter", {122, 98, 96, 21});
    control<QLabel>(information, "Label5", QStringLiteral("MB"), {224, 100, 40, 21});
    InfoFild = counter(information, "InfoFild", {8, 128, 256, 21});
    InfoFild->clear();
    ProgressBar1 = namedChild<QProgressBar>(information, "ProgressBar1");
    ProgressBar1->setGeometry(8, 158, 256, 18);
    ProgressBar1->setTextVisible(false);

    auto* operations =
        control<QGroupBox>(this, "GroupBox1", QStringLiteral("Operations"), {286, 164, 186, 186});
    for (std::size_t i = 0; i < stageBoxes.size(); ++i) {
        const auto stage = static_cast<library::BuildStage>(i + 1);
        stageBoxes[i] = control<QCheckBox>(operations, kStageBoxNames[i], captionOf(stage),
                                           {10, 22 + static_cast<int>(i) * 26, 170, 20});
        // The stages show what the build does; the user cannot tick them.
        stageBoxes[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        stageBoxes[i]->setFocusPolicy(Qt::NoFocus);
    }

    setTabOrder(Edit1, Button3);
    setTabOrder(Button3, Button2);
    setTabOrder(Button2, RadioButton1);
    setTabOrder(RadioButton1, mp3);
    setTabOrder(mp3, ogg);
    setTabOrder(ogg, wma);
    setTabOrder(wma, Button1);
    setTabOrder(Button1, Button4);
}

} // namespace kavrel::ui::tag_finder
