// The developer's view of the program's own controls and the shipped skin: every image button in each
// of its pictures, the skin on stand-ins of the small windows, and the scrollers and lists in each state;
// with --main-window, the real main window with sample content instead.
//   kavrel-controls-demo [--skin SKIN_FOLDER] [--main-window] [--screenshot FOLDER]
// With --screenshot it saves each page (or the main window in several layouts) as a PNG in FOLDER and exits.
#include "controls_page.h"
#include "demo_parts.h"
#include "main_window_demo.h"
#include "skin_sheet.h"
#include "ui/skin/skin_tables.h"
#include "window_mocks.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const std::filesystem::path skinRoot = kavrel::demo::skinRootFromArguments(arguments);
    const int shotAt = arguments.indexOf("--screenshot");
    const bool screenshots = shotAt >= 0 && shotAt + 1 < arguments.size();
    if (arguments.contains("--main-window"))
        return kavrel::demo::runMainWindowDemo(skinRoot, screenshots ? std::optional(arguments[shotAt + 1])
                                                                     : std::nullopt);

    QTabWidget window;
    window.setWindowTitle("Kavrel controls");
    window.setStyleSheet("QTabWidget, QTabWidget > QWidget, QScrollArea { background: #101114; }");
    window.addTab(kavrel::demo::makeSmallWindowMocks(skinRoot, &window), "Mini windows, equalizer");
    window.addTab(kavrel::demo::makeSkinSheet(kavrel::ui::skin::mainWindowSkin(), skinRoot, &window),
                  "Main window buttons");
    window.addTab(kavrel::demo::makeSkinSheet(kavrel::ui::skin::miniPlayerSkin(), skinRoot, &window),
                  "Mini player buttons");
    window.addTab(kavrel::demo::makeSkinSheet(kavrel::ui::skin::equalizerSkin(), skinRoot, &window),
                  "Equalizer pictures");
    window.addTab(kavrel::demo::makeControlsPage(&window), "Scrollers and lists");
    window.resize(1180, 760);
    window.show();

    if (screenshots) {
        // The timer fires after this block has ended: the folder goes with the lambda by value.
        QTimer::singleShot(300, [&window, folder = arguments[shotAt + 1]] {
            bool saved = true;
            for (int page = 0; page < window.count(); ++page) {
                window.setCurrentIndex(page);
                saved = kavrel::demo::saveScreenshot(window, folder,
                                                     QStringLiteral("page%1.png").arg(page + 1)) &&
                        saved;
            }
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
