#include "ui/skin/skin_loader.h"

#include "jpeg_markers.h"
#include "platform/fs/program_folder.h"
#include "support/temp_dir.h"
#include "ui/controls/mega_image.h"
#include "ui/skin/jpeg_picture.h"
#include "ui/skin/skin_error_reporter.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <memory>

namespace kavrel::ui::skin {
namespace {

namespace stdfs = std::filesystem;

const stdfs::path ShippedProgramFolder = KAVREL_DATA_DIR;

struct RecordingReporter : SkinErrorReporter {
    void reportSkinError(const QString& message) override { messages << message; }
    QStringList messages;
};

// A window with a control of every name of the set: an image button, or a label for a plain picture.
std::unique_ptr<QWidget> windowFor(const SkinSet& set) {
    auto window = std::make_unique<QWidget>();
    for (const SkinItem& item : set.items) {
        QWidget* control =
            item.isPicture() ? static_cast<QWidget*>(new QLabel(window.get())) : new TMegaImage(window.get());
        control->setObjectName(QString::fromUtf8(item.control.data(), qsizetype(item.control.size())));
    }
    prepareSkinControls(*window, set);
    return window;
}

TMegaImage& button(QWidget& window, const char* name) {
    return *window.findChild<TMegaImage*>(name);
}

bool showsSlot(const TMegaImage& b, int slot) {
    return b.hasSlot(slot) && b.picture() == b.slot(slot);
}

// A copy of the shipped skin to damage.
stdfs::path copyOfShippedSkin(const test::TempDir& dir) {
    stdfs::copy(ShippedProgramFolder / "Pictures", dir / "Pictures", stdfs::copy_options::recursive);
    return dir / "Pictures";
}

TEST(ShippedSkin, EveryNamedPictureIsABaselineJpegOfItsSize) {
    const fs::ProgramFolder folder(ShippedProgramFolder);
    const stdfs::path root = skinRootOf(folder);
    auto check = [&](const stdfs::path& file, QSize size) {
        SCOPED_TRACE(file.string());
        ASSERT_TRUE(stdfs::is_regular_file(file));
        EXPECT_TRUE(test::isBaselineJpeg(test::readFile(file)));
        const DecodedPicture decoded = loadJpegFile(file);
        EXPECT_EQ(decoded.error, "");
        EXPECT_EQ(decoded.image.size(), size);
    };
    for (const SkinSet* set : allSkinSets())
        for (const SkinItem& item : set->items)
            for (const SkinFile& file : item.files)
                check(fs::resolveIgnoringCase(root, file.path), item.size);
    for (std::string_view header : {ArtistHeaderIncorporated, ArtistHeaderRussian, ArtistHeaderEnglish})
        check(folder.resolve(header), ArtistHeaderSize);
}

TEST(ShippedSkin, EveryWindowLoadsItsSetAndShowsSlotOne) {
    const stdfs::path root = skinRootOf(fs::ProgramFolder(ShippedProgramFolder));
    for (const SkinSet* set : allSkinSets()) {
        SCOPED_TRACE(std::string(set->window));
        auto window = windowFor(*set);
        RecordingReporter reporter;
        EXPECT_TRUE(loadSkinSet(*window, *set, root, reporter));
        EXPECT_TRUE(reporter.messages.isEmpty()) << reporter.messages.join("; ").toStdString();
        for (const SkinItem& item : set->items) {
            const QString name = QString::fromUtf8(item.control.data(), qsizetype(item.control.size()));
            if (item.isPicture()) {
                EXPECT_EQ(window->findChild<QLabel*>(name)->pixmap().size(), item.size);
                continue;
            }
            const TMegaImage& b = button(*window, name.toUtf8().constData());
            EXPECT_EQ(b.size(), item.size) << name.toStdString();
            if (item.files.empty())
                continue;
            EXPECT_TRUE(showsSlot(b, 1)) << name.toStdString();
            for (const SkinFile& file : item.files)
                EXPECT_TRUE(b.hasSlot(file.slot)) << name.toStdString() << " slot " << file.slot;
        }
    }
}

TEST(SkinLoader, PreparesBuiltInPicturesHintsAndSwapping) {
    auto window = windowFor(mainWindowSkin());
    TMegaImage& play = button(*window, "ImgPlayPause");
    EXPECT_EQ(play.picture().size(), QSize(29, 29));
    EXPECT_EQ(play.toolTip(), "Play/Pause (Win + Space)");
    EXPECT_TRUE(play.ChangePictures());
    EXPECT_FALSE(button(*window, "ImgCDmp3Libr").ChangePictures());
    EXPECT_EQ(button(*window, "ImgVniz").toolTip(), "");
    EXPECT_FALSE(button(*windowFor(equalizerSkin()), "ImgEnabled").ChangePictures());
}

TEST(SkinLoader, EqualizerCloseTakesItsNormalPictureFromTheSecondFile) {
    test::TempDir dir;
    const stdfs::path root = copyOfShippedSkin(dir);
    auto window = windowFor(equalizerSkin());
    RecordingReporter reporter;
    ASSERT_TRUE(loadSkinSet(*window, equalizerSkin(), root, reporter));
    TMegaImage& close = button(*window, "ImgClose");
    EXPECT_EQ(close.slot(1), loadJpegFile(root / "Shuffle" / "close2.jpg").image);
    EXPECT_EQ(close.slot(2), loadJpegFile(root / "Shuffle" / "close.jpg").image);
}

TEST(SkinLoader, StopsAtTheFirstBadFileAndKeepsWhatLoaded) {
    struct Case {
        const char* damaged;
        std::string content; // empty: the file is removed
        const char* message;
    };
    for (const Case& c : {Case{"Undo/Undo2.jpg", "", "No such file or directory"},
                          Case{"Undo/Undo2.jpg", "not a picture at all", "Not a JPEG file"}}) {
        test::TempDir dir;
        const stdfs::path root = copyOfShippedSkin(dir);
        if (c.content.empty())
            stdfs::remove(root / c.damaged);
        else
            test::writeFile(root / c.damaged, c.content);
        auto window = windowFor(mainWindowSkin());
        const QImage builtIn = button(*window, "ImgUndo").picture();
        RecordingReporter reporter;

        EXPECT_FALSE(loadSkinSet(*window, mainWindowSkin(), root, reporter));

        ASSERT_EQ(reporter.messages.size(), 1);
        EXPECT_TRUE(reporter.messages[0].contains("Undo2.jpg")) << reporter.messages[0].toStdString();
        EXPECT_TRUE(reporter.messages[0].contains(c.message)) << reporter.messages[0].toStdString();
        EXPECT_TRUE(showsSlot(button(*window, "ImgRepeat"), 1));
        TMegaImage& undo = button(*window, "ImgUndo");
        EXPECT_TRUE(undo.hasSlot(1));
        EXPECT_FALSE(undo.hasSlot(2));
        EXPECT_EQ(undo.picture(), builtIn);
        EXPECT_FALSE(button(*window, "ImgShuffle").hasSlot(1));
    }
}

TEST(SkinLoader, LibrarySelectorShowsItsFirstPictureOnlyWhenTheWholeWindowLoaded) {
    test::TempDir dir;
    const stdfs::path root = copyOfShippedSkin(dir);
    stdfs::remove(root / "FullScreen" / "F2.jpg");
    auto window = windowFor(mainWindowSkin());
    RecordingReporter reporter;
    EXPECT_FALSE(loadSkinSet(*window, mainWindowSkin(), root, reporter));
    TMegaImage& selector = button(*window, "ImgCDmp3Libr");
    EXPECT_TRUE(selector.hasSlot(3));
    EXPECT_FALSE(showsSlot(selector, 1));
    EXPECT_TRUE(showsSlot(button(*window, "ImgSleep"), 1));
}

TEST(SkinLoader, FindsFilesWhateverTheirLetterCaseOnDisk) {
    test::TempDir dir;
    const stdfs::path root = copyOfShippedSkin(dir);
    stdfs::rename(root / "MiniPlayList", root / "miniplaylist");
    stdfs::rename(root / "miniplaylist" / "pls_small.jpg", root / "miniplaylist" / "PLS_SMALL.JPG");
    auto window = windowFor(miniPlaylistSkin());
    RecordingReporter reporter;
    EXPECT_TRUE(loadSkinSet(*window, miniPlaylistSkin(), root, reporter));
    EXPECT_TRUE(reporter.messages.isEmpty());
}

TEST(SkinLoader, LoadsAnArtistHeaderRelativeToTheProgramFolder) {
    test::TempDir dir;
    copyOfShippedSkin(dir);
    const fs::ProgramFolder folder(dir.path());
    QLabel header;
    RecordingReporter reporter;
    EXPECT_TRUE(loadSkinPicture(header, folder, ArtistHeaderEnglish, reporter));
    EXPECT_EQ(header.pixmap().size(), ArtistHeaderSize);
    stdfs::remove(dir / "Pictures" / "art_alb_song_pls" / "art.jpg");
    EXPECT_FALSE(loadSkinPicture(header, folder, ArtistHeaderIncorporated, reporter));
    ASSERT_EQ(reporter.messages.size(), 1);
    EXPECT_TRUE(reporter.messages[0].contains("art.jpg"));
}

} // namespace
} // namespace kavrel::ui::skin
