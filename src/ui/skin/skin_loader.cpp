#include "ui/skin/skin_loader.h"

#include "platform/fs/program_folder.h"
#include "ui/controls/built_in_pictures.h"
#include "ui/controls/mega_image.h"
#include "ui/skin/jpeg_picture.h"
#include "ui/skin/skin_error_reporter.h"

#include <QLabel>
#include <QPixmap>
#include <stdexcept>
#include <string>

namespace kavrel::ui::skin {

namespace {

QWidget& controlOf(QWidget& window, std::string_view name) {
    const QString objectName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QWidget* control = window.findChild<QWidget*>(objectName);
    if (control == nullptr)
        throw std::logic_error("the window has no control named " + std::string(name));
    return *control;
}

TMegaImage& buttonOf(QWidget& window, std::string_view name) {
    auto* button = qobject_cast<TMegaImage*>(&controlOf(window, name));
    if (button == nullptr)
        throw std::logic_error("the control " + std::string(name) + " is not an image button");
    return *button;
}

void showPicture(QWidget& target, const QImage& image) {
    if (auto* button = qobject_cast<TMegaImage*>(&target))
        button->setPicture(image);
    else if (auto* label = qobject_cast<QLabel*>(&target))
        label->setPixmap(QPixmap::fromImage(image));
    else
        throw std::logic_error("the control " + target.objectName().toStdString() + " cannot show a picture");
}

// The decoded picture, or a null image after reporting why it could not be loaded.
QImage load(const std::filesystem::path& file, SkinErrorReporter& reporter) {
    DecodedPicture decoded = loadJpegFile(file);
    if (decoded.image.isNull())
        reporter.reportSkinError(
            QStringLiteral("Cannot load the skin picture\n%1\n%2")
                .arg(QString::fromStdString(file.string()), QString::fromStdString(decoded.error)));
    return decoded.image;
}

} // namespace

std::filesystem::path skinRootOf(const fs::ProgramFolder& programFolder) {
    return programFolder.resolve(SkinFolder);
}

void prepareSkinControls(QWidget& window, const SkinSet& set) {
    for (const SkinItem& item : set.items) {
        QWidget& control = controlOf(window, item.control);
        control.setToolTip(QString::fromUtf8(item.hint.data(), static_cast<qsizetype>(item.hint.size())));
        if (item.isPicture())
            continue;
        TMegaImage& button = buttonOf(window, item.control);
        button.setPicture(builtInButtonPicture(item.size));
        button.setChangePictures(item.changePictures);
    }
}

bool loadSkinSet(QWidget& window, const SkinSet& set, const std::filesystem::path& skinRoot,
                 SkinErrorReporter& reporter) {
    std::vector<TMegaImage*> shownAtEnd;
    for (const SkinItem& item : set.items) {
        if (item.isPicture()) {
            QWidget& target = controlOf(window, item.control);
            const QImage image = load(fs::resolveIgnoringCase(skinRoot, item.files.front().path), reporter);
            if (image.isNull())
                return false;
            showPicture(target, image);
            continue;
        }
        TMegaImage& button = buttonOf(window, item.control);
        for (const SkinFile& file : item.files) {
            const QImage image = load(fs::resolveIgnoringCase(skinRoot, file.path), reporter);
            if (image.isNull())
                return false;
            button.setSlot(file.slot, image);
        }
        if (item.showFirstSlotAtEnd)
            shownAtEnd.push_back(&button);
        else
            button.showSlot(1);
    }
    for (TMegaImage* button : shownAtEnd)
        button->showSlot(1);
    return true;
}

bool loadSkinPicture(QWidget& target, const fs::ProgramFolder& programFolder, std::string_view relativePath,
                     SkinErrorReporter& reporter) {
    const QImage image = load(programFolder.resolve(relativePath), reporter);
    if (image.isNull())
        return false;
    showPicture(target, image);
    return true;
}

} // namespace kavrel::ui::skin
