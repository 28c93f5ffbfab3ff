#include "picture_box.h"

#include <QPainter>
#include <QSvgRenderer>

#include <utility>

PictureBox::PictureBox(QString resourcePath, const QRect& geometry, QWidget* parent)
    : QWidget(parent)
    , resourcePath_(std::move(resourcePath))
{
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const qreal density = devicePixelRatioF();
    if (picture_.isNull() || !qFuzzyCompare(picture_.devicePixelRatio(), density)) {
        QSvgRenderer renderer(resourcePath_);
        Q_ASSERT_X(renderer.isValid() && renderer.defaultSize() == size(), "PictureBox", qPrintable(resourcePath_));
        picture_ = QPixmap(size() * density);
        picture_.setDevicePixelRatio(density);
        picture_.fill(Qt::transparent);
        QPainter painter(&picture_);
        renderer.render(&painter, QRectF(QPointF(0, 0), size()));
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}
