// What the window presents to assistive technology, read through Qt's
// accessibility interfaces, the layer that screen readers are served from.
// That the read-out announces its changes needs a running accessibility bus
// and is tested through AT-SPI.
#include "window/form1.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namesComeFromCaptions_data();
    void namesComeFromCaptions();
    void scrollBarsAreSlidersOfTheirQuantity_data();
    void scrollBarsAreSlidersOfTheirQuantity();
    void assistiveTechnologyCanSetAValue();
    void optionPairIsANamedGroup();
    void picturesAndLinesAreDecoration();

private:
    QAccessibleInterface* of(const char* name) const
    {
        return QAccessible::queryAccessibleInterface(form_->findChild<QWidget*>(QString::fromLatin1(name)));
    }

    std::unique_ptr<Form1> form_;
};

void AccessibilityTest::init()
{
    form_ = std::make_unique<Form1>();
    form_->Form_Load();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void AccessibilityTest::cleanup()
{
    form_.reset();
}

void AccessibilityTest::namesComeFromCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("pressure") << "HScroll1"
                              << "System Pressure" << int(QAccessible::Slider);
    QTest::newRow("sensor dewpoint") << "HScroll2"
                                     << "Dewpoint @ Sensor" << int(QAccessible::Slider);
    QTest::newRow("option pair") << "OptionPair"
                                 << "Dewpoint Sensor @" << int(QAccessible::Grouping);
    QTest::newRow("atmosphere") << "Option1_0"
                                << "Atmosphere" << int(QAccessible::RadioButton);
    QTest::newRow("system pressure") << "Option1_1"
                                     << "System Pressure" << int(QAccessible::RadioButton);
    QTest::newRow("read-out") << "Text2"
                              << "Dewpoint @ Pressure" << int(QAccessible::EditableText);
}

void AccessibilityTest::namesComeFromCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QAccessibleInterface* iface = of(control.toLatin1());
    QVERIFY(iface && iface->isValid());
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int(iface->role()), role);
}

void AccessibilityTest::scrollBarsAreSlidersOfTheirQuantity_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::newRow("pressure at start") << "HScroll1" << 70 << 7.0 << "7.0 bar" << 0.0 << 40.0;
    QTest::newRow("pressure at 25.3 bar") << "HScroll1" << 253 << 25.3 << "25.3 bar" << 0.0 << 40.0;
    QTest::newRow("dewpoint at start") << "HScroll2" << 1000 << 0.0 << "0.0 \u00B0C" << -100.0 << 20.0;
    QTest::newRow("dewpoint at -40 °C") << "HScroll2" << 600 << -40.0 << "-40.0 \u00B0C" << -100.0 << 20.0;
}

void AccessibilityTest::scrollBarsAreSlidersOfTheirQuantity()
{
    QFETCH(QString, control);
    QFETCH(int, position);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    form_->findChild<QScrollBar*>(control)->setValue(position);
    QAccessibleInterface* iface = of(control.toLatin1());
    QAccessibleValueInterface* values = iface->valueInterface();
    QVERIFY(values);
    QCOMPARE(values->currentValue().toDouble(), value);
    QCOMPARE(values->minimumValue().toDouble(), minimum);
    QCOMPARE(values->maximumValue().toDouble(), maximum);
    QCOMPARE(values->minimumStepSize().toDouble(), 0.1);
    QCOMPARE(iface->text(QAccessible::Value), text);
    QCOMPARE(iface->text(QAccessible::Description), text);
}

void AccessibilityTest::assistiveTechnologyCanSetAValue()
{
    QAccessibleValueInterface* pressure = of("HScroll1")->valueInterface();
    pressure->setCurrentValue(10.0);
    QCOMPARE(form_->findChild<QScrollBar*>("HScroll1")->value(), 100);
    QCOMPARE(form_->findChild<QLabel*>("Label2")->text(), QStringLiteral("10.0 bar"));
    QCOMPARE(form_->findChild<QLabel*>("Label4")->text(), QStringLiteral("145 psi"));
    QCOMPARE(of("HScroll1")->text(QAccessible::Value), QStringLiteral("10.0 bar"));

    QAccessibleValueInterface* dewpoint = of("HScroll2")->valueInterface();
    dewpoint->setCurrentValue(-40.0);
    QCOMPARE(form_->findChild<QScrollBar*>("HScroll2")->value(), 600);
    QAccessibleTextInterface* readOut = of("Text2")->textInterface();
    QCOMPARE(readOut->text(0, readOut->characterCount()), QStringLiteral("-16.8 \u00B0C"));
}

void AccessibilityTest::optionPairIsANamedGroup()
{
    QAccessibleInterface* atmosphere = of("Option1_0");
    QAccessibleInterface* system = of("Option1_1");
    QCOMPARE(atmosphere->parent()->text(QAccessible::Name), QStringLiteral("Dewpoint Sensor @"));
    QCOMPARE(system->parent()->object(), atmosphere->parent()->object());
    QVERIFY(atmosphere->state().checked);
    QVERIFY(!system->state().checked);
    system->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(system->state().checked);
    QVERIFY(!atmosphere->state().checked);
    QCOMPARE(form_->findChild<QLineEdit*>("Text2")->text(), QStringLiteral("0.0 \u00B0C"));
}

void AccessibilityTest::picturesAndLinesAreDecoration()
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
    QStringList presented;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        QVERIFY(child);
        QCOMPARE(window->indexOfChild(child), i);
        presented << child->object()->objectName();
    }
    for (const char* decoration : {"Image1", "Image2", "Image3", "Image5", "Line1", "Line2", "Line4"})
        QVERIFY2(!presented.contains(QLatin1String(decoration)), decoration);
    for (const char* control :
        {"HScroll1", "HScroll2", "OptionPair", "Text2", "Label1_0", "Label2", "Label3", "Label4"})
        QVERIFY2(presented.contains(QLatin1String(control)), control);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
