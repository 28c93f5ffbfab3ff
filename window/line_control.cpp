#include "line_control.h"

#include <QPainter>

LineControl::LineControl(QPoint from, QPoint to, const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , from_(from)
    , to_(to)
    , colour_(colour)
{
    setGeometry(QRect(QPoint(qMin(from.x(), to.x()), qMin(from.y(), to.y())),
        QPoint(qMax(from.x(), to.x()), qMax(from.y(), to.y()))));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (from_.x() == to_.x() || from_.y() == to_.y()) {
        // Straight up or across, the widget is the line: filling it reaches
        // every device pixel it covers, at any scale.
        painter.fillRect(rect(), colour_);
        return;
    }
    // A slanted line runs between the centres of its end pixels, which lie
    // inside the widget at any scale.
    const QPointF centre(0.5, 0.5);
    painter.setPen(QPen(colour_, 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(from_ - pos()) + centre, QPointF(to_ - pos()) + centre);
}
