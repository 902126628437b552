#pragma once
#include <QString>

class QWidget;

namespace kavrel::ui::skin {

// Where a skin file that could not be loaded is reported. Called on the main thread; the player shows a
// message box, tests record the message.
class SkinErrorReporter {
public:
    virtual ~SkinErrorReporter() = default;
    virtual void reportSkinError(const QString& message) = 0;
};

class MessageBoxSkinErrorReporter final : public SkinErrorReporter {
public:
    // The box is modal to parent, which may be null.
    explicit MessageBoxSkinErrorReporter(QWidget* parent) : parent_(parent) {}
    void reportSkinError(const QString& message) override;

private:
    QWidget* parent_;
};

} // namespace kavrel::ui::skin
