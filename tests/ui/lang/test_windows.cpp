#include "test_windows.h"

#include "ui/lang/language_tables.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kavrel::ui::lang::test {

namespace {

template <typename T> T* addNamed(QObject* parent, const char* name, const QString& text = {}) {
    T* object = new T(text, qobject_cast<QWidget*>(parent));
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

void addRadioGroup(QWidget* window, const char* name, int choices) {
    auto* group = addNamed<QGroupBox>(window, name, QStringLiteral("group"));
    auto* layout = new QVBoxLayout(group);
    for (int k = 1; k <= choices; ++k)
        layout->addWidget(new QRadioButton(QStringLiteral("choice %1").arg(k), group));
}

} // namespace

void ensureApplication() {
    static int argc = 1;
    static char name[] = "kavrel_ui_lang_tests";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> application =
        QApplication::instance() ? nullptr : std::make_unique<QApplication>(argc, argv);
}

std::string numberedLines(const std::string& prefix, int count) {
    std::string bytes;
    for (int n = 1; n <= count; ++n)
        bytes += prefix + " " + std::to_string(n) + "\r\n";
    return bytes;
}

std::unique_ptr<QWidget> makeMainWindow() {
    auto window = std::make_unique<QWidget>();
    addNamed<QPushButton>(window.get(), "ImgTray")->setToolTip(QStringLiteral("Tray"));
    addNamed<QPushButton>(window.get(), "ImgClose")->setToolTip(QStringLiteral("Close"));
    auto* popup = new QMenu(window.get());
    popup->addAction(QStringLiteral("Year"))->setObjectName(QStringLiteral("mByyear"));
    popup->addMenu(addNamed<QMenu>(popup, "mAlbum", QStringLiteral("Album")));
    return window;
}

std::unique_ptr<QWidget> makeMiniWindow() {
    auto window = std::make_unique<QWidget>();
    addNamed<QPushButton>(window.get(), "ImgPlayPause")->setToolTip(QStringLiteral("Play/Pause"));
    return window;
}

std::unique_ptr<QWidget> makePreferencesWindow() {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("KavrelPreferences"));
    auto* pages = new QStackedWidget(window.get());
    for (const char* page : {"oGeneral", "TabSheet1"}) {
        auto* widget = new QWidget(pages);
        widget->setObjectName(QString::fromLatin1(page));
        pages->addWidget(widget);
    }
    addRadioGroup(window.get(), "O_Run_Size", 3);
    addNamed<QLabel>(window.get(), "Label15", QStringLiteral("Position (in %)"));
    auto* tree = new QTreeWidget(window.get());
    tree->setObjectName(QString::fromLatin1(kPageTreeName.data(), kPageTreeName.size()));
    for (int entry = 1; entry <= 7; ++entry)
        tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("page %1").arg(entry)}));
    return window;
}

std::unique_ptr<QWidget> makeCopierWindow() {
    auto window = std::make_unique<QWidget>();
    addNamed<QPushButton>(window.get(), "Button2", QStringLiteral("Start"));
    addNamed<QPushButton>(window.get(), "Button1", QStringLiteral("Suspend"));
    addRadioGroup(window.get(), "S_Copy_Artist", 2);
    return window;
}

std::unique_ptr<QWidget> makeLibraryBuildWindow() {
    auto window = std::make_unique<QWidget>();
    addNamed<QGroupBox>(window.get(), "GroupBox3", QStringLiteral("Options"));
    addNamed<QLabel>(window.get(), "FindingFiles", QStringLiteral("1) Finding Files"));
    return window;
}

} // namespace kavrel::ui::lang::test
