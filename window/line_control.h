#pragma once

#include <QColor>
#include <QWidget>

// A straight one-pixel line between two points of the parent, both ends
// included. It only draws; the mouse passes through it.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QPoint from, QPoint to, const QColor& colour, QWidget* parent);

    [[nodiscard]] QPoint from() const { return from_; }
    [[nodiscard]] QPoint to() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor colour_;
};
