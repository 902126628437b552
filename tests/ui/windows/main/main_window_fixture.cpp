#include "main_window_fixture.h"

#include "platform/fs/program_folder.h"
#include "ui/controls/mega_image.h"

namespace kavrel::test {

MainWindowFixture::MainWindowFixture()
    : window(std::make_unique<ui::TForm1>(fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors)) {}

ui::layout::Rect appliedRect(const QWidget& widget, const ui::layout::Rect& model) {
    if (qobject_cast<const ui::TMegaImage*>(&widget))
        return {widget.x(), widget.y(), model.width, model.height};
    return {widget.x(), widget.y(), widget.width(), widget.height()};
}

} // namespace kavrel::test
