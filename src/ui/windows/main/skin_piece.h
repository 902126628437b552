#pragma once
// The main window's built-in pictures: frame pieces, column headers and strips, the playlist tab frame
// and the tab pictures. They are painted at whatever size the layout gives them, so they stretch with
// the window the way the frame pictures do, and the window routes presses on them.
#include <QString>
#include <QWidget>

namespace kavrel::ui {

class SkinPiece : public QWidget {
    Q_OBJECT
public:
    enum class Look {
        Frame,    // a piece of the window frame
        Header,   // a column header with its caption
        Strip,    // the rose strip beside a header, standing for the column's width
        SortBy,   // the sort chooser at a header's end
        TabFrame, // the frame around the playlist tabs
        Tabs,     // the three tab captions, one of them lit
    };

    SkinPiece(Look look, const QString& caption, QWidget* parent);

    Look look() const { return look_; }
    const QString& caption() const { return caption_; }
    // Tabs: which of the three captions is lit (0..2).
    void setLitTab(int tab);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look look_;
    QString caption_;
    int litTab_ = 0;
};

} // namespace kavrel::ui
