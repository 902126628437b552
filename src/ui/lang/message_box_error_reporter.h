#pragma once
// The player's way of showing a language file that could not be read: an error message box.
#include "ui/lang/language_loader.h"

namespace kavrel::ui::lang {

class MessageBoxLanguageErrorReporter final : public LanguageErrorReporter {
public:
    // The box is modal to parent, which may be null.
    explicit MessageBoxLanguageErrorReporter(QWidget* parent) : parent_(parent) {}
    void reportLanguageError(const QString& message) override;

private:
    QWidget* parent_;
};

} // namespace kavrel::ui::lang
