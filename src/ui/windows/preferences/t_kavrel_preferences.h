#pragma once
// "KavrelPreferences": a page tree on the left selects one of seven pages. Every control carries the
// name its language file addresses and mirrors one field of the settings model: the window reads the
// model whenever it is shown and writes a control's field as the user changes it, then runs the
// control's immediate action. The rules of the number edits are core's; the window routes.
#include "core/conf_record.h"
#include "platform/fs/program_folder.h"
#include "ui/windows/preferences/preferences_ports.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace kavrel::ui::skin {
class SkinErrorReporter;
}

namespace kavrel::ui::preferences {

class TUpDown;

// The pages, in tree order.
enum class PreferencesPage { General, LoadPleer, ArtistPanel, OtherPanels, QuickPlay, Shuffle, About };
inline constexpr int kPageCount = 7;

class TKavrelPreferences final : public QDialog {
    Q_OBJECT
public:
    // Main thread. The settings, the actions and the dialogs outlive the window. The outside player's file
    // dialog opens in the program folder; the About picture comes from its skin (a picture that cannot be
    // loaded goes to `skinErrors`).
    TKavrelPreferences(core::TConfRecord& settings, PreferencesActions& actions, PreferencesDialogs& dialogs,
                       const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
                       QWidget* parent = nullptr);

    // Shows the window (raised if it is open already) on `page`.
    void open(PreferencesPage page);
    void showPage(PreferencesPage page);
    PreferencesPage currentPage() const;

    // The welcome window's choices, as if the user had clicked them here: written into the settings,
    // acting at once.
    void chooseLanguage(int languageIndex);
    void chooseArtistDistribution(int distribution);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Reader = std::function<void()>;
    // Where a control's value lives in the settings.
    template <class T> using Field = std::function<T&(core::TConfRecord&)>;
    struct ListControls;

    // Pages, each in its own builder; every builder registers how its controls read the settings.
    QWidget* generalPage();
    QWidget* loadPleerPage();
    QWidget* artistPanelPage();
    QWidget* otherPanelsPage();
    QWidget* quickPlayPage();
    QWidget* shufflePage();
    QWidget* aboutPage(skin::SkinErrorReporter& skinErrors);
    QWidget* enginePaths(QWidget* parent);
    QGroupBox* listPanel(QWidget* parent, const ListControls& names);
    QGroupBox* playlistPanel(QWidget* parent);
    QWidget* fontRow(QWidget* parent, const char* box, const char* button, const char* label,
                     Field<core::TFontRecord> font);
    QWidget* colourRow(QWidget* parent, const char* box, const char* button, const char* label,
                       Field<std::int32_t> colour, const QString& title = QStringLiteral("Font color"));
    QLineEdit* programPath(QGroupBox* box, const char* edit, const char* button, const QString& title,
                           Field<core::ShortString<200>> path);

    // A radio group whose choice index is the field.
    QGroupBox* choiceGroup(QWidget* parent, const char* name, const QString& title,
                           const QStringList& choices, std::int32_t core::TConfRecord::*field,
                           std::function<void()> action = {});
    QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, Field<bool> field,
                        std::function<void()> action = {});
    // A number text kept only while it reads as a number; leaving it with none says so and restores it.
    QLineEdit* numberEdit(QWidget* parent, const char* name, const QString& fieldName,
                          Field<core::ShortString<10>> field);
    // A share edit with its up-down and its key filter.
    void shareEdit(QWidget* parent, int index, const char* name, const char* upDown,
                   Field<core::ShortString<10>> field);
    void leaveShare(int index);
    void stepShare(int index, int direction);
    void engineClicked(int engine);

    void readSettings();
    void showNumberError(const QString& fieldName, const std::string& kept);

    core::TConfRecord& settings_;
    PreferencesActions& actions_;
    PreferencesDialogs& dialogs_;
    fs::ProgramFolder programFolder_;
    std::vector<Reader> readers_;

    struct Share {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        TUpDown* upDown = nullptr;
        Field<core::ShortString<10>> field;
    };
    std::array<Share, 5> shares_{};

public:
    QTreeWidget* const PageTree;
    QStackedWidget* const Pages;
};

} // namespace kavrel::ui::preferences
