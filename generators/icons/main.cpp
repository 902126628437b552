// Draws the application icon into a hicolor icon theme tree at the usual sizes:
//   kavrel-icon-generator OUT_FOLDER NAME  writes OUT_FOLDER/hicolor/<n>x<n>/apps/NAME.png
// It uses the skin's colours, so the menu entry looks like the player it opens.
#include "ui/controls/application_icon.h"

#include <QDir>

#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_FOLDER ICON_NAME\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !kavrel::ui::drawApplicationIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
