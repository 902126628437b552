#pragma once
// An image button that holds up to six pictures and swaps them by itself as the pointer enters, leaves,
// presses and releases. Slot convention of every skin set: 1 normal, 2 pointer over, 3 pressed; 4..6 the
// same states of a second look. A slot that holds no picture is never shown: the current picture stays.
#include <QImage>
#include <QWidget>
#include <array>

namespace kavrel::ui {

class TMegaImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int SlotCount = 6;

    explicit TMegaImage(QWidget* parent = nullptr);

    // Slots are numbered from 1; numbers outside 1..6 name an empty slot.
    void setSlot(int slot, const QImage& picture);
    QImage slot(int slot) const;
    bool hasSlot(int slot) const;
    // Copies slot n into the displayed picture; false (and nothing changes) when the slot is empty.
    bool showSlot(int slot);

    // The displayed picture: a button's built-in picture until a slot is shown.
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    bool ChangePictures() const { return changePictures_; }
    void setChangePictures(bool on) { changePictures_ = on; }
    // Offset added to every slot number the control chooses: 0 selects slots 1..3, 3 selects 4..6.
    int AddToNom() const { return addToNom_; }
    void setAddToNom(int offset) { addToNom_ = offset; }
    // Slot (before the offset) shown at rest, when the pointer leaves.
    int NomPicRealVid() const { return nomPicRealVid_; }
    void setNomPicRealVid(int slot) { nomPicRealVid_ = slot; }

    // On (the default) the control takes the size of every picture it shows.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    QSize sizeHint() const override;

signals:
    void OnMouseEnter(QObject* sender);
    void OnMouseExit(QObject* sender);
    void mousePressed(Qt::MouseButton button, QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);
    // A left-button release inside the control after a press on it.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void swapTo(int slot);
    bool containsInclusive(QPoint position) const;

    std::array<QImage, SlotCount> slots_;
    QImage picture_;
    bool changePictures_ = false;
    int addToNom_ = 0;
    int nomPicRealVid_ = 1;
    bool autoSize_ = true;
    // Qt reports a leave right after a release outside the control; that pointer already left while the
    // button was held, so the picture chosen by the release stays until the pointer next enters.
    bool releasedOutside_ = false;
};

} // namespace kavrel::ui
