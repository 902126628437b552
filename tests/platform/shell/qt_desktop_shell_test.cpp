// The desktop shell against a private session bus with a stand-in file manager, and Qt's desktop services
// pointed at a recorder, so no browser or file manager ever opens.
#include "platform/shell/qt/qt_desktop_shell.h"
#include "private_bus.h"
#include "support/temp_dir.h"

#include <QDBusContext>
#include <QDBusError>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace kavrel::shell {
namespace {

// Stands in for the desktop's default applications: records every address it is asked to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class FakeFileManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    bool fails = false;
    QList<QStringList> shown;
public slots:
    void ShowItems(const QStringList& uris, const QString& /*startupId*/) {
        shown << uris;
        if (fails)
            sendErrorReply(QDBusError::Failed, QStringLiteral("cannot show"));
    }
};

const QStringList kSchemes{QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")};

class QtDesktopShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.started()) << "dbus-daemon did not start";
        for (const QString& scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, &opened, "open");
    }
    void TearDown() override {
        for (const QString& scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void registerFileManager() {
        QDBusConnection service = bus.connect(QStringLiteral("file-manager"));
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    }

    std::filesystem::path song() {
        const std::filesystem::path file = folder / "My Music" / "Café №1.mp3";
        test::writeFile(file, "ID3");
        return file;
    }

    static QUrl localUrl(const std::filesystem::path& path) {
        return QUrl::fromLocalFile(QString::fromStdString(path.string()));
    }

    test::TempDir folder;
    test::PrivateBus bus;
    OpenedUrls opened;
    FakeFileManager fileManager;
};

TEST_F(QtDesktopShellTest, ShowFileLocationAsksTheFileManagerForTheFile) {
    registerFileManager();
    QtDesktopShell shell(bus.connect(QStringLiteral("player")));
    const std::filesystem::path file = song();

    ASSERT_TRUE(shell.showFileLocation(file.string()));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !fileManager.shown.isEmpty(); }, 5000));
    ASSERT_EQ(fileManager.shown.size(), 1);
    ASSERT_EQ(fileManager.shown[0].size(), 1);
    EXPECT_EQ(QUrl(fileManager.shown[0][0]), localUrl(file));
    EXPECT_TRUE(fileManager.shown[0][0].startsWith(QStringLiteral("file:///")))
        << fileManager.shown[0][0].toStdString();
    QTest::qWait(100);
    EXPECT_TRUE(opened.urls.isEmpty()) << "the folder opened although the file manager answered";
}

TEST_F(QtDesktopShellTest, ShowFileLocationOpensTheFolderWhenNoFileManagerShowsIt) {
    for (const bool fileManagerPresent : {false, true}) {
        SCOPED_TRACE(fileManagerPresent ? "the file manager fails" : "no file manager");
        if (fileManagerPresent) {
            fileManager.fails = true;
            registerFileManager();
        }
        opened.urls.clear();
        QtDesktopShell shell(bus.connect(QStringLiteral("player-%1").arg(fileManagerPresent)));
        const std::filesystem::path file = song();

        ASSERT_TRUE(shell.showFileLocation(file.string()));

        ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.urls.isEmpty(); }, 5000));
        EXPECT_EQ(opened.urls, QList<QUrl>{localUrl(file.parent_path())});
    }
}

TEST_F(QtDesktopShellTest, ShowFileLocationWithoutABusOpensTheFolderAtOnce) {
    QtDesktopShell shell(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "no-bus"));
    const std::filesystem::path file = song();

    EXPECT_TRUE(shell.showFileLocation(file.string()));
    EXPECT_EQ(opened.urls, QList<QUrl>{localUrl(file.parent_path())});
    EXPECT_FALSE(shell.showFileLocation((folder / "gone" / "song.mp3").string()));
    QDBusConnection::disconnectFromBus(QStringLiteral("no-bus"));
}

TEST_F(QtDesktopShellTest, OpensAddressesAndExistingDocumentsThroughTheDesktop) {
    QtDesktopShell shell(bus.connect(QStringLiteral("player")));
    const std::filesystem::path file = song();

    EXPECT_TRUE(shell.openUrl("http://example.org/a b?q=1"));
    EXPECT_TRUE(shell.openDocument(file.string()));
    EXPECT_FALSE(shell.openUrl("example.org")) << "an address without a scheme names nothing to open it with";
    EXPECT_FALSE(shell.openUrl(""));
    EXPECT_FALSE(shell.openDocument((folder / "missing.txt").string()));

    EXPECT_EQ(opened.urls,
              (QList<QUrl>{QUrl(QStringLiteral("http://example.org/a%20b?q=1")), localUrl(file)}));
}

TEST_F(QtDesktopShellTest, StartsProgramsWithoutAShell) {
    QtDesktopShell shell(bus.connect(QStringLiteral("player")));
    const std::string at = folder.path().string() + "/";
    // Double quotes group words; nothing else in the text is interpreted.
    const std::string commandLine = "touch \"" + at + "one two\" " + at + "$(x) " + at + "a;b " + at + "c>d";

    ASSERT_TRUE(shell.startProgram(commandLine));

    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(folder / "c>d"); }, 5000));
    for (const char* name : {"one two", "$(x)", "a;b"})
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_FALSE(shell.startProgram((folder / "no-such-program").string()));
    EXPECT_FALSE(shell.startProgram("   "));
}

} // namespace
} // namespace kavrel::shell

#include "qt_desktop_shell_test.moc"
