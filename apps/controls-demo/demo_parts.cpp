#include "demo_parts.h"

#include "ui/controls/skin_palette.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <algorithm>
#include <cstdio>

namespace kavrel::demo {

namespace {

class FramePiece : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0, ui::palette::frame.lighter(125));
        shade.setColorAt(1, ui::palette::frame);
        painter.setPen(QPen(ui::palette::edge.darker(130), 1));
        painter.setBrush(shade);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
};

} // namespace

MockWindow::MockWindow(QSize size, const std::vector<QRect>& framePieces, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);
    for (const QRect& at : framePieces) {
        auto* piece = new FramePiece(this);
        piece->setGeometry(at);
        framePieces_.push_back(piece);
    }
}

void MockWindow::stackFrame() {
    for (QWidget* piece : framePieces_)
        piece->raise();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<ui::TCListBox*>(control) && !qobject_cast<ui::TQelScrollerVr*>(control) &&
            std::find(framePieces_.begin(), framePieces_.end(), control) == framePieces_.end())
            control->raise();
}

void placeButtons(QWidget& window, const std::vector<Placed>& buttons) {
    for (const Placed& placed : buttons) {
        auto* button = new ui::TMegaImage(&window);
        button->setObjectName(placed.name);
        button->move(placed.x, placed.y);
    }
}

QLabel* placeText(QWidget& window, const QRect& at, const QString& text, const QColor& ink,
                  const QColor& ground) {
    auto* label = new QLabel(text, &window);
    label->setGeometry(at);
    label->setAutoFillBackground(true);
    QPalette colors = label->palette();
    colors.setColor(QPalette::Window, ground);
    colors.setColor(QPalette::WindowText, ink);
    label->setPalette(colors);
    QFont font = label->font();
    font.setPixelSize(std::clamp(at.height() - 2, 8, 11));
    label->setFont(font);
    return label;
}

ui::TQelScrollerVr* placeListScroller(QWidget& window, const QRect& at, int max, int position) {
    auto* scroller = new ui::TQelScrollerVr(&window);
    scroller->setGeometry(at);
    scroller->setLargeChange(0);
    scroller->setMax(max);
    scroller->setPosition(position);
    return scroller;
}

ui::TCListBox* placeList(QWidget& window, const QRect& at, const QStringList& rows) {
    auto* list = new ui::TCListBox(&window);
    list->setGeometry(at);
    QPalette colors = list->palette();
    colors.setColor(QPalette::Base, Qt::black);
    colors.setColor(QPalette::Text, ui::colorFromRgbValue(13421000));
    colors.setColor(QPalette::Highlight, ui::palette::accentDeep.darker(150));
    colors.setColor(QPalette::HighlightedText, Qt::white);
    list->setPalette(colors);
    QFont font = list->font();
    font.setPixelSize(11);
    list->setFont(font);
    list->addItems(rows);
    return list;
}

void PrintingSkinErrorReporter::reportSkinError(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

std::filesystem::path skinRootFromArguments(const QStringList& arguments) {
    const int at = arguments.indexOf("--skin");
    if (at >= 0 && at + 1 < arguments.size())
        return arguments[at + 1].toStdString();
    return std::filesystem::current_path() / "Pictures";
}

bool saveScreenshot(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(name);
    if (QDir().mkpath(folder) && window.grab().save(file))
        return true;
    std::fprintf(stderr, "kavrel-controls-demo: cannot write %s\n", qPrintable(file));
    return false;
}

} // namespace kavrel::demo
