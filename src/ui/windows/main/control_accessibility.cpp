#include "ui/windows/main/control_accessibility.h"

#include "ui/controls/mega_image.h"
#include "ui/controls/picture_swaps.h"
#include "ui/controls/qel_scroller.h"
#include "ui/windows/main/analyser_frame.h"
#include "ui/windows/main/skin_piece.h"
#include "ui/windows/main/ticker_strip.h"

#include <QAccessibleWidget>
#include <QMetaObject>

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

class ImageButtonAccessible final : public QAccessibleWidget {
public:
    explicit ImageButtonAccessible(TMegaImage* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return nameOf(*widget(), {});
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const auto* button = static_cast<const TMegaImage*>(widget());
        // The on/off buttons rest on their second picture while on.
        if (button->objectName() == QLatin1String("ImgRepeat") ||
            button->objectName() == QLatin1String("ImgAn") ||
            button->objectName() == QLatin1String("ImgSleep")) {
            state.checkable = true;
            state.checked = isToggleOn(*button);
        }
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked");
    }
};

class PieceAccessible final : public QAccessibleWidget {
public:
    PieceAccessible(QWidget* piece, QAccessible::Role role, QString caption)
        : QAccessibleWidget(piece, role), caption_(std::move(caption)) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return nameOf(*widget(), caption_);
        return QAccessibleWidget::text(kind);
    }

private:
    QString caption_;
};

class ScrollerAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ScrollerAccessible(TQelScroller* scroller) : QAccessibleWidget(scroller, QAccessible::Slider) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return nameOf(*widget(), {});
        if (kind == QAccessible::Value)
            return QString::number(scroller()->Position());
        return QAccessibleWidget::text(kind);
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
        return new PieceAccessible(piece, clickable ? QAccessible::Button : QAccessible::Graphic,
                                   piece->look() == SkinPiece::Look::Tabs ? QString() : piece->caption());
    }
    if (auto* ticker = qobject_cast<TickerStrip*>(object))
        return new PieceAccessible(ticker, QAccessible::StaticText, {}); // named by its text
    if (auto* frame = qobject_cast<AnalyserFrame*>(object))
        return new PieceAccessible(frame, QAccessible::Graphic, {});
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace kavrel::ui
