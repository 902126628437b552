#pragma once
// The real main window on the shipped program folder, with skin errors collected instead of shown.
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/main/t_form1.h"

#include <QStringList>
#include <memory>

namespace kavrel::test {

class CollectingSkinErrors final : public ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString& message) override { messages << message; }
    QStringList messages;
};

struct MainWindowFixture {
    MainWindowFixture();
    CollectingSkinErrors skinErrors;
    std::unique_ptr<ui::TForm1> window;
};

// The widget's rectangle as the layout model names it: image buttons by their place only.
ui::layout::Rect appliedRect(const QWidget& widget, const ui::layout::Rect& model);

} // namespace kavrel::test
