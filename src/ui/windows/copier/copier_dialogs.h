#pragma once
// The questions and messages of the copier window, behind an interface so its tests answer them.
#include <QString>

class QWidget;

namespace kavrel::ui::copier {

// Main thread; each blocks until the user answers.
class CopierDialogs {
public:
    virtual ~CopierDialogs() = default;
    // A folder to copy into; empty when the user cancels.
    virtual QString chooseFolder(QWidget& parent) = 0;
    // The destination is empty: true when the user will choose one (OK), false to abort (Cancel).
    virtual bool askToChooseFolder(QWidget& parent) = 0;
    virtual void information(QWidget& parent, const QString& title, const QString& text) = 0;
    virtual void warning(QWidget& parent, const QString& title, const QString& text) = 0;
};

// Qt's folder dialog and message boxes.
class QtCopierDialogs final : public CopierDialogs {
public:
    QString chooseFolder(QWidget& parent) override;
    bool askToChooseFolder(QWidget& parent) override;
    void information(QWidget& parent, const QString& title, const QString& text) override;
    void warning(QWidget& parent, const QString& title, const QString& text) override;
};

} // namespace kavrel::ui::copier
