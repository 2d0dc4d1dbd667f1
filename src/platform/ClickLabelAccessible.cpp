#include "platform/ClickLabelAccessible.h"

#include "platform/ClickLabel.h"

#include <QAccessibleWidget>
#include <mutex>

namespace lumo {

namespace {

constexpr int kSliderStep = 10; // the volume knob's step

class ClickLabelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label, roleOf(*label)) {}

    static QAccessible::Role roleOf(const ClickLabel& label) {
        switch (label.role()) {
        case ClickLabel::Role::Button:
            return QAccessible::Button;
        case ClickLabel::Role::Slider:
            return QAccessible::Slider;
        case ClickLabel::Role::Part:
            return QAccessible::NoRole;
        case ClickLabel::Role::Picture:
            break;
        }
        return label.text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
    }
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }

    QAccessible::Role role() const override { return roleOf(*label()); }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->role() == ClickLabel::Role::Part) {
            state.invisible = true; // its control speaks for it
        }
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            // Its own name, else what it shows, else what its tooltip says it does.
            for (const QString& name : {label()->accessibleName(), label()->text()}) {
                if (!name.isEmpty()) {
                    return name;
                }
            }
            return label()->toolTip();
        }
        if (kind == QAccessible::Description) {
            return label()->toolTip();
        }
        if (kind == QAccessible::Value && label()->role() == ClickLabel::Role::Slider) {
            return QString::number(label()->value());
        }
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && label()->role() == ClickLabel::Role::Slider) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->role() == ClickLabel::Role::Button) {
            names.prepend(pressAction());
        } else if (label()->role() == ClickLabel::Role::Slider) {
            names = QStringList{increaseAction(), decreaseAction()} + names;
        }
        return names;
    }
    void doAction(const QString& action) override {
        const ClickLabel::Role role = label()->role();
        if (action == pressAction() && role == ClickLabel::Role::Button) {
            label()->activate();
        } else if (action == increaseAction() && role == ClickLabel::Role::Slider) {
            label()->setValue(label()->value() + kSliderStep);
        } else if (action == decreaseAction() && role == ClickLabel::Role::Slider) {
            label()->setValue(label()->value() - kSliderStep);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    QVariant currentValue() const override { return label()->value(); }
    void setCurrentValue(const QVariant& value) override { label()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return label()->maximum(); }
    QVariant minimumValue() const override { return label()->minimum(); }
    QVariant minimumStepSize() const override { return kSliderStep; }
};

QAccessibleInterface* clickLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType()) {
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    }
    return nullptr;
}

} // namespace

void installClickLabelAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(clickLabelFactory); });
}

} // namespace lumo
