#include "skin_sheet.h"

#include "demo_parts.h"
#include "ui/controls/mega_image.h"
#include "ui/skin/skin_loader.h"

#include <QGridLayout>
#include <QLabel>

namespace kavrel::demo {

namespace {

constexpr int Zoom = 2;

QLabel* text(const QString& content, QWidget* parent) {
    auto* label = new QLabel(content, parent);
    label->setStyleSheet("color: #c8c8c8; font-size: 11px;");
    return label;
}

QLabel* enlarged(const QImage& picture, QWidget* parent) {
    auto* label = new QLabel(parent);
    if (picture.isNull())
        return label;
    // Wide pictures are shown as they are, so that a row stays on screen.
    const QImage shown = picture.width() > 40 ? picture : picture.scaled(picture.size() * Zoom);
    label->setPixmap(QPixmap::fromImage(shown));
    label->setFixedSize(shown.size());
    return label;
}

} // namespace

QWidget* makeSkinSheet(const ui::skin::SkinSet& set, const std::filesystem::path& skinRoot, QWidget* parent) {
    auto* sheet = new QWidget(parent);
    // The window the set belongs to, holding a control of each name, hidden: the sheet shows its buttons.
    auto* window = new QWidget(sheet);
    window->hide();
    for (const ui::skin::SkinItem& item : set.items) {
        auto* control = new ui::TMegaImage(window);
        control->setObjectName(QString::fromUtf8(item.control.data(), qsizetype(item.control.size())));
    }
    ui::skin::prepareSkinControls(*window, set);
    PrintingSkinErrorReporter reporter;
    ui::skin::loadSkinSet(*window, set, skinRoot, reporter);

    // Two tables side by side keep a long set on one screen.
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const char* headings[] = {"control", "1 normal", "2 over", "3 pressed", "4", "5", "6", "live"};
    const int half = int(set.items.size() + 1) / 2;
    for (int side = 0; side < (set.items.size() > 1 ? 2 : 1); ++side)
        for (int column = 0; column < 8; ++column)
            grid->addWidget(text(headings[column], sheet), 0, side * 9 + column);
    int index = 0;
    for (const ui::skin::SkinItem& item : set.items) {
        const int side = index < half || set.items.size() == 1 ? 0 : 1;
        const int row = 1 + index - side * half;
        const int base = side * 9;
        ++index;
        auto* button = window->findChild<ui::TMegaImage*>(
            QString::fromUtf8(item.control.data(), qsizetype(item.control.size())));
        grid->addWidget(text(button->objectName(), sheet), row, base);
        if (item.isPicture()) {
            grid->addWidget(enlarged(button->picture(), sheet), row, base + 1, 1, 7);
            continue;
        }
        for (int slot = 1; slot <= ui::TMegaImage::SlotCount; ++slot)
            grid->addWidget(enlarged(button->slot(slot), sheet), row, base + slot);
        button->setParent(sheet);
        button->show();
        grid->addWidget(button, row, base + 7, Qt::AlignLeft | Qt::AlignVCenter);
    }
    grid->setRowStretch(half + 1, 1);
    grid->setColumnStretch(17, 1);
    return sheet;
}

} // namespace kavrel::demo
