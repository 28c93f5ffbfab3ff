#include "picture_box.h"

#include <QPainter>

PictureBox::PictureBox(const QString& resourcePath, QPoint position, QWidget* parent)
    : QWidget(parent)
    , renderer_(resourcePath)
{
    Q_ASSERT_X(renderer_.isValid(), "PictureBox", qPrintable(resourcePath));
    setGeometry(QRect(position, renderer_.defaultSize()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    renderer_.render(&painter, rect());
}
