#include "accessibility.h"

#include "hscroll_bar.h"
#include "option_group.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char* kDecorative = "decorative";

// A scroll bar that sets a quantity: a slider whose value is the quantity in
// its unit (7.0 for 7.0 bar), with the shown text as its value text.
class QuantitySliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit QuantitySliderAccessible(HScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return bar()->valueText();
        return QAccessibleWidget::text(type);
    }

    [[nodiscard]] QVariant currentValue() const override { return bar()->quantity(); }
    void setCurrentValue(const QVariant& value) override { bar()->setQuantity(value.toDouble()); }
    [[nodiscard]] QVariant maximumValue() const override { return bar()->quantityOf(bar()->maximum()); }
    [[nodiscard]] QVariant minimumValue() const override { return bar()->quantityOf(bar()->minimum()); }
    [[nodiscard]] QVariant minimumStepSize() const override { return bar()->quantityStep(); }

private:
    [[nodiscard]] HScrollBar* bar() const { return static_cast<HScrollBar*>(widget()); }
};

// A container whose decorative children are left out of the accessible tree.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    [[nodiscard]] int childCount() const override { return static_cast<int>(children().size()); }

    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> list = children();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index)) : nullptr;
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    [[nodiscard]] QList<QWidget*> children() const
    {
        QList<QWidget*> list;
        for (QObject* object : widget()->children()) {
            auto* candidate = qobject_cast<QWidget*>(object);
            if (candidate && !candidate->isWindow() && !candidate->property(kDecorative).toBool())
                list.append(candidate);
        }
        return list;
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("HScrollBar"))
        return new QuantitySliderAccessible(static_cast<HScrollBar*>(object));
    if (className == QLatin1String("OptionGroup"))
        return new ContainerAccessible(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (className == QLatin1String("Form1"))
        return new ContainerAccessible(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void MarkDecorative(QWidget* widget)
{
    widget->setProperty(kDecorative, true);
}
