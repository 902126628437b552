// TForm1's input routing: moving the window by its frame, the resize pieces through the layout model,
// and clicks on the built-in pictures and texts.
#include "ui/windows/main/t_form1.h"

#include <QMouseEvent>
#include <QWindow>

namespace kavrel::ui {

bool TForm1::resizeStep(layout::ResizePiece piece, QPoint globalPosition) {
    if (!layout_.dragTo(piece, {globalPosition.x(), globalPosition.y()}))
        return false;
    applyLayout();
    emit layoutChanged();
    return true;
}

void TForm1::resizeFinished(layout::ResizePiece piece) {
    layout_.forgetPointer(piece);
    if (piece != layout::ResizePiece::BottomCentre && analyserOn())
        CmdSearch->hide();
    restartAnalyser();
}

void TForm1::startSystemMove() {
    emit systemMoveRequested();
    if (QWindow* window = windowHandle())
        window->startSystemMove();
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        startSystemMove();
}

void TForm1::moveEvent(QMoveEvent* event) {
    layout_.setWindowPosition({pos().x(), pos().y()});
    QWidget::moveEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgRigthLine)
        return routeResizePiece(layout::ResizePiece::RightEdge, event);
    if (watched == ImgNizCenter)
        return routeResizePiece(layout::ResizePiece::BottomCentre, event);
    if (watched == ImgNizPravo)
        return routeResizePiece(layout::ResizePiece::Corner, event);
    if (watched == imgLeftLine || watched == ImgVerhLEvo || watched == Label3) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            startSystemMove();
            return true;
        }
        return false;
    }
    return routeClickablePart(watched, event);
}

bool TForm1::routeResizePiece(layout::ResizePiece piece, QEvent* event) {
    const bool commandLineFollows = piece != layout::ResizePiece::BottomCentre;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        resizing_ = piece;
        resizedSincePress_ = false;
        if (commandLineFollows) {
            CmdSearch->show();
            CmdSearch->raise();
        }
        return true;
    case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        if (resizing_ == piece && (move->buttons() & Qt::LeftButton))
            resizedSincePress_ |= resizeStep(piece, move->globalPosition().toPoint());
        else
            layout_.forgetPointer(piece);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (resizing_ != piece)
            return false;
        resizing_.reset();
        resizeFinished(piece);
        // A click on the corner that resized nothing moves the window instead.
        const auto* release = static_cast<QMouseEvent*>(event);
        if (piece == layout::ResizePiece::Corner && !resizedSincePress_ &&
            ImgNizPravo->rect().contains(release->position().toPoint()))
            startSystemMove();
        return true;
    }
    default:
        return false;
    }
}

// Clicks on the built-in pictures and texts: a press is taken so that it does not move the window, and
// a release over the part is the click.
bool TForm1::routeClickablePart(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        pressedPart_ = watched;
        return true;
    }
    auto* widget = static_cast<QWidget*>(watched);
    const bool over = widget->rect().contains(mouse->position().toPoint());
    const bool wasPressed = pressedPart_ == watched;
    pressedPart_ = nullptr;
    if (over && wasPressed)
        if (const auto control = layout::controlNamed(widget->objectName().toStdString()))
            partClicked(*control, mouse->globalPosition().toPoint());
    return true;
}

} // namespace kavrel::ui
