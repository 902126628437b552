#pragma once
// The program's slider with arrow buttons at both ends (time and volume bars). Its track and thumb are
// coloured panels; the thumb can carry the position as a time, a scaled number or a rounded one.
#include "ui/controls/qel_scroller.h"

namespace kavrel::ui {

class PressRepeater;
class TButtonDown;
class TButtonUp;
class TScrollerPart;

class TQelScrollerH : public TQelScroller {
    Q_OBJECT
public:
    explicit TQelScrollerH(QWidget* parent = nullptr);

    void setKind(Qt::Orientation kind) override;

    bool ThumbShowText() const { return thumbShowText_; }
    void setThumbShowText(bool on);
    // Scale of the thumb text; 0 writes the position as a time in seconds.
    double Vkoef() const { return vkoef_; }
    void setVkoef(double scale);
    bool RoundThumb() const { return roundThumb_; }
    void setRoundThumb(bool on);

    QString thumbText() const;
    TButtonUp* buttonUp() const { return buttonUp_; }
    TButtonDown* buttonDown() const { return buttonDown_; }

signals:
    void OnClickBtnLT(QObject* sender);
    void OnClickBtnRD(QObject* sender);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool arrowKey(int key) override;
    void bandColorChanged() override;

private:
    void layoutParts();
    void refreshThumbText();
    void connectArrow(TScrollerPart* arrow, int direction);

    TButtonUp* buttonUp_;
    TButtonDown* buttonDown_;
    PressRepeater* arrowRepeater_;
    bool thumbShowText_ = false;
    double vkoef_ = 0;
    bool roundThumb_ = false;
};

} // namespace kavrel::ui
