// A long, seeded, reproducible stream of real mouse, wheel and keyboard
// events sent to the window. After every event the window must still show
// exactly what the engine says for its current inputs.
#include "window/form1.h"

#include "engine/conversion.h"
#include "engine/display.h"
#include "engine/grid.h"
#include "scroll_bar_parts.h"
#include "support/engine.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <memory>
#include <random>

namespace {

constexpr int kEvents = 20000;
constexpr std::mt19937::result_type kSeed = 20261208;

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomEventsKeepTheWindowConsistent();

private:
    // Empty when the window agrees with the engine; otherwise what differs.
    QString Inconsistency() const;
    void SendRandomEvent();

    std::unique_ptr<Form1> form_;
    QScrollBar* bars_[2] = {};
    QRadioButton* options_[2] = {};
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLineEdit* text2_ = nullptr;
    std::mt19937 random_{kSeed};
    int sent_ = 0;
};

QString SoakTest::Inconsistency() const
{
    const auto pressure = static_cast<std::int16_t>(bars_[0]->value());
    const auto sensor = static_cast<std::int16_t>(bars_[1]->value());
    if (options_[0]->isChecked() == options_[1]->isChecked())
        return QStringLiteral("both or neither option selected");
    const dewpoint::CalcState expected = dewpoint::ConvertAtGridPoint({pressure, sensor, options_[0]->isChecked()});

    const auto text = [](const std::string& utf8) { return QString::fromStdString(utf8); };
    if (label2_->text() != text(dewpoint::BarText(expected.PressureGauge)))
        return "Label2 " + label2_->text() + " at " + QString::number(pressure);
    if (label4_->text() != text(dewpoint::PsiText(expected.PressureGauge)))
        return "Label4 " + label4_->text() + " at " + QString::number(pressure);
    if (label3_->text() != text(dewpoint::SensorDewpointText(sensor)))
        return "Label3 " + label3_->text() + " at " + QString::number(sensor);
    if (text2_->text() != text(dewpoint::CelsiusText(expected.DewpointOut)))
        return "Text2 " + text2_->text();
    if (dewpoint::testing::BitsOf(form_->calcState()) != dewpoint::testing::BitsOf(expected))
        return QStringLiteral("calculation state differs from a fresh calculation");
    if (form_->size() != QSize(536, 301))
        return QStringLiteral("window size changed");
    return {};
}

void SoakTest::SendRandomEvent()
{
    auto pick = [this](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); };
    QScrollBar* bar = bars_[pick(2)];
    const Qt::KeyboardModifiers modifiers = pick(8) == 0 ? Qt::ShiftModifier : Qt::NoModifier;

    switch (pick(7)) {
    case 0: {  // an arrow button
        const QRect arrow = ScrollBarPart(bar, pick(2) ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
        QTest::mouseClick(bar, Qt::LeftButton, modifiers, arrow.center());
        break;
    }
    case 1: {  // the trough, or the middle button anywhere on the bar
        const QRect groove = ScrollBarPart(bar, QStyle::SC_ScrollBarGroove);
        const QPoint point(groove.left() + pick(groove.width()), groove.center().y());
        QTest::mouseClick(bar, pick(4) ? Qt::LeftButton : Qt::MiddleButton, modifiers, point);
        break;
    }
    case 2: {  // a drag of the thumb, checked after every move
        const QPoint start = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, start);
        QPoint at = start;
        for (int move = pick(12); move >= 0 && sent_ < kEvents; --move, ++sent_) {
            at += QPoint(pick(61) - 30, pick(9) - 4);
            QTest::mouseMove(bar, at);
            const QString problem = Inconsistency();
            QVERIFY2(problem.isEmpty(), qPrintable(QString("while dragging, event %1: %2").arg(sent_).arg(problem)));
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        break;
    }
    case 3: {  // the wheel, vertical or horizontal, whole or part notches
        static const QPoint deltas[] = {{0, 120}, {0, -120}, {0, 60}, {0, -40}, {120, 0}, {-120, 0}, {0, 360}};
        const QPointF inside(bar->width() * (pick(90) + 5) / 100.0, bar->height() / 2.0);
        QWheelEvent wheel(inside, bar->mapToGlobal(inside), QPoint(), deltas[pick(7)], Qt::NoButton, modifiers,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        break;
    }
    case 4:
    case 5: {  // a key to whatever has the focus
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_5};
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form_.get();
        QTest::keyClick(target, keys[pick(12)], modifiers);
        break;
    }
    default: {  // a click anywhere in the window: options, read-out, labels, pictures
        const QPoint point(pick(536), pick(301));
        QWidget* target = form_->childAt(point);
        if (!target)
            target = form_.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form_.get(), point));
        break;
    }
    }
    ++sent_;
}

void SoakTest::randomEventsKeepTheWindowConsistent()
{
    form_ = std::make_unique<Form1>();
    Form1& form = *form_;
    form.Form_Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bars_[0] = form.findChild<QScrollBar*>("HScroll1");
    bars_[1] = form.findChild<QScrollBar*>("HScroll2");
    options_[0] = form.findChild<QRadioButton*>("Option1_0");
    options_[1] = form.findChild<QRadioButton*>("Option1_1");
    label2_ = form.findChild<QLabel*>("Label2");
    label3_ = form.findChild<QLabel*>("Label3");
    label4_ = form.findChild<QLabel*>("Label4");
    text2_ = form.findChild<QLineEdit*>("Text2");

    QSet<int> pressures;
    QSet<int> sensors;
    int systemPressureEvents = 0;
    while (sent_ < kEvents) {
        SendRandomEvent();
        if (QTest::currentTestFailed())
            return;
        const QString problem = Inconsistency();
        QVERIFY2(problem.isEmpty(), qPrintable(QString("after event %1: %2").arg(sent_).arg(problem)));
        pressures.insert(bars_[0]->value());
        sensors.insert(bars_[1]->value());
        systemPressureEvents += options_[1]->isChecked() ? 1 : 0;
    }
    QVERIFY(!form.hasFaulted());
    // The stream reached far across both ranges and used both options.
    qInfo() << sent_ << "events," << pressures.size() << "pressures," << sensors.size() << "sensor values,"
            << systemPressureEvents << "with System Pressure selected";
    QVERIFY(pressures.contains(0) && pressures.contains(400));
    QVERIFY(sensors.size() > 300);
    QVERIFY(systemPressureEvents > kEvents / 10 && systemPressureEvents < kEvents * 9 / 10);
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
