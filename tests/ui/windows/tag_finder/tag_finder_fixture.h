#pragma once
// The library build window over real builds of generated music folders, with its questions answered by
// the test.
#include "ui/windows/tag_finder/t_kavrel_tag_finder.h"

#include "core/design_defaults.h"
#include "library/library_files.h"
#include "platform/dispatch/qt/qt_dispatcher.h"
#include "support/temp_dir.h"
#include "ui/windows/tag_finder/tag_finder_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

namespace kavrel::ui::tag_finder::test {

struct Message {
    MessageIcon icon;
    QString caption, text;
    QString filesShown; // FilesCounter while the message was open
};

struct FakeDialogs final : TagFinderDialogs {
    QString chooseFolder(QWidget&) override {
        ++folderDialogs;
        return folder;
    }
    bool ask(QWidget&, MessageIcon icon, const QString& caption, const QString& text) override {
        messages.push_back({icon, caption, text, files()});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void tell(QWidget&, MessageIcon icon, const QString& caption, const QString& text) override {
        messages.push_back({icon, caption, text, files()});
    }
    QString files() const { return window ? window->FilesCounter->text() : QString(); }
    std::vector<QString> captions() const {
        std::vector<QString> result;
        for (const auto& message : messages)
            result.push_back(message.caption);
        return result;
    }

    QString folder;
    std::deque<bool> answers;
    int folderDialogs = 0;
    std::vector<Message> messages;
    const TKavrelTagFinder* window = nullptr;
};

inline const QString kFinished = QStringLiteral("Addition of files in library is finished successfully");

class TagFinderTest : public ::testing::Test {
protected:
    TagFinderTest() {
        copyFixture("library/tree/first", "music/a");
        copyFixture("library/tree/second", "music/b");
        std::filesystem::create_directories(dir / "program");
        settings.ActiveLibrary.text = "LB1";
    }

    void open(std::string cdSource = {}) {
        window.reset();
        builds = std::make_unique<core::LibraryBuilds>(
            dispatcher, fs::ProgramFolder(dir / "program"), std::move(cdSource),
            [this](const std::string& library) { saved.push_back(library); },
            [this](const std::string& source) {
                return cdLookup ? cdLookup(source) : fs::findCdFiles(source);
            });
        window = std::make_unique<TKavrelTagFinder>(*builds, settings, dialogs, [this] { ++reloads; });
        dialogs.window = window.get();
        window->openIn(OpenMode::Rebuild);
    }

    void copyFixture(const char* fixture, const char* to) const {
        std::filesystem::create_directories(dir / to);
        std::filesystem::copy(kavrel::test::fixture(fixture), dir / to,
                              std::filesystem::copy_options::recursive);
    }
    // Enough files that a build lasts while the test acts on it.
    std::string bigTree() const {
        for (int i = 0; i < 60; ++i)
            copyFixture("library/tree/second", ("music/big/" + std::to_string(i)).c_str());
        return path("music/big");
    }
    std::string path(const char* relative) const { return (dir / relative).string(); }
    std::filesystem::path library(const char* name) const { return dir / "program/Library" / name; }
    std::vector<std::string> paths(const char* libraryName) const {
        return library::readTextLines(library(libraryName) / "path.pan");
    }

    // Every file of a library folder with its bytes.
    std::vector<std::pair<std::string, std::string>> libraryBytes(const char* name) const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : kavrel::test::entryNames(library(name)))
            files.emplace_back(entry, kavrel::test::readFile(library(name) / entry));
        return files;
    }
    void start(const std::string& field) {
        window->Edit1->setText(QString::fromStdString(field));
        window->Button1->click();
    }
    // Waits until `count` messages were shown (the builds report through the event loop).
    bool waitForMessages(std::size_t count) {
        return QTest::qWaitFor([&] { return dialogs.messages.size() >= count; }, 30000);
    }
    // The one build ended with its library saved, holding `files` files.
    void expectSaved(std::size_t files) {
        ASSERT_TRUE(waitForMessages(1));
        EXPECT_EQ(dialogs.messages[0].caption, kFinished);
        EXPECT_EQ(paths("LB1").size(), files);
    }
    void expectIdle() const {
        EXPECT_FALSE(window->building());
        EXPECT_EQ(window->Button1->text(), "Start");
        EXPECT_EQ(window->FilesCounter->text(), "0");
        EXPECT_EQ(window->ProgressBar1->value(), 0);
        EXPECT_TRUE(window->mp3->isEnabled());
        EXPECT_TRUE(window->RadioButton1->isEnabled());
        for (const auto* box : window->stageBoxes)
            EXPECT_FALSE(box->isChecked() || box->isEnabled()) << box->objectName().toStdString();
    }

    kavrel::test::TempDir dir;
    QObject context;
    dispatch::QtDispatcher dispatcher{context};
    core::TConfRecord settings = core::designDefaults();
    std::vector<std::string> saved;
    std::function<fs::CdFiles(const std::string&)> cdLookup;
    FakeDialogs dialogs;
    int reloads = 0;
    std::unique_ptr<core::LibraryBuilds> builds;
    std::unique_ptr<TKavrelTagFinder> window;
};

} // namespace kavrel::ui::tag_finder::test
