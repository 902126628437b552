#pragma once
// The owner-drawn list of the library panels: TCListBox's rows, look and scrolling, over rows its owner
// keeps. Setting the rows shares them instead of copying, and only the rows in view are ever turned into
// text on screen, so a panel of a hundred thousand rows fills and scrolls at once. There is no marked row.
#include <QListView>
#include <memory>
#include <string>
#include <vector>

namespace kavrel::ui {

class TCListView : public QListView {
    Q_OBJECT
public:
    using Rows = std::shared_ptr<const std::vector<std::string>>;

    explicit TCListView(QWidget* parent = nullptr);
    ~TCListView() override;

    // Replaces every row (UTF-8 texts); the selection goes and the first row comes to the top.
    void setRows(Rows rows);
    int count() const;
    QString rowText(int row) const;

    // 0-based; -1 for none.
    int currentRow() const;
    void setCurrentRow(int row);
    // The row at a point of the viewport; -1 below the last row.
    int rowAt(QPoint position) const;

    // The row shown at the top, as the scroller beside the list sees it.
    int topIndex() const;
    void setTopIndex(int row);

signals:
    // A left press on a row, after the row became the selected one.
    void rowPressed(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class RowsModel;
    RowsModel* rows_;
};

} // namespace kavrel::ui
