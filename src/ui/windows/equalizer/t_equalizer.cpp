#include "ui/windows/equalizer/t_equalizer.h"

#include "engine/bass_engine.h"
#include "ui/controls/picture_swaps.h"
#include "ui/skin/skin_loader.h"
#include "ui/skin/skin_tables.h"
#include "ui/windows/common/named_child.h"
#include "ui/windows/common/window_shape.h"
#include "ui/windows/main/control_accessibility.h"

#include <QMouseEvent>

namespace kavrel::ui {

namespace {

constexpr QSize ClientSize{367, 187};
constexpr QRect Background{8, 4, 351, 158};
constexpr int CornerEllipse = 5;
constexpr int SliderTop = 34;
constexpr QSize SliderSize{10, 108};
constexpr int FirstBandLeft = 60;
constexpr int BandSpacing = 18;
constexpr int DeadSliderLeft = 30;

TQelScrollerVr* slider(QWidget* parent, const QString& name, int left) {
    auto* bar = new TQelScrollerVr(parent);
    bar->setObjectName(name);
    bar->setGeometry(QRect(QPoint(left, SliderTop), SliderSize));
    bar->setMin(0);
    bar->setMax(TEqualizer::MaxPosition);
    bar->setPosition(TEqualizer::MaxPosition / 2);
    return bar;
}

} // namespace

TEqualizer::TEqualizer(const fs::ProgramFolder& programFolder, skin::SkinErrorReporter& skinErrors,
                       EqualizerPort& port, QWidget* parent)
    : QWidget(parent), port_(port), ImgFonEq(namedChild<QLabel>(this, "ImgFonEq")),
      QelScrollerVr17(slider(this, QStringLiteral("QelScrollerVr17"), DeadSliderLeft)),
      ImgPreset(namedChild<TMegaImage>(this, "ImgPreset")),
      ImgEnabled(namedChild<TMegaImage>(this, "ImgEnabled")),
      ImgClose(namedChild<TMegaImage>(this, "ImgClose")) {
    installControlAccessibility();
    makeTopMostTool(*this);
    setObjectName(QStringLiteral("TEqualizer"));
    // Named in window lists and for screen readers, though it has no title bar to show it.
    setWindowTitle(QStringLiteral("Equalizer"));
    setFixedSize(ClientSize);
    setColors(*this, Qt::white, Qt::black);

    ImgFonEq->setGeometry(Background);
    ImgFonEq->setScaledContents(true);
    ImgFonEq->lower(); // a picture, beneath every control
    ImgFonEq->installEventFilter(this);
    for (int n = 1; n <= BandCount; ++n) {
        TQelScrollerVr* bar =
            slider(this, QStringLiteral("QelScrollerVr%1").arg(n), FirstBandLeft + (n - 1) * BandSpacing);
        bands_[std::size_t(n) - 1] = bar;
        // Read out by its band, as the guide under it shows.
        bar->setAccessibleName(
            QStringLiteral("%1 Hz").arg(double(engine::TBass::kBandCentres[std::size_t(n) - 1])));
        connect(bar, &TQelScrollerVr::OnChange, this,
                [this, n](QObject*, int position) { port_.setBandGain(n, gainOf(position)); });
    }
    ImgEnabled->move(24, 12);
    ImgPreset->move(72, 12);
    ImgClose->move(340, 10);

    skin::prepareSkinControls(*this, skin::equalizerSkin());
    skin::loadSkinSet(*this, skin::equalizerSkin(), skin::skinRootOf(programFolder), skinErrors);
    showEnabled(port_.enabled());
    setMask(roundedRegion(Background, CornerEllipse));
    nameNamelessControls(*this);

    connect(ImgEnabled, &TMegaImage::clicked, this, &TEqualizer::enabledClicked);
    connect(ImgPreset, &TMegaImage::clicked, this, &TEqualizer::resetClicked);
    connect(ImgClose, &TMegaImage::clicked, this, &QWidget::hide);
}

void TEqualizer::applyStartup(std::span<const std::int32_t> gains, bool enabled) {
    for (int n = 1; n <= BandCount && std::size_t(n) <= gains.size(); ++n) {
        const std::int32_t gain = gains[std::size_t(n) - 1];
        band(n)->setPosition(positionOf(gain));
        port_.setBandGainAlways(n, gain);
    }
    port_.setEnabled(enabled);
    showEnabled(enabled);
}

void TEqualizer::enabledClicked() {
    const bool on = !port_.enabled();
    showEnabled(on);
    port_.setEnabled(on);
}

void TEqualizer::resetClicked() {
    // A slider already in the middle still sends its 0 dB, so the table and the engine agree afterwards.
    for (int n = 1; n <= BandCount; ++n) {
        band(n)->setPosition(MaxPosition / 2);
        port_.setBandGain(n, 0);
    }
}

void TEqualizer::showEnabled(bool on) {
    showEqualizerEnabled(*ImgEnabled, on);
    setAccessibleOnOff(*ImgEnabled, on);
}

bool TEqualizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ImgFonEq && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        startSystemMove(*this);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kavrel::ui
