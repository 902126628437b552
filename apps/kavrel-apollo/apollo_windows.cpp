#include "apollo_windows.h"

#include "platform/winmsg/messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSlider>
#include <QVBoxLayout>

namespace kavrel::apollo {

namespace {

constexpr int kMaxGainDb = 15;
// Posted key-downs carry the letter as typed (101) or as its key (69).
constexpr int kLetterE = 'e';
constexpr int kKeyE = 'E';

QString stateText(PlayerState state) {
    switch (state) {
    case kPlaying:
        return "Playing";
    case kPaused:
        return "Paused";
    case kStopped:
        break;
    }
    return "Stopped";
}

QString timeText(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

} // namespace

EqualizerWindow::EqualizerWindow(ApolloPlayer& player) {
    auto* bands = new QHBoxLayout(this);
    for (int band = 0; band < kBands; ++band) {
        auto* column = new QVBoxLayout;
        auto* slider = new QSlider(Qt::Vertical);
        slider->setRange(-kMaxGainDb, kMaxGainDb);
        slider->setValue(0);
        const float centre = ApolloPlayer::bandCentreHz(band);
        slider->setToolTip(QString("%1 Hz").arg(static_cast<double>(centre)));
        connect(slider, &QSlider::valueChanged, this,
                [&player, band](int gain) { player.setBandGain(band, static_cast<float>(gain)); });
        column->addWidget(slider, 1, Qt::AlignHCenter);
        auto* label = new QLabel(centre >= 1000 ? QString("%1k").arg(static_cast<double>(centre) / 1000)
                                                : QString::number(static_cast<double>(centre)));
        column->addWidget(label, 0, Qt::AlignHCenter);
        bands->addLayout(column);
    }
    resize(480, 200);
}

void EqualizerWindow::keyDown(int key) {
    if (key == static_cast<int>(winmsg::VK_ESCAPE))
        hide();
}

void EqualizerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        keyDown(static_cast<int>(winmsg::VK_ESCAPE));
    else
        QWidget::keyPressEvent(event);
}

MainWindow::MainWindow(ApolloPlayer& player, EqualizerWindow& equalizer, QString pluginStatus)
    : player_(player), equalizer_(equalizer), playing_(new QLabel) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(playing_);
    layout->addWidget(new QLabel(pluginStatus));
    layout->addWidget(new QLabel("Press E for the equalizer."));
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
    timer_.start(250);
    refresh();
    resize(420, 120);
}

void MainWindow::refresh() {
    const QString file = QString::fromStdString(player_.fileName());
    playing_->setText(file.isEmpty() ? QString("Nothing loaded")
                                     : QString("%1  %2 / %3  %4")
                                           .arg(stateText(player_.state()), timeText(player_.positionMs()),
                                                timeText(player_.lengthMs()), file));
}

void MainWindow::keyDown(int key) {
    if (key == kLetterE || key == kKeyE) {
        equalizer_.show();
        equalizer_.raise();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_E)
        keyDown(kKeyE);
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

} // namespace kavrel::apollo
