#include "ui/windows/preferences/preferences_ports.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
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
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, &parent);
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
