#include "ui/skin/skin_error_reporter.h"

#include <QMessageBox>

namespace kavrel::ui::skin {

void MessageBoxSkinErrorReporter::reportSkinError(const QString& message) {
    QMessageBox::critical(parent_, QStringLiteral("Kavrel"), message);
}

} // namespace kavrel::ui::skin
