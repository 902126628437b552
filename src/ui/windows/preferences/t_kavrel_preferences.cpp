#include "ui/windows/preferences/t_kavrel_preferences.h"

#include "core/preferences_numbers.h"
#include "ui/windows/common/qt_texts.h"
#include "ui/windows/preferences/t_up_down.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kavrel::ui::preferences {

namespace {

constexpr QSize kWindowSize{800, 620};
constexpr int kTreeWidth = 150;

QList<QRadioButton*> choicesOf(const QGroupBox& group) {
    return group.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

} // namespace

TKavrelPreferences::TKavrelPreferences(core::TConfRecord& settings, PreferencesActions& actions,
                                       PreferencesDialogs& dialogs, const fs::ProgramFolder& programFolder,
                                       skin::SkinErrorReporter& skinErrors, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      settings_(settings), actions_(actions), dialogs_(dialogs), programFolder_(programFolder),
      PageTree(new QTreeWidget(this)), Pages(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("KavrelPreferences"));
    setWindowTitle(QStringLiteral("KavrelPreferences"));
    setFixedSize(kWindowSize);

    PageTree->setObjectName(QStringLiteral("PageTree"));
    PageTree->setHeaderHidden(true);
    PageTree->setRootIsDecorated(false);
    PageTree->setFixedWidth(kTreeWidth);
    Pages->setObjectName(QStringLiteral("PageControl1"));
    const std::pair<QWidget*, const char*> pages[] = {
        {generalPage(), "General"},          {loadPleerPage(), "Load pleer"},
        {artistPanelPage(), "Artist Panel"}, {otherPanelsPage(), "Ather Panels"},
        {quickPlayPage(), "Quick Play"},     {shufflePage(), "Shuffle"},
        {aboutPage(skinErrors), "About"}};
    for (const auto& [page, label] : pages) {
        Pages->addWidget(page);
        PageTree->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::fromUtf8(label)}));
    }
    connect(PageTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            showPage(static_cast<PreferencesPage>(PageTree->indexOfTopLevelItem(item)));
    });

    auto* row = new QHBoxLayout(this);
    row->addWidget(PageTree);
    row->addWidget(Pages, 1);
    showPage(PreferencesPage::General);
    readSettings();
}

void TKavrelPreferences::open(PreferencesPage page) {
    showPage(page);
    show();
    raise();
    activateWindow();
}

void TKavrelPreferences::showPage(PreferencesPage page) {
    const int index = std::clamp(static_cast<int>(page), 0, kPageCount - 1);
    if (page == PreferencesPage::Shuffle)
        for (const Share& share : shares_)
            share.upDown->setPosition(core::shareUpDownOf(share.edit->text().toStdString()));
    Pages->setCurrentIndex(index);
    if (QTreeWidgetItem* item = PageTree->topLevelItem(index); item && PageTree->currentItem() != item)
        PageTree->setCurrentItem(item);
}

PreferencesPage TKavrelPreferences::currentPage() const {
    return static_cast<PreferencesPage>(Pages->currentIndex());
}

void TKavrelPreferences::chooseLanguage(int languageIndex) {
    settings_.GLanguage = languageIndex;
    readSettings();
    actions_.applyLanguage(languageIndex);
}

void TKavrelPreferences::chooseArtistDistribution(int distribution) {
    settings_.Art_Pnl_Distribution = distribution;
    readSettings();
    actions_.artistColumnsChanged();
}

void TKavrelPreferences::showEvent(QShowEvent* event) {
    readSettings();
    if (currentPage() == PreferencesPage::Shuffle)
        showPage(PreferencesPage::Shuffle);
    QDialog::showEvent(event);
}

void TKavrelPreferences::readSettings() {
    for (const Reader& read : readers_)
        read();
}

QGroupBox* TKavrelPreferences::choiceGroup(QWidget* parent, const char* name, const QString& title,
                                           const QStringList& choices, std::int32_t core::TConfRecord::*field,
                                           std::function<void()> action) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* column = new QVBoxLayout(group);
    for (int i = 0; i < choices.size(); ++i) {
        auto* choice = new QRadioButton(choices[i], group);
        column->addWidget(choice);
        connect(choice, &QRadioButton::clicked, this, [this, field, i, action] {
            settings_.*field = i;
            if (action)
                action();
        });
    }
    column->addStretch();
    readers_.push_back([this, group, field] {
        const auto buttons = choicesOf(*group);
        const int chosen = settings_.*field;
        if (chosen >= 0 && chosen < buttons.size())
            buttons[chosen]->setChecked(true);
    });
    return group;
}

QCheckBox* TKavrelPreferences::checkBox(QWidget* parent, const char* name, const QString& text,
                                        Field<bool> field, std::function<void()> action) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this, [this, field, action](bool checked) {
        field(settings_) = checked;
        if (action)
            action();
    });
    readers_.push_back([this, box, field] { box->setChecked(field(settings_)); });
    return box;
}

QLineEdit* TKavrelPreferences::numberEdit(QWidget* parent, const char* name, const QString& fieldName,
                                          Field<core::ShortString<10>> field) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(static_cast<int>(core::ShortString<10>::capacity));
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        if (core::isNumberText(text.toStdString()))
            field(settings_).text = text.toStdString();
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, field, fieldName] {
        const std::string& kept = field(settings_).text;
        if (core::isNumberText(edit->text().toStdString()) || edit->text().toStdString() == kept)
            return;
        edit->setText(qtText(kept));
        showNumberError(fieldName, kept);
    });
    readers_.push_back([this, edit, field] { edit->setText(qtText(field(settings_).text)); });
    return edit;
}

void TKavrelPreferences::showNumberError(const QString& fieldName, const std::string& kept) {
    dialogs_.numberError(*this, QStringLiteral("\"%1\" needs a number, such as 5 or 12.5. It keeps its "
                                               "previous value, %2.")
                                    .arg(fieldName, qtText(kept)));
}

bool TKavrelPreferences::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const bool shareEdit = std::any_of(shares_.begin(), shares_.end(),
                                           [watched](const Share& share) { return share.edit == watched; });
        // Only printable characters are filtered: Tab, the arrows and the editing shortcuts still work.
        const char32_t typed = static_cast<QKeyEvent*>(event)->text().toUcs4().value(0);
        if (shareEdit && typed >= U' ' && typed != U'\x7f' && !core::shareEditAccepts(typed))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kavrel::ui::preferences
