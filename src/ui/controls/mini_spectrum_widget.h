#pragma once
// The FMOD engine's mini spectrum on screen: the widget paints what TMiniSpectrum draws (in one block, so
// it never flickers), repaints when the control asks, and gives it its size. MiniSpectrumPanel places it
// on a panel (pnlSpectrum), filling it.
#include "engine/mini_spectrum.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

namespace kavrel::ui {

// Text in the widget's font, blended into the control's picture.
class QtSpectrumText final : public engine::SpectrumText {
public:
    explicit QtSpectrumText(QFont font) : font_(std::move(font)) {}
    void DrawCentred(engine::PixelBuffer& target, std::string_view text, engine::Colour colour) override;

private:
    QFont font_;
};

class MiniSpectrumWidget final : public QWidget {
public:
    // The widget takes the control's size; the control must outlive it.
    explicit MiniSpectrumWidget(engine::TMiniSpectrum& control, QWidget* parent = nullptr);
    ~MiniSpectrumWidget() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    engine::TMiniSpectrum& control_;
};

class MiniSpectrumPanel final : public engine::SpectrumPanel {
public:
    explicit MiniSpectrumPanel(QWidget& panel) : panel_(panel) {}
    // Makes one widget for the control, a child of the panel filling it; placing again keeps that one.
    void Place(engine::TMiniSpectrum& control) override;
    MiniSpectrumWidget* widget() const { return widget_; }

private:
    QWidget& panel_;
    QPointer<MiniSpectrumWidget> widget_;
};

} // namespace kavrel::ui
