#include "tools/desktop_entry.h"
#include "tools/icon_creater.h"

#include "support/temp_dir.h"

#include <chrono>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace kavrel::tools {
namespace {

using kavrel::test::entryNames;
using kavrel::test::readFile;
using kavrel::test::TempDir;
using kavrel::test::writeFile;
using testing::HasSubstr;

class RecordingTrust : public LauncherTrust {
public:
    void trust(const std::string& launcherPath) override { trusted.push_back(launcherPath); }
    std::vector<std::string> trusted;
};

std::string shellQuoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

bool validates(const std::string& launcher) {
    return std::system(("desktop-file-validate " + shellQuoted(launcher) + " >&2").c_str()) == 0;
}

bool executable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IXUSR);
}

class ShortcutTest : public testing::Test {
protected:
    ShortcutTest() {
        environment = {(temp / "home").string(), (temp / "config").string(), (temp / "data").string(), ""};
        std::filesystem::create_directories(temp / "home/Desktop");
    }

    ShortcutResult create(ShortcutPlace place, std::string folder = "") {
        return createShortcut({program.string(), place, std::move(folder), "Kavrel", {}, ""}, environment,
                              trust);
    }

    TempDir temp;
    // A program folder whose path needs quoting in a launcher. (No "%": GLib looks the program up before it
    // undoes the "%%" escape, so no GLib desktop starts a program from such a folder.)
    std::filesystem::path program = temp / "My $Music (\"best\")" / "kavrel";
    XdgEnvironment environment;
    RecordingTrust trust;
};

TEST_F(ShortcutTest, ADesktopLauncherIsValidExecutableTrustedAndStartsThePlayerInItsFolder) {
    writeFile(program, "#!/bin/sh\npwd > \"$HOME/ran\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const auto result = create(ShortcutPlace::Desktop);
    ASSERT_EQ(result.path, (temp / "home/Desktop/kavrel.desktop").string()) << result.error;
    EXPECT_TRUE(validates(result.path));
    EXPECT_TRUE(executable(result.path));
    EXPECT_EQ(trust.trusted, std::vector{result.path});
    EXPECT_THAT(readFile(result.path), HasSubstr("Icon=io.github.kavrel.Kavrel\n"));

    // gio starts it as a desktop would; a bus address that leads nowhere keeps it off any session.
    const std::string launch = "env -u DISPLAY -u WAYLAND_DISPLAY HOME=" + shellQuoted(temp / "home") +
                               " DBUS_SESSION_BUS_ADDRESS=unix:path=" + shellQuoted(temp / "no-bus") +
                               " gio launch " + shellQuoted(result.path);
    ASSERT_EQ(std::system(launch.c_str()), 0);
    for (int i = 0; i < 100 && readFile(temp / "home/ran").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readFile(temp / "home/ran"), program.parent_path().string() + "\n");
}

TEST_F(ShortcutTest, TheMenuLauncherGoesIntoTheApplicationsFolderMadeIfMissing) {
    const auto result = create(ShortcutPlace::StartMenu);
    ASSERT_EQ(result.path, (temp / "data/applications/kavrel.desktop").string()) << result.error;
    EXPECT_TRUE(validates(result.path));
    EXPECT_TRUE(trust.trusted.empty());
}

TEST_F(ShortcutTest, PlacesWithoutACounterpartWriteNothingAndSayNothing) {
    for (const auto place : {ShortcutPlace::QuickLaunch, ShortcutPlace::SendTo}) {
        const auto result = create(place);
        EXPECT_EQ(result.path, "");
        EXPECT_EQ(result.error, "");
    }
    EXPECT_EQ(entryNames(temp.path()), (std::vector<std::string>{"home"}));
    EXPECT_TRUE(entryNames(temp / "home/Desktop").empty());
}

TEST_F(ShortcutTest, AGivenFolderTakesTheLauncherDirectlyAndASubfolderIsMadeInsideAPlace) {
    EXPECT_EQ(create(ShortcutPlace::GivenFolder, (temp / "links").string()).path,
              (temp / "links/kavrel.desktop").string());
    EXPECT_EQ(create(ShortcutPlace::StartMenu, "Kavrel").path,
              (temp / "data/applications/Kavrel/kavrel.desktop").string());
}

TEST_F(ShortcutTest, AMissingDesktopFolderIsReportedAndNothingIsWritten) {
    std::filesystem::remove(temp / "home/Desktop");
    const auto result = create(ShortcutPlace::Desktop);
    EXPECT_EQ(result.path, "");
    EXPECT_THAT(result.error, HasSubstr((temp / "home/Desktop").string()));
    EXPECT_FALSE(std::filesystem::exists(temp / "home/Desktop"));
}

TEST_F(ShortcutTest, TheDesktopFolderComesFromUserDirsThenTheEnvironmentThenHome) {
    EXPECT_EQ(desktopFolder(environment), (temp / "home/Desktop").string());
    environment.desktopDir = (temp / "env-desk").string();
    EXPECT_EQ(desktopFolder(environment), (temp / "env-desk").string());
    writeFile(temp / "config/user-dirs.dirs",
              "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Рабочий стол\"\n");
    EXPECT_EQ(desktopFolder(environment), (temp / "home/Рабочий стол").string());
}

TEST(UserDirs, ReadsTheDesktopSettingAsTheShellWould) {
    struct Case {
        const char* text;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "/h/Desktop"},
        {"XDG_DESKTOP_DIR=\"/srv/desk\"\r\n", "/srv/desk"},
        {"XDG_DESKTOP_DIR=\"$HOME\"", "/h"},
        {"  XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"\"", "/h/My \"Desk\""},
        {"XDG_DESKTOP_DIR=\"relative/desk\"", std::nullopt},
        {"XDG_DESKTOP_DIR=\"$HOMEWORK/x\"", std::nullopt},
        {"XDG_DESKTOP_DIR=$HOME/unquoted", std::nullopt},
        {"#XDG_DESKTOP_DIR=\"/commented\"\nXDG_MUSIC_DIR=\"$HOME/Music\"", std::nullopt},
        {"XDG_DESKTOP_DIR=\"/first\"\nXDG_DESKTOP_DIR=\"/second\"", "/second"},
        {"XDG_DESKTOP_DIR=\"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desktopDirFromUserDirs(c.text, "/h"), c.expected) << c.text;
}

TEST(DesktopEntry, ExecQuotesWhatTheFormatReserves) {
    EXPECT_EQ(execArgument("/opt/kavrel/kavrel"), "/opt/kavrel/kavrel");
    EXPECT_EQ(execArgument("/a b/k"), "\"/a b/k\"");
    EXPECT_EQ(execArgument("/a$b`c\"d\\e"), "\"/a\\$b\\`c\\\"d\\\\e\"");
    EXPECT_EQ(execArgument("100%"), "100%%");
    EXPECT_EQ(execArgument(""), "\"\"");
    const auto text = desktopEntryText({"Kav\nrel", "/a\\b/k", {"--x y"}, "/a\\b", ""});
    EXPECT_THAT(text, HasSubstr("Name=Kav\\nrel\n"));
    EXPECT_THAT(text, HasSubstr("Exec=\"/a\\\\\\\\b/k\" \"--x y\"\n"));
    EXPECT_THAT(text, HasSubstr("Path=/a\\\\b\n"));
}

} // namespace
} // namespace kavrel::tools
