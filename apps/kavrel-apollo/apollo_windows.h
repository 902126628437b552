#pragma once
// The stand-in player's two windows: the main window (what plays, and the letter e opens the equalizer)
// and the "Graphic Equalizer" with one slider per band (Escape hides it).
#include "apollo_player.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace kavrel::apollo {

class EqualizerWindow final : public QWidget {
public:
    explicit EqualizerWindow(ApolloPlayer& player);
    void keyDown(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class MainWindow final : public QWidget {
public:
    MainWindow(ApolloPlayer& player, EqualizerWindow& equalizer, QString pluginStatus);
    void keyDown(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();

    ApolloPlayer& player_;
    EqualizerWindow& equalizer_;
    QLabel* playing_;
    QTimer timer_;
};

} // namespace kavrel::apollo
