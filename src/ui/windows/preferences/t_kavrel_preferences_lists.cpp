// The Artist Panel and Ather Panels pages: the artist columns and, per list, its font, colour,
// numbering and double-click action.
#include "ui/windows/preferences/list_font.h"
#include "ui/windows/preferences/t_kavrel_preferences.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kavrel::ui::preferences {

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString name(const char* prefix, const char* suffix) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
}

void paintLabel(QLabel& label, const QColor& colour) {
    label.setAutoFillBackground(true);
    QPalette colours = label.palette();
    colours.setColor(QPalette::Window, colour);
    colours.setColor(QPalette::WindowText, colour.lightness() > 128 ? Qt::black : Qt::white);
    label.setPalette(colours);
}

} // namespace

// The controls of one list's panel, by name.
struct TKavrelPreferences::ListControls {
    const char* box;
    const char* fontBox;
    const char* fontButton;
    const char* colourBox;
    const char* colourButton;
    const char* clickBox;
    const char*
        prefix; // Left, Right, Albom, Song: "<prefix>_Font", "<prefix>_Indexin", "<prefix>_OnDb_E", ...
    const char* caption;
    core::TFontRecord core::TConfRecord::*font;
    core::TListOptions core::TConfRecord::*options;
    // Runs after the numbering changed, when the list shows it at once.
    bool refillOnNumbering;
};

QWidget* TKavrelPreferences::artistPanelPage() {
    QWidget* artists = named(new QWidget, "oArtistPanel");
    auto* grid = new QGridLayout(artists);
    grid->addWidget(
        choiceGroup(artists, "Art_Pnl_Distribution", QStringLiteral("Distribution of Artist"),
                    {QStringLiteral("Separate Russian and Engish"), QStringLiteral("The Incorporated")},
                    &core::TConfRecord::Art_Pnl_Distribution, [this] { actions_.artistColumnsChanged(); }),
        0, 0);
    grid->addWidget(choiceGroup(artists, "Art_Pnl_Orientation", QStringLiteral("Orientation of panels"),
                                {QStringLiteral("Russian left, English Right"),
                                 QStringLiteral("English left, Russian Right")},
                                &core::TConfRecord::Art_Pnl_Orientation,
                                [this] { actions_.artistColumnsChanged(); }),
                    0, 1);
    const ListControls left{"GroupBox3",
                            "GroupBox29",
                            "BitBtn7",
                            "GroupBox30",
                            "BitBtn8",
                            "GroupBox6",
                            "Left",
                            "Left Artist Panel",
                            &core::TConfRecord::ListBox1Font,
                            &core::TConfRecord::Left,
                            true};
    const ListControls right{"GroupBox2",
                             "GroupBox32",
                             "BitBtn4",
                             "GroupBox33",
                             "BitBtn5",
                             "GroupBox7",
                             "Right",
                             "Right Artist Panel",
                             &core::TConfRecord::ListBox2Font,
                             &core::TConfRecord::Right,
                             true};
    grid->addWidget(listPanel(artists, left), 1, 0);
    grid->addWidget(listPanel(artists, right), 1, 1);
    grid->setRowStretch(2, 1);
    return artists;
}

QWidget* TKavrelPreferences::otherPanelsPage() {
    QWidget* others = named(new QWidget, "oAtherPanels");
    auto* grid = new QGridLayout(others);
    const ListControls albums{"GroupBox8",
                              "GroupBox23",
                              "BitBtn11",
                              "GroupBox24",
                              "BitBtn12",
                              "GroupBox9",
                              "Albom",
                              "Album Panel",
                              &core::TConfRecord::ListBox3Font,
                              &core::TConfRecord::Albom,
                              false};
    const ListControls songs{"GroupBox1",
                             "GroupBox26",
                             "BitBtn1",
                             "GroupBox27",
                             "BitBtn2",
                             "GroupBox10",
                             "Song",
                             "Song Panel",
                             &core::TConfRecord::ListBox4Font,
                             &core::TConfRecord::Song,
                             false};
    grid->addWidget(listPanel(others, albums), 0, 0);
    grid->addWidget(listPanel(others, songs), 0, 1);
    grid->addWidget(playlistPanel(others), 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return others;
}

QGroupBox* TKavrelPreferences::listPanel(QWidget* parent, const ListControls& c) {
    auto* panel = named(new QGroupBox(QString::fromLatin1(c.caption), parent), c.box);
    auto* column = new QVBoxLayout(panel);
    const auto fontField = c.font;
    const auto optionsField = c.options;
    const QByteArray fontLabel = name(c.prefix, "_Font").toLatin1();
    const QByteArray colourLabel = name(c.prefix, "_F_Color").toLatin1();
    column->addWidget(
        fontRow(panel, c.fontBox, c.fontButton, fontLabel.constData(),
                [fontField](core::TConfRecord& r) -> core::TFontRecord& { return r.*fontField; }));
    column->addWidget(
        colourRow(panel, c.colourBox, c.colourButton, colourLabel.constData(),
                  [fontField](core::TConfRecord& r) -> std::int32_t& { return (r.*fontField).Color; }));
    std::function<void()> refill;
    if (c.refillOnNumbering)
        refill = [this] { actions_.artistNumberingChanged(); };
    const QByteArray indexin = name(c.prefix, "_Indexin").toLatin1();
    column->addWidget(checkBox(
        panel, indexin.constData(), QStringLiteral("Indexing of items"),
        [optionsField](core::TConfRecord& r) -> bool& { return (r.*optionsField).Indexin; }, refill));

    auto* clicks = named(new QGroupBox(QStringLiteral("On DblClick"), panel), c.clickBox);
    auto* clickColumn = new QVBoxLayout(clicks);
    using Choice = bool core::TListOptions::*;
    static constexpr std::pair<const char*, Choice> choices[] = {
        {"Add to the end of playlist", &core::TListOptions::OnDb_E},
        {"Add to the end of playlist and play", &core::TListOptions::OnDb_E_P},
        {"Add after play song and Play", &core::TListOptions::OnDb_A_P},
        {"Add after play song", &core::TListOptions::OnDb_A}};
    static constexpr const char* suffixes[] = {"_OnDb_E", "_OnDb_E_P", "_OnDb_A_P", "_OnDb_A"};
    for (int i = 0; i < 4; ++i) {
        const Choice chosen = choices[i].second;
        auto* button = new QRadioButton(QString::fromLatin1(choices[i].first), clicks);
        button->setObjectName(name(c.prefix, suffixes[i]));
        clickColumn->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, optionsField, chosen] {
            core::TListOptions& options = settings_.*optionsField;
            for (const auto& [text, choice] : choices)
                options.*choice = false;
            options.*chosen = true;
        });
        readers_.push_back([this, button, optionsField, chosen] {
            if ((settings_.*optionsField).*chosen)
                button->setChecked(true);
        });
    }
    column->addWidget(clicks);
    return panel;
}

QGroupBox* TKavrelPreferences::playlistPanel(QWidget* parent) {
    auto* panel = named(new QGroupBox(QStringLiteral("PlayList Panel"), parent), "GroupBox4");
    auto* grid = new QGridLayout(panel);
    grid->addWidget(fontRow(panel, "GroupBox18", "BitBtn15", "Playlist_Font",
                            [](core::TConfRecord& r) -> core::TFontRecord& { return r.ListBox5Font; }),
                    0, 0);
    grid->addWidget(colourRow(panel, "GroupBox20", "BitBtn13", "Playlist_F_Color",
                              [](core::TConfRecord& r) -> std::int32_t& { return r.ListBox5Font.Color; }),
                    0, 1);
    grid->addWidget(colourRow(
                        panel, "GroupBox19", "BitBtn10", "Playlist_F_P_Color",
                        [](core::TConfRecord& r) -> std::int32_t& { return r.Playlist_F_P_Color; },
                        QStringLiteral("Color of the playing songs")),
                    0, 2);

    auto* names = named(new QGroupBox(QStringLiteral("Name in playlist"), panel), "GroupBox22");
    auto* nameColumn = new QVBoxLayout(names);
    const auto redisplay = [this] { actions_.playlistDisplayChanged(); };
    const std::pair<const char*, const char*> forms[] = {{"Name_PlayList_T", "Title"},
                                                         {"Name_PlayList_A_T", "Artist - Title"}};
    for (int i = 0; i < 2; ++i) {
        auto* button = named(new QRadioButton(QString::fromLatin1(forms[i].second), names), forms[i].first);
        nameColumn->addWidget(button);
        const bool artistTitle = i == 1;
        connect(button, &QRadioButton::clicked, this, [this, artistTitle, redisplay] {
            settings_.Name_PlayList_T = !artistTitle;
            settings_.Name_PlayList_A_T = artistTitle;
            redisplay();
        });
        readers_.push_back([this, button, artistTitle] {
            if (settings_.Name_PlayList_A_T == artistTitle)
                button->setChecked(true);
        });
    }
    grid->addWidget(names, 1, 0);
    grid->addWidget(checkBox(
                        panel, "PlayList_Indexin", QStringLiteral("Indexing of items"),
                        [](core::TConfRecord& r) -> bool& { return r.PlayList_Indexin; }, redisplay),
                    1, 1);
    return panel;
}

QWidget* TKavrelPreferences::fontRow(QWidget* parent, const char* box, const char* button, const char* label,
                                     Field<core::TFontRecord> font) {
    auto* group = named(new QGroupBox(QStringLiteral("Font"), parent), box);
    auto* row = new QHBoxLayout(group);
    auto* shown = named(new QLabel(group), label);
    auto* choose = named(new QPushButton(QStringLiteral("..."), group), button);
    choose->setFixedWidth(32);
    row->addWidget(shown, 1);
    row->addWidget(choose);
    connect(choose, &QPushButton::clicked, this, [this, shown, font] {
        core::TFontRecord& record = font(settings_);
        const auto chosen = dialogs_.chooseFont(*this, fontOf(record));
        if (!chosen)
            return;
        record = fontRecordOf(*chosen, record.Color);
        shown->setText(QString::fromStdString(record.Name.text));
        actions_.listLookChanged();
    });
    readers_.push_back(
        [this, shown, font] { shown->setText(QString::fromStdString(font(settings_).Name.text)); });
    return group;
}

QWidget* TKavrelPreferences::colourRow(QWidget* parent, const char* box, const char* button,
                                       const char* label, Field<std::int32_t> colour, const QString& title) {
    auto* group = named(new QGroupBox(title, parent), box);
    auto* row = new QHBoxLayout(group);
    auto* shown = named(new QLabel(group), label);
    shown->setMinimumHeight(18);
    auto* choose = named(new QPushButton(QStringLiteral("..."), group), button);
    choose->setFixedWidth(32);
    row->addWidget(shown, 1);
    row->addWidget(choose);
    connect(choose, &QPushButton::clicked, this, [this, shown, colour] {
        const auto chosen = dialogs_.chooseColour(*this, colourOf(colour(settings_)));
        if (!chosen)
            return;
        colour(settings_) = colourValueOf(*chosen);
        paintLabel(*shown, *chosen);
        actions_.listLookChanged();
    });
    readers_.push_back([this, shown, colour] { paintLabel(*shown, colourOf(colour(settings_))); });
    return group;
}

} // namespace kavrel::ui::preferences
