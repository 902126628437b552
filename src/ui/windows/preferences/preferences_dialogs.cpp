#include "ui/windows/preferences/preferences_ports.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>

namespace kavrel::ui::preferences {

std::optional<QString> QtPreferencesDialogs::chooseProgram(QWidget& parent, const QString& title,
                                                           const QString& startFolder) {
    const QString file = QFileDialog::getOpenFileName(&parent, title, startFolder);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QFont> QtPreferencesDialogs::chooseFont(QWidget& parent, const QFont& current) {
    // The dialog finds its style by name, and a font without one is "Normal" to it: a family whose
    // upright style has another name ("Book") would open on its first style, often the italic one,
    // and an unchanged OK would turn the list italic. The style the font resolves to is named instead.
    QFont preset = current;
    if (preset.styleName().isEmpty())
        preset.setStyleName(QFontInfo(current).styleName());
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, preset, &parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPreferencesDialogs::chooseColour(QWidget& parent, const QColor& current) {
    const QColor colour = QColorDialog::getColor(current, &parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

void QtPreferencesDialogs::numberError(QWidget& parent, const QString& message) {
    QMessageBox::warning(&parent, QStringLiteral("Kavrel"), message);
}

} // namespace kavrel::ui::preferences
