#pragma once
// Small builders the demo pages share: image buttons and pictures placed by name, scrollers and lists in
// the program's look, and painted stand-ins for the windows' built-in frame pictures.
#include "ui/controls/c_list_box.h"
#include "ui/controls/mega_image.h"
#include "ui/controls/qel_scroller_h.h"
#include "ui/controls/qel_scroller_vr.h"
#include "ui/skin/skin_error_reporter.h"

#include <QLabel>
#include <QRect>
#include <QWidget>
#include <filesystem>
#include <vector>

namespace kavrel::demo {

struct Placed {
    const char* name;
    int x, y;
};

// A window stand-in: black, with frame pieces in the skin's frame colour that cover the lists' ends, as
// the windows' frame pictures do.
class MockWindow : public QWidget {
public:
    MockWindow(QSize size, const std::vector<QRect>& framePieces, QWidget* parent);
    // Puts the frame over the lists and the controls over the frame; called once all are placed.
    void stackFrame();

private:
    std::vector<QWidget*> framePieces_;
};

// Image buttons (or pictures) named and placed on a window.
void placeButtons(QWidget& window, const std::vector<Placed>& buttons);
QLabel* placeText(QWidget& window, const QRect& at, const QString& text, const QColor& ink,
                  const QColor& ground);
ui::TQelScrollerVr* placeListScroller(QWidget& window, const QRect& at, int max, int position);
ui::TCListBox* placeList(QWidget& window, const QRect& at, const QStringList& rows);
// The demo reports skin files it cannot load on the terminal, so that a screenshot run never waits on a
// message box.
class PrintingSkinErrorReporter final : public ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString& message) override;
};

// The skin root: the folder given on the command line, else "Pictures" under the current folder.
std::filesystem::path skinRootFromArguments(const QStringList& arguments);

// Saves what `window` shows now as `name` in `folder`, making the folder first; false (said on the
// terminal) when it cannot be written, so that a screenshot run never ends quietly without its pictures.
bool saveScreenshot(QWidget& window, const QString& folder, const QString& name);

} // namespace kavrel::demo
