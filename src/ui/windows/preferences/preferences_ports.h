#pragma once
// What the preferences window asks of the rest of the player: the immediate actions of its controls
// and the questions it puts to the user. Behind interfaces so its tests record them.
#include "engine/apollo_path.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace kavrel::ui::preferences {

// Main thread. Each runs after the window has written the control's new value into the settings.
class PreferencesActions {
public:
    virtual ~PreferencesActions() = default;
    // The engine choice: the whole switch, the poller and the spectrum timer held around it. For the
    // outside player, `ask` is the open-file dialog used when its path names no program.
    virtual void switchEngine(const std::string& name, const engine::AskForProgram& ask) = 0;
    // The language files of the chosen language, to every window at once.
    virtual void applyLanguage(int languageIndex) = 0;
    // Artist distribution or orientation: the columns, their headers and the artist lists.
    virtual void artistColumnsChanged() = 0;
    // The numbering of an artist list: the lists are filled again.
    virtual void artistNumberingChanged() = 0;
    // A list's font or colour, or the playing row's colour.
    virtual void listLookChanged() = 0;
    // Numbering or the title form of the playlist: its texts again, the playing row marked by its state.
    virtual void playlistDisplayChanged() = 0;
};

// Main thread; each blocks until the user answers.
class PreferencesDialogs {
public:
    virtual ~PreferencesDialogs() = default;
    // A program file, the dialog opening in `startFolder`; nothing when cancelled.
    virtual std::optional<QString> chooseProgram(QWidget& parent, const QString& title,
                                                 const QString& startFolder) = 0;
    virtual std::optional<QFont> chooseFont(QWidget& parent, const QFont& current) = 0;
    virtual std::optional<QColor> chooseColour(QWidget& parent, const QColor& current) = 0;
    // A number edit held no number; its previous value is back.
    virtual void numberError(QWidget& parent, const QString& message) = 0;
};

// Qt's file, font and colour dialogs and a warning box.
class QtPreferencesDialogs final : public PreferencesDialogs {
public:
    std::optional<QString> chooseProgram(QWidget& parent, const QString& title,
                                         const QString& startFolder) override;
    std::optional<QFont> chooseFont(QWidget& parent, const QFont& current) override;
    std::optional<QColor> chooseColour(QWidget& parent, const QColor& current) override;
    void numberError(QWidget& parent, const QString& message) override;
};

} // namespace kavrel::ui::preferences
