// The General, Load pleer, Quick Play, Shuffle and About pages.
#include "core/preferences_numbers.h"
#include "engine/engine_switch.h"
#include "engine/master_engine.h"
#include "ui/skin/skin_loader.h"
#include "ui/skin/skin_tables.h"
#include "ui/windows/common/qt_texts.h"
#include "ui/windows/preferences/t_kavrel_preferences.h"
#include "ui/windows/preferences/t_up_down.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace kavrel::ui::preferences {

namespace {

constexpr const char* kEngines[] = {engine::kEngineBass, engine::kEngineFmod, engine::kEngineApollo};

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QWidget* page(const char* name) {
    return named(new QWidget, name);
}

} // namespace

QWidget* TKavrelPreferences::generalPage() {
    QWidget* general = page("oGeneral");
    auto* column = new QVBoxLayout(general);

    auto* engineBox = named(new QGroupBox(QStringLiteral("Engine"), general), "GroupBox15");
    auto* engineRow = new QHBoxLayout(engineBox);
    auto* choices =
        named(new QGroupBox(QStringLiteral("Internal------------External"), engineBox), "GroupBox35");
    auto* choiceColumn = new QVBoxLayout(choices);
    auto* group = new QButtonGroup(this);
    const std::pair<const char*, const char*> engines[] = {
        {"En_Bass", "Bass"}, {"En_Fmod", "Fmod"}, {"En_Apollo", "Apollo"}, {"En_Foobar", "Foobar"}};
    for (int i = 0; i < 4; ++i) {
        auto* button =
            named(new QRadioButton(QString::fromLatin1(engines[i].second), choices), engines[i].first);
        group->addButton(button, i);
        choiceColumn->addWidget(button);
    }
    group->button(3)->setEnabled(false); // no such player here
    connect(group, &QButtonGroup::idClicked, this, &TKavrelPreferences::engineClicked);
    readers_.push_back([this, group] {
        const std::string stored =
            engine::StoredEngineName(settings_.En_Fmod, settings_.En_Bass, settings_.En_Apollo);
        for (int i = 0; i < 3; ++i)
            if (stored == kEngines[i])
                group->button(i)->setChecked(true);
    });
    engineRow->addWidget(choices);
    engineRow->addWidget(enginePaths(engineBox), 1);
    column->addWidget(engineBox);

    column->addWidget(choiceGroup(general, "GLanguage", QStringLiteral("Language"),
                                  {QStringLiteral("Russian"), QStringLiteral("English")},
                                  &core::TConfRecord::GLanguage,
                                  [this] { actions_.applyLanguage(settings_.GLanguage); }));
    auto* reset = named(new QPushButton(QStringLiteral("Reset all Options"), general), "Button1");
    reset->setEnabled(false);
    column->addWidget(reset, 0, Qt::AlignLeft);
    column->addStretch();
    return general;
}

QWidget* TKavrelPreferences::enginePaths(QWidget* parent) {
    auto* paths = new QWidget(parent);
    auto* column = new QVBoxLayout(paths);
    column->setContentsMargins(0, 0, 0, 0);
    auto* apollo = named(new QGroupBox(QStringLiteral("Path to Apollo"), paths), "GroupBox38");
    programPath(apollo, "gPath_Apollo", "BitBtn20", QStringLiteral("Specify Path to Apollo"),
                [](core::TConfRecord& r) -> core::ShortString<200>& { return r.gPath_Apollo; });
    auto* foobar = named(new QGroupBox(QStringLiteral("Path to Foobar"), paths), "GroupBox39");
    programPath(foobar, "gPath_Foobar", "BitBtn21", QStringLiteral("Specify Path to Foobar"),
                [](core::TConfRecord& r) -> core::ShortString<200>& { return r.gPath_Foobar; });
    column->addWidget(apollo);
    column->addWidget(foobar);
    column->addStretch();
    return paths;
}

QLineEdit* TKavrelPreferences::programPath(QGroupBox* box, const char* editName, const char* buttonName,
                                           const QString& title, Field<core::ShortString<200>> path) {
    auto* row = new QHBoxLayout(box);
    auto* edit = named(new QLineEdit(box), editName);
    auto* browse = named(new QPushButton(QStringLiteral("..."), box), buttonName);
    browse->setToolTip(title);
    browse->setFixedWidth(32);
    row->addWidget(edit, 1);
    row->addWidget(browse);
    connect(edit, &QLineEdit::textEdited, this,
            [this, path](const QString& text) { path(settings_).text = text.toStdString(); });
    connect(browse, &QPushButton::clicked, this, [this, edit, path, title] {
        if (const auto chosen = dialogs_.chooseProgram(*this, title, qtText(programFolder_.root().string()))) {
            edit->setText(*chosen);
            path(settings_).text = chosen->toStdString();
        }
    });
    readers_.push_back([this, edit, path] { edit->setText(qtText(path(settings_).text)); });
    return edit;
}

void TKavrelPreferences::engineClicked(int engineIndex) {
    if (engineIndex < 0 || engineIndex >= 3)
        return;
    const std::string name = kEngines[engineIndex];
    if (name == engine::StoredEngineName(settings_.En_Fmod, settings_.En_Bass, settings_.En_Apollo))
        return;
    actions_.switchEngine(
        name, [this](const std::filesystem::path& startFolder) -> std::optional<std::string> {
            const auto chosen = dialogs_.chooseProgram(*this, QStringLiteral("Specify Path to Apollo"),
                                                       qtText(startFolder.string()));
            if (!chosen)
                return std::nullopt;
            return chosen->toStdString();
        });
    readSettings();
}

QWidget* TKavrelPreferences::loadPleerPage() {
    QWidget* load = page("oLoadpleer");
    auto* grid = new QGridLayout(load);
    grid->addWidget(
        choiceGroup(load, "O_Run_Playlist", QStringLiteral("PlayList"),
                    {QStringLiteral("Load Current PlayList and Play Song"),
                     QStringLiteral("Load Current PlayList"), QStringLiteral("Load empty PlayList")},
                    &core::TConfRecord::O_Run_Playlist),
        0, 0);
    auto* library = named(new QGroupBox(QStringLiteral("Library"), load), "GroupBox13");
    auto* libraryColumn = new QVBoxLayout(library);
    QCheckBox* refresh = checkBox(library, "O_Run_Refresh", QStringLiteral("Refresh"),
                                  [](core::TConfRecord& r) -> bool& { return r.O_Run_Refresh; });
    refresh->setEnabled(false);
    libraryColumn->addWidget(refresh);
    libraryColumn->addStretch();
    grid->addWidget(library, 0, 1);

    auto* player = named(new QGroupBox(QStringLiteral("Player"), load), "GroupBox14");
    auto* playerGrid = new QGridLayout(player);
    playerGrid->addWidget(
        choiceGroup(player, "O_Run_Position", QStringLiteral("Position"),
                    {QStringLiteral("Last position"), QStringLiteral("In the center of the screen")},
                    &core::TConfRecord::O_Run_Position),
        0, 0);
    playerGrid->addWidget(choiceGroup(player, "O_Run_Size", QStringLiteral("Size"),
                                      {QStringLiteral("Last position"), QStringLiteral("Default"),
                                       QStringLiteral("Full Screen (Not for mini Panel)")},
                                      &core::TConfRecord::O_Run_Size),
                          0, 1);
    QGroupBox* kind =
        choiceGroup(player, "O_Run_Kiind", QStringLiteral("Kind"),
                    {QStringLiteral("Last Kind"), QStringLiteral("Mini"), QStringLiteral("Normal")},
                    &core::TConfRecord::O_Run_Kiind);
    kind->setEnabled(false);
    playerGrid->addWidget(kind, 1, 0);
    QGroupBox* volume = choiceGroup(player, "O_Run_Volume", QStringLiteral("Vulume"),
                                    {QStringLiteral("Last value"), QStringLiteral("Night mode")},
                                    &core::TConfRecord::O_Run_Volume);
    auto* nightRow = new QHBoxLayout;
    QLineEdit* night =
        numberEdit(volume, "O_Run_NM_Vol", QStringLiteral("Night mode volume"),
                   [](core::TConfRecord& r) -> core::ShortString<10>& { return r.O_Run_NM_Vol; });
    auto* nightUpDown = named(new TUpDown(volume, 0, 100), "O_Run_NM_Vol_UD");
    connect(nightUpDown, &TUpDown::stepped, this, [this, night](int direction) {
        settings_.O_Run_NM_Vol.text = core::stepNightVolume(settings_.O_Run_NM_Vol.text, direction);
        night->setText(qtText(settings_.O_Run_NM_Vol.text));
    });
    nightRow->addWidget(night);
    nightRow->addWidget(nightUpDown);
    static_cast<QVBoxLayout*>(volume->layout())->insertLayout(2, nightRow);
    playerGrid->addWidget(volume, 1, 1);
    grid->addWidget(player, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return load;
}

QWidget* TKavrelPreferences::quickPlayPage() {
    QWidget* quick = page("oQuickPlay");
    auto* column = new QVBoxLayout(quick);
    auto* intervals = named(new QGroupBox(QStringLiteral("Intervals"), quick), "GroupBox16");
    auto* grid = new QGridLayout(intervals);
    grid->addWidget(named(new QLabel(QStringLiteral("Position (in %)"), intervals), "Label15"), 0, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("Length (in sec)"), intervals), "Label14"), 0, 2);
    using Text = core::ShortString<10>;
    const std::array<std::pair<Field<Text>, Field<Text>>, 3> fragments{{
        {[](core::TConfRecord& r) -> Text& { return r.Interval_Pos_1; },
         [](core::TConfRecord& r) -> Text& { return r.Interval_Len_1; }},
        {[](core::TConfRecord& r) -> Text& { return r.Interval_Pos_2; },
         [](core::TConfRecord& r) -> Text& { return r.Interval_Len_2; }},
        {[](core::TConfRecord& r) -> Text& { return r.Interval_Pos_3; },
         [](core::TConfRecord& r) -> Text& { return r.Interval_Len_3; }},
    }};
    static constexpr const char* kNames[3][2] = {{"Interval_Pos_1", "Interval_Len_1"},
                                                 {"Interval_Pos_2", "Interval_Len_2"},
                                                 {"Interval_Pos_3", "Interval_Len_3"}};
    for (int k = 0; k < 3; ++k) {
        const auto& [position, length] = fragments[static_cast<std::size_t>(k)];
        grid->addWidget(new QLabel(QString::number(k + 1), intervals), k + 1, 0);
        grid->addWidget(numberEdit(intervals, kNames[k][0],
                                   QStringLiteral("Quick play: start of fragment %1 (in %)").arg(k + 1),
                                   position),
                        k + 1, 1);
        grid->addWidget(
            numberEdit(intervals, kNames[k][1],
                       QStringLiteral("Quick play: length of fragment %1 (in seconds)").arg(k + 1), length),
            k + 1, 2);
    }
    column->addWidget(intervals);
    column->addStretch();
    return quick;
}

QWidget* TKavrelPreferences::shufflePage() {
    QWidget* shuffle = page("TabSheet1");
    auto* column = new QVBoxLayout(shuffle);
    auto* options = named(new QGroupBox(QStringLiteral("Shuffle Options"), shuffle), "GroupBox36");
    auto* grid = new QGridLayout(options);
    using Text = core::ShortString<10>;
    struct Row {
        const char* label;
        const char* caption;
        const char* edit;
        const char* upDown;
        Field<Text> field;
    };
    const Row rows[] = {
        {"Label1", "From All Library:", "S_All", "UpDown1",
         [](core::TConfRecord& r) -> Text& { return r.S_All; }},
        {"Label2", "From Rus Artist:", "S_Rus_A", "UpDown2",
         [](core::TConfRecord& r) -> Text& { return r.S_Rus_A; }},
        {"Label3", "From Eng Artist:", "S_Eng_A", "UpDown3",
         [](core::TConfRecord& r) -> Text& { return r.S_Eng_A; }},
        {"Label5", "From Active Art:", "S_A_Art", "UpDown4",
         [](core::TConfRecord& r) -> Text& { return r.S_A_Art; }},
        {"Label6", "From Active Alb:", "S_A_Alb", "UpDown5",
         [](core::TConfRecord& r) -> Text& { return r.S_A_Alb; }},
    };
    for (int i = 0; i < 5; ++i) {
        const Row& row = rows[i];
        auto* label = named(new QLabel(QString::fromLatin1(row.caption), options), row.label);
        grid->addWidget(label, i, 0);
        shareEdit(options, i, row.edit, row.upDown, row.field);
        shares_[std::size_t(i)].label = label;
        grid->addWidget(shares_[std::size_t(i)].edit, i, 1);
        grid->addWidget(shares_[std::size_t(i)].upDown, i, 2);
        grid->addWidget(new QLabel(QStringLiteral("%"), options), i, 3);
    }
    grid->setColumnStretch(4, 1);
    column->addWidget(options);
    column->addStretch();
    return shuffle;
}

void TKavrelPreferences::shareEdit(QWidget* parent, int index, const char* name, const char* upDownName,
                                   Field<core::ShortString<10>> field) {
    Share& share = shares_[std::size_t(index)];
    share.edit = named(new QLineEdit(parent), name);
    share.edit->setMaxLength(static_cast<int>(core::ShortString<10>::capacity));
    share.edit->setFixedWidth(70);
    share.edit->installEventFilter(this);
    share.upDown = named(new TUpDown(parent, 0, core::kShareUpDownMax), upDownName);
    share.field = std::move(field);
    connect(share.edit, &QLineEdit::editingFinished, this, [this, index] { leaveShare(index); });
    connect(share.upDown, &TUpDown::stepped, this,
            [this, index](int direction) { stepShare(index, direction); });
    readers_.push_back([this, index] {
        Share& s = shares_[std::size_t(index)];
        s.edit->setText(qtText(s.field(settings_).text));
        s.upDown->setPosition(core::shareUpDownOf(s.field(settings_).text));
    });
}

void TKavrelPreferences::leaveShare(int index) {
    Share& share = shares_[std::size_t(index)];
    const std::string typed = share.edit->text().toStdString();
    std::string& stored = share.field(settings_).text;
    if (const auto left = core::leaveShareEdit(typed)) {
        stored = left->text;
        share.edit->setText(qtText(left->text));
        share.upDown->setPosition(left->upDown);
        return;
    }
    share.edit->setText(qtText(stored));
    share.upDown->setPosition(core::shareUpDownOf(stored));
    if (typed != stored) {
        QString caption = share.label->text().trimmed();
        if (caption.endsWith(u':'))
            caption.chop(1);
        showNumberError(QStringLiteral("Shuffle: ") + caption, stored);
    }
}

void TKavrelPreferences::stepShare(int index, int direction) {
    Share& share = shares_[std::size_t(index)];
    const core::ShareEdit stepped = core::stepShare(share.upDown->Position(), direction);
    share.field(settings_).text = stepped.text;
    share.edit->setText(qtText(stepped.text));
    share.upDown->setPosition(stepped.upDown);
}

QWidget* TKavrelPreferences::aboutPage(skin::SkinErrorReporter& skinErrors) {
    QWidget* about = page("oAbout");
    auto* column = new QVBoxLayout(about);
    auto* picture = named(new QLabel(about), "Image1");
    picture->setFixedSize(skin::AboutPictureSize);
    picture->setScaledContents(true);
    skin::loadSkinPicture(*picture, programFolder_, skin::AboutPicture, skinErrors);
    auto* name =
        named(new QLabel(QStringLiteral("Kavrel %1").arg(QStringLiteral(KAVREL_VERSION)), about), "Label4");
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    auto* libraries = named(new QLabel(about), "Label7");
    libraries->setWordWrap(true);
    libraries->setText(
        QStringLiteral("A music player with a library of your own.\n\nBuilt on Qt %1, FFmpeg, SDL2, "
                       "libjpeg-turbo, KissFFT, libcdio with cdio-paranoia, libopenmpt and ICU.")
            .arg(QString::fromLatin1(qVersion())));
    column->addWidget(picture, 0, Qt::AlignHCenter);
    column->addWidget(name, 0, Qt::AlignHCenter);
    column->addWidget(libraries);
    column->addStretch();
    return about;
}

} // namespace kavrel::ui::preferences
