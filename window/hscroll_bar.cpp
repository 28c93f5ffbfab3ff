#include "hscroll_bar.h"

#include <QWheelEvent>

#include <cstdlib>

HScrollBar::HScrollBar(std::int16_t minimum, std::int16_t maximum, int singleStep, int pageStep, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setSingleStep(singleStep);
    setPageStep(pageStep);
    // QScrollBar inverts its controls, right for a vertical bar over a page
    // of text; on this horizontal value bar it would make Right, Up, Page Up
    // and the wheel lower the value.
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);

    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (isSliderDown())
            emit Scroll();
        else
            emit Change();
    });
}

void HScrollBar::setQuantityScale(int zero, int stepsPerUnit)
{
    zero_ = zero;
    stepsPerUnit_ = stepsPerUnit;
}

double HScrollBar::quantityOf(int value) const
{
    return static_cast<double>(value - zero_) / stepsPerUnit_;
}

double HScrollBar::quantity() const
{
    return quantityOf(value());
}

void HScrollBar::setQuantity(double quantity)
{
    setValue(qRound(quantity * stepsPerUnit_) + zero_);
}

double HScrollBar::quantityStep() const
{
    return static_cast<double>(singleStep()) / stepsPerUnit_;
}

void HScrollBar::setValueText(const QString& text)
{
    valueText_ = text;
    setAccessibleDescription(text);
}

void HScrollBar::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    // Vertical wheel: away from the user raises. Horizontal wheel or swipe:
    // to the right raises (Qt reports that as a negative x).
    int raise = std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : -delta.x();
    if (event->inverted())
        raise = -raise;

    wheelRemainder_ += raise;
    const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0)
        setValue(value() + notches * singleStep());
    event->accept();
}
