#pragma once
// The preferences' questions answered by the test, and the controls found by name.
#include "ui/windows/preferences/preferences_ports.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

#include <stdexcept>

namespace kavrel::ui::preferences::fakes {

struct FakeDialogs final : PreferencesDialogs {
    std::optional<QString> chooseProgram(QWidget&, const QString& title,
                                         const QString& startFolder) override {
        programQuestions.push_back(title + " in " + startFolder);
        return program;
    }
    std::optional<QFont> chooseFont(QWidget&, const QFont& current) override {
        offeredFont = current;
        return font;
    }
    std::optional<QColor> chooseColour(QWidget&, const QColor& current) override {
        offeredColour = current;
        return colour;
    }
    void numberError(QWidget&, const QString& message) override { errors << message; }

    std::optional<QString> program;
    std::optional<QFont> font;
    std::optional<QColor> colour;
    QStringList programQuestions;
    QFont offeredFont;
    QColor offeredColour;
    QStringList errors;
};

template <typename T> T& control(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(name);
    return *found;
}

inline QRadioButton& choice(QWidget& window, const char* group, int index) {
    return *control<QGroupBox>(window, group)
                .findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)
                .at(index);
}

} // namespace kavrel::ui::preferences::fakes
