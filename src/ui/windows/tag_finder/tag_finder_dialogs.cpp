#include "ui/windows/tag_finder/tag_finder_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kavrel::ui::tag_finder {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        break;
    }
    return QMessageBox::Warning;
}

int showBox(QWidget& parent, MessageIcon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(qtIcon(icon), caption, text, buttons, &parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec();
}

} // namespace

QString QtTagFinderDialogs::chooseFolder(QWidget& parent) {
    return QFileDialog::getExistingDirectory(&parent,
                                             QStringLiteral("Укажите путь к вашим музыкальным файлам"));
}

bool QtTagFinderDialogs::ask(QWidget& parent, MessageIcon icon, const QString& caption, const QString& text) {
    return showBox(parent, icon, caption, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtTagFinderDialogs::tell(QWidget& parent, MessageIcon icon, const QString& caption,
                              const QString& text) {
    showBox(parent, icon, caption, text, QMessageBox::Ok);
}

} // namespace kavrel::ui::tag_finder
