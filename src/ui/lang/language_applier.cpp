#include "ui/lang/language_applier.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>

namespace kavrel::ui::lang {

namespace {

QByteArray stateTextProperty(int slot) {
    return "kavrelStateText" + QByteArray::number(slot);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool setHint(QObject& target, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(&target)) {
        widget->setToolTip(text);
        return true;
    }
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setToolTip(text);
        return true;
    }
    return false;
}

bool setMenuItem(QObject& target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setText(text);
        return true;
    }
    if (auto* subMenu = qobject_cast<QMenu*>(&target)) {
        subMenu->setTitle(text);
        return true;
    }
    return false;
}

bool setCaption(QObject& target, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(&target))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&target))
        group->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(&target))
        label->setText(text);
    else if (auto* action = qobject_cast<QAction*>(&target))
        action->setText(text);
    else if (auto* widget = qobject_cast<QWidget*>(&target))
        widget->setWindowTitle(text);
    else
        return false;
    return true;
}

bool setRadioChoice(QObject& target, int choice, const QString& text) {
    auto* group = qobject_cast<QGroupBox*>(&target);
    if (!group)
        return false;
    const auto choices = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    if (choice < 1 || choice > choices.size())
        return false;
    choices[choice - 1]->setText(text);
    return true;
}

bool setStateText(QObject& target, int slot, const QString& text) {
    auto* button = qobject_cast<QAbstractButton*>(&target);
    if (!button)
        return false;
    button->setProperty(stateTextProperty(slot).constData(), text);
    if (slot == 0)
        button->setText(text);
    return true;
}

bool setPageTreeLabel(QObject& target, int entry, const QString& text) {
    auto* tree = qobject_cast<QTreeWidget*>(&target);
    QTreeWidgetItem* item = tree ? tree->topLevelItem(entry - 1) : nullptr;
    if (!item)
        return false;
    item->setText(0, text);
    return true;
}

bool apply(const LineTarget& target, QObject& control, const QString& text) {
    switch (target.kind) {
    case TargetKind::Hint:
        return setHint(control, text);
    case TargetKind::MenuItem:
        return setMenuItem(control, text);
    case TargetKind::Caption:
        return setCaption(control, text);
    case TargetKind::RadioChoice:
        return setRadioChoice(control, target.choice, text);
    case TargetKind::StateText:
        return setStateText(control, target.stateSlot, text);
    case TargetKind::PageTreeLabel:
        return setPageTreeLabel(control, target.choice, text);
    }
    return false;
}

QString describe(const LineTarget& target) {
    const QString name = toQString(target.control);
    if (target.kind == TargetKind::RadioChoice || target.kind == TargetKind::PageTreeLabel)
        return QStringLiteral("%1 item %2").arg(name).arg(target.choice);
    return name.isEmpty() ? QStringLiteral("window") : name;
}

} // namespace

QStringList applyLanguageText(const LanguageText& text, const LanguageFileTable& table, QWidget& window) {
    QStringList missing;
    for (const LineTarget& target : table.targets) {
        QObject* control = &window;
        if (!target.control.empty())
            control = window.findChild<QObject*>(toQString(target.control));
        if (!control || !apply(target, *control, toQString(text.line(target.line))))
            missing << describe(target);
    }
    return missing;
}

QString stateText(const QObject& button, int slot) {
    return button.property(stateTextProperty(slot).constData()).toString();
}

} // namespace kavrel::ui::lang
