#include "ui/controls/mini_spectrum_widget.h"

#include <QGridLayout>
#include <QImage>
#include <QPainter>
#include <QString>

namespace kavrel::ui {

namespace {

QRgb toQt(engine::Colour colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

engine::Colour fromQt(int red, int green, int blue) {
    return static_cast<engine::Colour>(red) | static_cast<engine::Colour>(green) << 8 |
           static_cast<engine::Colour>(blue) << 16;
}

QImage toImage(const engine::PixelBuffer& picture) {
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            image.setPixel(x, y, toQt(picture.pixel(x, y)));
    return image;
}

} // namespace

void QtSpectrumText::DrawCentred(engine::PixelBuffer& target, std::string_view text, engine::Colour colour) {
    QImage overlay(target.width(), target.height(), QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    {
        QPainter painter(&overlay);
        painter.setFont(font_);
        painter.setPen(QColor(toQt(colour)));
        // No mnemonic flag: an "&" is drawn as it stands.
        painter.drawText(overlay.rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const QRgb ink = overlay.pixel(x, y); // premultiplied
            const int alpha = qAlpha(ink);
            if (alpha == 0)
                continue;
            const QRgb under = toQt(target.pixel(x, y));
            const auto blend = [alpha](int over, int back) { return over + back * (255 - alpha) / 255; };
            target.setPixel(x, y,
                            fromQt(blend(qRed(ink), qRed(under)), blend(qGreen(ink), qGreen(under)),
                                   blend(qBlue(ink), qBlue(under))));
        }
}

MiniSpectrumWidget::MiniSpectrumWidget(engine::TMiniSpectrum& control, QWidget* parent)
    : QWidget(parent), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(control_.Width(), control_.Height());
    control_.SetInvalidateHandler([this] { update(); });
}

MiniSpectrumWidget::~MiniSpectrumWidget() {
    control_.SetInvalidateHandler(nullptr);
}

void MiniSpectrumWidget::paintEvent(QPaintEvent*) {
    engine::PixelBuffer frame(control_.Width(), control_.Height());
    QtSpectrumText text(font());
    control_.Paint(frame, text);
    QPainter(this).drawImage(0, 0, toImage(frame));
}

void MiniSpectrumWidget::resizeEvent(QResizeEvent*) {
    control_.Resize(width(), height());
}

void MiniSpectrumPanel::Place(engine::TMiniSpectrum& control) {
    if (widget_)
        return;
    widget_ = new MiniSpectrumWidget(control, &panel_);
    QLayout* layout = panel_.layout();
    if (layout == nullptr) {
        layout = new QGridLayout(&panel_);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(widget_);
    widget_->show();
}

} // namespace kavrel::ui
