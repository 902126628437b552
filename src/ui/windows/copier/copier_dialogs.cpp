#include "ui/windows/copier/copier_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kavrel::ui::copier {

QString QtCopierDialogs::chooseFolder(QWidget& parent) {
    return QFileDialog::getExistingDirectory(&parent,
                                             QStringLiteral("Укажите путь к вашим музыкальным файлам"));
}

bool QtCopierDialogs::askToChooseFolder(QWidget& parent) {
    return QMessageBox::question(&parent, QStringLiteral("You did not select directory"),
                                 QStringLiteral("Please OK to select directory or cancel to abort"),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void QtCopierDialogs::information(QWidget& parent, const QString& title, const QString& text) {
    QMessageBox::information(&parent, title, text);
}

void QtCopierDialogs::warning(QWidget& parent, const QString& title, const QString& text) {
    QMessageBox::warning(&parent, title, text);
}

} // namespace kavrel::ui::copier
