#include "hscroll_bar.h"

#include <QKeyEvent>

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// The bar's own colours, the same on every desktop: the thumb stands more
// than 3:1 from the trough, the arrows more than 4.5:1 from their boxes,
// the frame 3:1 from the white window, the focus frame 9:1 from both.
const QColor kTrough(0xe6, 0xe6, 0xe6);
const QColor kFrame(0x8a, 0x8a, 0x8a);
const QColor kArrowBox(0xd4, 0xd4, 0xd4);
const QColor kArrowBoxPressed(0xb4, 0xb4, 0xb4);
const QColor kArrow(Qt::black);
const QColor kThumb(0x76, 0x76, 0x76);
const QColor kThumbActive(0x55, 0x55, 0x55);  // hovered or held
const QColor kFocus(0x00, 0x00, 0xc0);
constexpr int kFocusFrameWidth = 2;

// A filled triangle pointing left or right, centred in `box`.
void DrawArrow(QPainter& painter, const QRectF& box, bool right)
{
    const qreal half = std::min(box.width(), box.height()) * 0.22;  // half the arrow's length
    const qreal spread = 1.92 * half;                               // half its height
    const QPointF centre = box.center();
    const qreal tip = right ? half : -half;
    const std::array<QPointF, 3> corners{
        centre + QPointF(tip, 0), centre + QPointF(-tip, -spread), centre + QPointF(-tip, spread)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kArrow);
    painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
}

}  // namespace

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

void HScrollBar::keyPressEvent(QKeyEvent* event)
{
    const bool up = event->key() == Qt::Key_PageUp;
    if ((event->modifiers() & Qt::ControlModifier) && (up || event->key() == Qt::Key_PageDown)) {
        setValue(value() + (up ? stepsPerUnit_ : -stepsPerUnit_));  // clamped to the range
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
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

void HScrollBar::paintEvent(QPaintEvent*)
{
    // Painted here rather than by the desktop's style, whose colours follow
    // its theme: the parts keep the style's places and sizes, so that the
    // bar answers the mouse where the style would have it.
    QStyleOptionSlider option;
    initStyleOption(&option);
    auto part = [this, &option](QStyle::SubControl control) {
        return QRectF(style()->subControlRect(QStyle::CC_ScrollBar, &option, control, this));
    };
    const bool held = option.state & QStyle::State_Sunken;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);  // one-pixel lines on pixel centres

    painter.fillRect(rect(), kTrough);
    for (const bool right : {false, true}) {
        const QStyle::SubControl control = right ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
        const QRectF box = part(control);
        painter.fillRect(box, held && option.activeSubControls == control ? kArrowBoxPressed : kArrowBox);
        painter.setPen(kFrame);
        const qreal edge = right ? box.left() + 0.5 : box.right() - 0.5;
        painter.drawLine(QPointF(edge, inner.top()), QPointF(edge, inner.bottom()));
        DrawArrow(painter, box, right);
    }

    const QRectF thumb = part(QStyle::SC_ScrollBarSlider).adjusted(0, 2, 0, -2);
    // The style reports the part under the mouse, or the one held down, as active.
    const bool active = option.activeSubControls == QStyle::SC_ScrollBarSlider;
    painter.setPen(Qt::NoPen);
    painter.setBrush(active ? kThumbActive : kThumb);
    painter.drawRoundedRect(thumb.adjusted(1, 0, -1, 0), 2, 2);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(kFrame);
    painter.drawRect(inner);
    if (hasFocus()) {
        QPen focus(kFocus, kFocusFrameWidth);
        focus.setJoinStyle(Qt::MiterJoin);
        painter.setPen(focus);
        const qreal inset = kFocusFrameWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
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
