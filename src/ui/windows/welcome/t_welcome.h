#pragma once
// TWelcome, the first-run window: one picture with the language and artist layout choices and the
// shortcut boxes on it. Finish (Image2, or Enter) accepts it and skip (Image3, or Escape) rejects it;
// what a finish does is its binding's. Borderless; the background moves it.
#include "platform/fs/program_folder.h"
#include "tools/player_shortcuts.h"
#include "ui/controls/mega_image.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>

namespace kavrel::ui {

namespace skin {
class SkinErrorReporter;
}

struct WelcomeChoices {
    int language = 1;           // the preferences' GLanguage: 0 Russian, 1 English
    int artistDistribution = 0; // Art_Pnl_Distribution: 0 separate columns, 1 one column
    tools::PlayerShortcutChoice shortcuts;
};

class TWelcome final : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize{451, 568};

    // Main thread. Its pictures come from the program folder's skin; one that cannot be loaded goes to
    // `skinErrors` (which outlives the window) and the control keeps its built-in look.
    TWelcome(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
             QWidget* parent = nullptr);

    WelcomeChoices choices() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* strip(QPoint place, QSize size);

public:
    QLabel* const Image1;
    QRadioButton* const Classic;
    QRadioButton* const Special;
    QRadioButton* const Rus;
    QRadioButton* const Eng;
    QCheckBox* const Deckt;
    QCheckBox* const Qlanch;
    QCheckBox* const Start;
    TMegaImage* const Image2;
    TMegaImage* const Image3;
};

} // namespace kavrel::ui
