#include "ui/windows/welcome/t_welcome.h"

#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_loader.h"
#include "ui/skin/skin_tables.h"
#include "ui/windows/common/named_child.h"
#include "ui/windows/common/window_shape.h"

#include <QKeyEvent>

namespace kavrel::ui {

namespace {

constexpr QSize kStripSize{250, 22};
const QColor kStripGrey{0x3a, 0x3d, 0x46};

template <typename Button>
Button* choiceOn(QWidget* parent, const char* name, const char* text, QPoint place) {
    auto* button = namedChild<Button>(parent, name);
    button->setText(QString::fromUtf8(text));
    button->move(place);
    button->adjustSize();
    return button;
}

} // namespace

TWelcome::TWelcome(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Image1(namedChild<QLabel>(this, "Image1")),
      Classic(choiceOn<QRadioButton>(strip({134, 270}, {200, 22}), "Classic", "Classic", {2, 0})),
      Special(choiceOn<QRadioButton>(Classic->parentWidget(), "Special", "Special", {110, 0})),
      Rus(choiceOn<QRadioButton>(strip({108, 114}, kStripSize), "Rus", "Russian", {10, 0})),
      Eng(choiceOn<QRadioButton>(Rus->parentWidget(), "Eng", "English", {132, 0})),
      Deckt(choiceOn<QCheckBox>(this, "Deckt", "DeskTop", {32, 478})),
      Qlanch(choiceOn<QCheckBox>(this, "Qlanch", "Quick lanch", {194, 478})),
      Start(choiceOn<QCheckBox>(this, "Start", "Start menu", {354, 478})),
      Image2(namedChild<TMegaImage>(this, "Image2")), Image3(namedChild<TMegaImage>(this, "Image3")) {
    setObjectName(QStringLiteral("TWelcome"));
    setWindowTitle(QStringLiteral("Welcome to Kavrel"));
    setFixedSize(ClientSize);
    setModal(true);
    setColors(*this, palette::text, palette::frame);

    Image1->setGeometry(QRect(QPoint(0, 0), ClientSize));
    Image1->lower();
    Image1->installEventFilter(this);
    Image2->move(404, 502);
    Image3->move(4, 504);
    Special->setChecked(true);
    Eng->setChecked(true);
    for (QCheckBox* box : {Deckt, Qlanch, Start})
        box->setChecked(true);
    Deckt->setToolTip(QStringLiteral("A launcher on the desktop"));
    Qlanch->setToolTip(QStringLiteral("This desktop has no quick-launch bar: nothing is made for it"));
    Start->setToolTip(QStringLiteral("A launcher in the applications menu"));

    skin::prepareSkinControls(*this, skin::welcomeSkin());
    skin::loadSkinSet(*this, skin::welcomeSkin(), skin::skinRootOf(programFolder), skinErrors);
    // The keyboard goes down the window as a reader does: language, columns, then the launchers.
    QWidget* const order[] = {Rus, Eng, Classic, Special, Deckt, Qlanch, Start};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connect(Image2, &TMegaImage::clicked, this, &QDialog::accept);
    connect(Image3, &TMegaImage::clicked, this, &QDialog::reject);
    Eng->setFocus();
}

QWidget* TWelcome::strip(QPoint place, QSize size) {
    auto* grey = new QWidget(this);
    grey->setGeometry(QRect(place, size));
    setColors(*grey, palette::text, kStripGrey);
    // The choice marks stand out of the grey: a dark well with the accent's dot.
    QPalette marks = grey->palette();
    marks.setColor(QPalette::Base, palette::frame);
    marks.setColor(QPalette::Text, palette::accent);
    grey->setPalette(marks);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPixelSize(12);
    grey->setFont(font);
    return grey;
}

WelcomeChoices TWelcome::choices() const {
    return {Rus->isChecked() ? 0 : 1,
            Special->isChecked() ? 0 : 1,
            {Deckt->isChecked(), Qlanch->isChecked(), Start->isChecked()}};
}

void TWelcome::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects
}

bool TWelcome::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        startSystemMove(*this);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kavrel::ui
