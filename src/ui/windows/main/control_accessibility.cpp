#include "ui/windows/main/control_accessibility.h"

#include "ui/controls/mega_image.h"
#include "ui/controls/picture_swaps.h"
#include "ui/controls/qel_scroller.h"
#include "ui/windows/main/analyser_frame.h"
#include "ui/windows/main/skin_piece.h"
#include "ui/windows/main/ticker_strip.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaObject>
#include <optional>

namespace kavrel::ui {

namespace {

// Caption, else hint, else the control's name.
QString nameOf(const QWidget& widget, const QString& caption) {
    if (!widget.accessibleName().isEmpty())
        return widget.accessibleName();
    if (!caption.isEmpty())
        return caption;
    if (!widget.toolTip().isEmpty())
        return widget.toolTip();
    return widget.objectName();
}

// Named for people by caption or hint; described by the control's own name, which tells apart controls
// that read the same (the five "SORT" choosers) and is what desktop test tools look for.
class NamedAccessible : public QAccessibleWidget {
public:
    NamedAccessible(QWidget* widget, QAccessible::Role role, QString caption = {})
        : QAccessibleWidget(widget, role), caption_(std::move(caption)) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return nameOf(*widget(), caption_);
        if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->objectName();
        return QAccessibleWidget::text(kind);
    }

private:
    QString caption_;
};

constexpr const char* OnOffProperty = "kavrelAccessibleOnOff";

// The on/off buttons: the main window's rest on their second picture while on; others say their state
// through setAccessibleOnOff. Other buttons have no such state.
std::optional<bool> onOffState(const TMegaImage& button) {
    const QString& name = button.objectName();
    if (name == QLatin1String("ImgRepeat") || name == QLatin1String("ImgAn") ||
        name == QLatin1String("ImgSleep"))
        return isToggleOn(button);
    if (const QVariant on = button.property(OnOffProperty); on.isValid())
        return on.toBool();
    return std::nullopt;
}

class ImageButtonAccessible final : public NamedAccessible {
public:
    explicit ImageButtonAccessible(TMegaImage* button) : NamedAccessible(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (const std::optional<bool> on = onOffState(*static_cast<const TMegaImage*>(widget()))) {
            state.checkable = true;
            state.checked = *on;
        }
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked");
    }
};

class ScrollerAccessible final : public NamedAccessible, public QAccessibleValueInterface {
public:
    explicit ScrollerAccessible(TQelScroller* scroller) : NamedAccessible(scroller, QAccessible::Slider) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return QString::number(scroller()->Position());
        return NamedAccessible::text(kind);
    }
    QVariant currentValue() const override { return scroller()->Position(); }
    // Moving it from outside is a user's change, so the window hears of it as of a drag.
    void setCurrentValue(const QVariant& value) override {
        scroller()->scroller()->changeByUser(value.toLongLong());
    }
    QVariant maximumValue() const override { return scroller()->Max(); }
    QVariant minimumValue() const override { return scroller()->Min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TQelScroller* scroller() const { return static_cast<TQelScroller*>(widget()); }
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object) {
    if (auto* button = qobject_cast<TMegaImage*>(object))
        return new ImageButtonAccessible(button);
    if (auto* scroller = qobject_cast<TQelScroller*>(object))
        return new ScrollerAccessible(scroller);
    if (auto* piece = qobject_cast<SkinPiece*>(object)) {
        const bool clickable = piece->look() == SkinPiece::Look::Header ||
                               piece->look() == SkinPiece::Look::SortBy ||
                               piece->look() == SkinPiece::Look::Tabs;
        return new NamedAccessible(piece, clickable ? QAccessible::Button : QAccessible::Graphic,
                                   piece->look() == SkinPiece::Look::Tabs ? QString() : piece->caption());
    }
    if (auto* ticker = qobject_cast<TickerStrip*>(object))
        return new NamedAccessible(ticker, QAccessible::StaticText); // named by its text
    if (auto* frame = qobject_cast<AnalyserFrame*>(object))
        return new NamedAccessible(frame, QAccessible::Graphic);
    // The player's own windows are plain widgets, which Qt would expose as a mere filler: a window (a
    // frame on AT-SPI) named by its title is what screen readers and window lists expect.
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget && widget->isWindow() && widget->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void nameNamelessControls(QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->accessibleName().isEmpty() || child->objectName().isEmpty())
            continue;
        auto* label = qobject_cast<QLabel*>(child);
        if ((label && label->text().isEmpty()) || qobject_cast<QAbstractItemView*>(child))
            child->setAccessibleName(child->objectName());
    }
}

void setAccessibleOnOff(QWidget& button, bool on) {
    button.setProperty(OnOffProperty, on);
}

void installControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace kavrel::ui
