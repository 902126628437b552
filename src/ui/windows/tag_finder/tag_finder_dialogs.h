#pragma once
// The questions and messages of the library build window, behind an interface so its tests answer them.
#include <QString>

class QWidget;

namespace kavrel::ui::tag_finder {

enum class MessageIcon { Question, Stop, Warning };

// Main thread; each blocks until the user answers.
class TagFinderDialogs {
public:
    virtual ~TagFinderDialogs() = default;
    // A folder of music; empty when the user cancels.
    virtual QString chooseFolder(QWidget& parent) = 0;
    // OK and Cancel: true for OK.
    virtual bool ask(QWidget& parent, MessageIcon icon, const QString& caption, const QString& text) = 0;
    // OK only.
    virtual void tell(QWidget& parent, MessageIcon icon, const QString& caption, const QString& text) = 0;
};

// Qt's folder dialog and message boxes.
class QtTagFinderDialogs final : public TagFinderDialogs {
public:
    QString chooseFolder(QWidget& parent) override;
    bool ask(QWidget& parent, MessageIcon icon, const QString& caption, const QString& text) override;
    void tell(QWidget& parent, MessageIcon icon, const QString& caption, const QString& text) override;
};

} // namespace kavrel::ui::tag_finder
