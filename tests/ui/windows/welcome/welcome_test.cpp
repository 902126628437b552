// The first-run window: its look and places, the keyboard's way out, and a finish carried out in order
// with the launchers written into a temporary home.
#include "support/temp_dir.h"
#include "ui/windows/main/main_window_fixture.h"
#include "ui/windows/welcome/welcome_binding.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace kavrel::ui {
namespace {

namespace stdfs = std::filesystem;

struct RecordingTrust final : tools::LauncherTrust {
    void trust(const std::string& launcherPath) override { trusted.push_back(launcherPath); }
    std::vector<std::string> trusted;
};

struct RecordingErrors final : core::ErrorReporter {
    void reportError(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool validates(const stdfs::path& launcher) {
    return std::system(("desktop-file-validate " + shellQuoted(launcher.string()) + " >&2").c_str()) == 0;
}

std::vector<std::string> linesOf(const stdfs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<stdfs::path> filesUnder(const stdfs::path& folder) {
    std::vector<stdfs::path> files;
    for (const auto& entry : stdfs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(stdfs::relative(entry.path(), folder));
    std::sort(files.begin(), files.end());
    return files;
}

class WelcomeTest : public testing::Test {
protected:
    WelcomeTest() {
        stdfs::create_directories(home / "Desktop");
        stdfs::create_directories(programFolder);
        test::writeFile(programFile, "#!/bin/sh\n");
        stdfs::permissions(programFile, stdfs::perms::owner_all);
    }

    WelcomeActions actions() {
        return {
            [this](int language) { steps.push_back("language " + std::to_string(language)); },
            [this](int layout) { steps.push_back("distribution " + std::to_string(layout)); },
            [this] { steps.push_back(std::string("help") + (window.isVisible() ? " over the window" : "")); },
            [this] { steps.push_back("build"); }};
    }

    test::TempDir dir;
    stdfs::path home = dir / "home";
    stdfs::path programFolder = dir / "Kavrel (mine)";
    stdfs::path programFile = programFolder / "kavrel";
    tools::XdgEnvironment environment{home.string(), (home / ".config").string(),
                                      (home / ".local/share").string(), ""};
    test::CollectingSkinErrors skinErrors;
    TWelcome window{fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors};
    RecordingTrust trust;
    RecordingErrors errors;
    std::vector<std::string> steps;
    WelcomeBinding binding{
        window, actions(), {{programFile.string(), programFolder.string()}, environment, trust}, errors};
};

TEST_F(WelcomeTest, ABorderlessWindowOfItsSizeWithItsControlsWhereTheyBelong) {
    EXPECT_TRUE(skinErrors.messages.isEmpty()) << skinErrors.messages.join('\n').toStdString();
    EXPECT_EQ(window.size(), QSize(451, 568));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window.Image1->pixmap().isNull());
    const std::pair<QWidget*, QPoint> places[] = {{window.Deckt, {32, 478}},
                                                  {window.Qlanch, {194, 478}},
                                                  {window.Start, {354, 478}},
                                                  {window.Image2, {404, 502}},
                                                  {window.Image3, {4, 504}},
                                                  {window.Classic, {2, 0}},
                                                  {window.Special, {110, 0}},
                                                  {window.Rus, {10, 0}},
                                                  {window.Eng, {132, 0}},
                                                  {window.Classic->parentWidget(), {134, 270}},
                                                  {window.Rus->parentWidget(), {108, 114}}};
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->pos(), place) << control->objectName().toStdString();
    EXPECT_EQ(window.Image2->size(), QSize(39, 15));
    EXPECT_EQ(window.Image3->size(), QSize(55, 15));

    const WelcomeChoices built = window.choices();
    EXPECT_EQ(built.language, 1);
    EXPECT_EQ(built.artistDistribution, 0);
    EXPECT_TRUE(built.shortcuts.desktop && built.shortcuts.quickLaunch && built.shortcuts.startMenu);
}

TEST_F(WelcomeTest, EnterFinishesAndEscapeSkipsWhereverTheFocusIs) {
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Return, QDialog::Accepted},
                                            {Qt::Key_Enter, QDialog::Accepted},
                                            {Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& [key, result] : keys) {
        window.show();
        window.Deckt->setFocus();
        QTest::keyClick(window.Deckt, key);
        EXPECT_FALSE(window.isVisible()) << key;
        EXPECT_EQ(window.result(), result) << key;
    }
}

TEST_F(WelcomeTest, TabGoesThroughTheChoicesInTheOrderTheyAreRead) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Rus->setFocus();
    QStringList visited{window.focusWidget()->objectName()};
    for (int press = 0; press < 4; ++press) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        visited << window.focusWidget()->objectName();
    }
    // One stop for each group of choices, as Qt gives the arrow keys the choices within it.
    EXPECT_EQ(visited.join(' ').toStdString(), "Rus Classic Deckt Qlanch Start");
}

TEST_F(WelcomeTest, FinishingSetsTheChoicesWritesTheLaunchersThenOpensHelpAndTheBuildWindow) {
    window.Rus->setChecked(true);
    window.Classic->setChecked(true);
    QTimer::singleShot(0, &window, [this] { QTest::keyClick(&window, Qt::Key_Return); });
    binding.run();
    EXPECT_EQ(steps, (std::vector<std::string>{"language 0", "distribution 1", "help", "build"}));
    EXPECT_TRUE(errors.messages.empty());

    const stdfs::path desktop = home / "Desktop/kavrel.desktop";
    const stdfs::path menu = home / ".local/share/applications/kavrel.desktop";
    EXPECT_EQ(filesUnder(home), (std::vector<stdfs::path>{".local/share/applications/kavrel.desktop",
                                                          "Desktop/kavrel.desktop"}))
        << "nothing for the quick-launch bar";
    for (const stdfs::path& launcher : {desktop, menu}) {
        SCOPED_TRACE(launcher.string());
        ASSERT_TRUE(stdfs::is_regular_file(launcher));
        EXPECT_TRUE(validates(launcher));
        const auto lines = linesOf(launcher);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Name=Kavrel"), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Path=" + programFolder.string()), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Exec=\"" + programFile.string() + "\""),
                  lines.end());
    }
    EXPECT_EQ(trust.trusted, std::vector<std::string>{desktop.string()})
        << "the desktop one is marked trusted";
}

TEST_F(WelcomeTest, WithEveryBoxClearedNothingIsWrittenButHelpAndTheBuildWindowStillOpen) {
    for (QCheckBox* box : {window.Deckt, window.Qlanch, window.Start})
        box->setChecked(false);
    binding.finish(window.choices());
    EXPECT_EQ(steps, (std::vector<std::string>{"language 1", "distribution 0", "help", "build"}));
    EXPECT_TRUE(filesUnder(home).empty());
}

TEST_F(WelcomeTest, ALauncherThatCannotBeWrittenIsReportedAndTheRestGoesOn) {
    stdfs::remove(home / "Desktop");
    binding.finish(window.choices());
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("desktop folder"), std::string::npos) << errors.messages[0];
    EXPECT_TRUE(stdfs::exists(home / ".local/share/applications/kavrel.desktop"));
    EXPECT_EQ(steps.back(), "build");
}

TEST_F(WelcomeTest, SkippingChangesAndMakesNothing) {
    QTimer::singleShot(0, &window, [this] { QTest::keyClick(&window, Qt::Key_Escape); });
    binding.run();
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(filesUnder(home).empty());
}

} // namespace
} // namespace kavrel::ui
