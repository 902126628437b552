#include "ui/lang/message_box_error_reporter.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kavrel::ui::lang {

void MessageBoxLanguageErrorReporter::reportLanguageError(const QString& message) {
    QMessageBox::critical(parent_, QCoreApplication::applicationName(), message);
}

} // namespace kavrel::ui::lang
