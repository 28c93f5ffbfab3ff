#pragma once

#include <QScrollBar>

#include <cstdint>

// A horizontal scroll bar used as a value input. It reports two kinds of
// change: Scroll while the user drags the thumb, Change for every other change
// of value (arrows, trough, keys, wheel, assignment by the program). Each new
// value is reported exactly once.
//
// Keys and the wheel move the value the way a value control does: Right, Up,
// Page Up and the wheel turned away from the user raise it; Left, Down, Page
// Down and the wheel turned towards the user lower it; Home and End go to the
// ends. One wheel notch is one arrow step. Ctrl+Page Up and Ctrl+Page Down
// move one whole unit (1 °C on the sensor bar, whose page step is 0.1 °C).
//
// It paints itself in its own colours, the same whatever the desktop's
// theme, with a dark thumb on a light trough; while it has the keyboard
// focus, a dark-blue frame runs round its edge, so that a keyboard user
// sees which bar the keys move.
class HScrollBar : public QScrollBar {
    Q_OBJECT

public:
    HScrollBar(std::int16_t minimum, std::int16_t maximum, int singleStep, int pageStep, QWidget* parent);

    // The value as the 16-bit integer the program computes with.
    [[nodiscard]] std::int16_t Value() const { return static_cast<std::int16_t>(value()); }

    // What the value stands for, for assistive technology: (value - zero) /
    // stepsPerUnit in the quantity's own unit, and the text the window shows
    // for it ("7.0 bar").
    void setQuantityScale(int zero, int stepsPerUnit);
    [[nodiscard]] double quantity() const;
    [[nodiscard]] double quantityOf(int value) const;
    void setQuantity(double quantity);
    [[nodiscard]] double quantityStep() const;
    void setValueText(const QString& text);
    [[nodiscard]] QString valueText() const { return valueText_; }

signals:
    void Change();
    void Scroll();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int wheelRemainder_ = 0;
    int zero_ = 0;
    int stepsPerUnit_ = 1;
    QString valueText_;  // part of a notch from high-resolution wheels and touchpads
};
