#include "jpeg_markers.h"
#include "skin_art.h"
#include "support/temp_dir.h"
#include "ui/controls/mega_image.h"
#include "ui/skin/jpeg_picture.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/skin/skin_loader.h"

#include <gtest/gtest.h>

#include <QLabel>

namespace kavrel::skin_art {
namespace {

struct RecordingReporter : ui::skin::SkinErrorReporter {
    void reportSkinError(const QString& message) override { messages << message; }
    QStringList messages;
};

TEST(SkinGenerator, WritesEveryPictureAsABaselineJpegThatLoads) {
    test::TempDir dir;
    writeSkin(dir / "Pictures");
    const auto pictures = skinPictures();
    for (const SkinPicture& picture : pictures) {
        SCOPED_TRACE(picture.path);
        const std::string bytes = test::readFile(dir / "Pictures" / picture.path);
        EXPECT_TRUE(test::isBaselineJpeg(bytes));
        EXPECT_EQ(ui::skin::loadJpegFile(dir / "Pictures" / picture.path).image.size(), picture.size);
    }
    // The hover picture must differ from the normal one, and a press from both.
    const QImage normal = drawSkinPicture({"Stop/Stop1.jpg", {25, 23}});
    const QImage over = drawSkinPicture({"Stop/Stop2.jpg", {25, 23}});
    const QImage pressed = drawSkinPicture({"Stop/Stop3.jpg", {25, 23}});
    EXPECT_NE(normal, over);
    EXPECT_NE(over, pressed);
    EXPECT_TRUE(drawSkinPicture({"Stop/Unknown.jpg", {25, 23}}).isNull());

    for (const ui::skin::SkinSet* set : ui::skin::allSkinSets()) {
        QWidget window;
        for (const ui::skin::SkinItem& item : set->items) {
            QWidget* control =
                item.isPicture() ? static_cast<QWidget*>(new QLabel(&window)) : new ui::TMegaImage(&window);
            control->setObjectName(QString::fromUtf8(item.control.data(), qsizetype(item.control.size())));
        }
        RecordingReporter reporter;
        EXPECT_TRUE(ui::skin::loadSkinSet(window, *set, dir / "Pictures", reporter)) << set->window;
        EXPECT_TRUE(reporter.messages.isEmpty());
    }
}

} // namespace
} // namespace kavrel::skin_art
