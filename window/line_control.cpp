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
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}
