// The calculator window driven through its real widgets with real key,
// mouse and wheel events.
#include "window/form1.h"
#include "window/translations.h"

#include "engine/conversion.h"
#include "engine/display.h"
#include "engine/faults.h"
#include "scroll_bar_parts.h"
#include "support/engine.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

// Counts conversions so that tests can tell how often the window converted.
int g_conversions = 0;
void CountingConversion(dewpoint::CalcState& state, bool atmosphere)
{
    ++g_conversions;
    dewpoint::CalculateDewpoint(state, atmosphere);
}

// Runs the real conversion, but from 39 bar upwards on a sensor temperature
// of 0 K, which the engine refuses with a division by zero.
void FaultAboveThirtyNineBar(dewpoint::CalcState& state, bool atmosphere)
{
    if (state.PressureGauge > 39.0)
        state.TempK = 0.0;
    dewpoint::CalculateDewpoint(state, atmosphere);
}

void AlwaysFault(dewpoint::CalcState& state, bool atmosphere)
{
    state.TempK = -1.0;
    dewpoint::CalculateDewpoint(state, atmosphere);
}

// From 39 bar upwards, a failure that is no standard exception.
void ThrowsAboveThirtyNineBar(dewpoint::CalcState& state, bool atmosphere)
{
    if (state.PressureGauge > 39.0)
        throw 42;  // NOLINT(hicpp-exception-baseclass): what a foreign library might throw
    dewpoint::CalculateDewpoint(state, atmosphere);
}

QString Degrees(const char* number)
{
    return QString::fromLatin1(number) + QStringLiteral(" \u00B0C");
}

// Closes the next message box that opens and keeps its text.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
                timer_.stop();
            }
        });
        timer_.start(10);
    }
    QString text;

private:
    QTimer timer_;
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpShowsTheFirstConversion();
    void startUpConvertsTwiceWithSeededInputs();
    void windowFrame();
    void controlGeometry_data();
    void controlGeometry();
    void controlLook_data();
    void controlLook();
    void stacking();
    void pressureLabels_data();
    void pressureLabels();
    void readOuts_data();
    void readOuts();
    void optionPairIsExclusive();
    void optionByKeyboard();
    void arrowClickMovesOneStep();
    void thumbDragUpdatesEveryPositionOnce();
    void keys_data();
    void keys();
    void wheel_data();
    void wheel();
    void tabOrder();
    void readOutIgnoresTyping();
    void everyTextFits_data();
    void everyTextFits();
    void languageChoice_data();
    void languageChoice();
    void captionsInEveryLanguage_data();
    void captionsInEveryLanguage();
    void tooltips_data();
    void tooltips();
    void germanLocale();
    void faultIsReportedAndEndsTheProgram_data();
    void faultIsReportedAndEndsTheProgram();
    void faultDuringStartUp();
    void standardKeysClose_data();
    void standardKeysClose();
    void readOutOffersCopy();
    void commandLine_data();
    void commandLine();
    void noDisplayCanBeOpened_data();
    void noDisplayCanBeOpened();

private:
    template <typename T> T* control(const char* name) const
    {
        auto* widget = form_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QScrollBar* scroll(const char* name) const { return control<QScrollBar>(name); }
    QString text2() const { return control<QLineEdit>("Text2")->text(); }
    QString caption(const char* name) const { return control<QLabel>(name)->text(); }
    void showForm();

    std::unique_ptr<Form1> form_;
};

void WindowTest::init()
{
    g_conversions = 0;
    form_ = std::make_unique<Form1>(&CountingConversion);
    form_->Form_Load();
}

void WindowTest::cleanup()
{
    form_.reset();
    QLocale::setDefault(QLocale::c());
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());  // back to English
}

void WindowTest::showForm()
{
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void WindowTest::startUpShowsTheFirstConversion()
{
    QCOMPARE(caption("Label2"), QStringLiteral("7.0 bar"));
    QCOMPARE(caption("Label4"), QStringLiteral("102 psi"));
    QCOMPARE(caption("Label3"), Degrees("0.0"));
    QCOMPARE(text2(), Degrees("32.1"));
    QVERIFY(control<QRadioButton>("Option1_0")->isChecked());
    QVERIFY(!control<QRadioButton>("Option1_1")->isChecked());
    QCOMPARE(scroll("HScroll1")->value(), 70);
    QCOMPARE(scroll("HScroll2")->value(), 1000);
    QCOMPARE(form_->calcState().DewpointOut, 32.14777765981855);
}

void WindowTest::startUpConvertsTwiceWithSeededInputs()
{
    // Moving the pressure bar converts with the seeded 0 °C; moving the
    // dewpoint bar converts again.
    QCOMPARE(g_conversions, 2);
    Form1 fresh(&CountingConversion);
    QCOMPARE(fresh.findChild<QLineEdit*>("Text2")->text(), QStringLiteral("0"));
    QCOMPARE(fresh.findChild<QLabel*>("Label3")->text(), Degrees("0"));
}

void WindowTest::windowFrame()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral(" Dewpoint @ Atmosphere/Pressure Conversion"));
    QCOMPARE(form_->size(), QSize(536, 301));
    QCOMPARE(form_->minimumSize(), QSize(536, 301));
    QCOMPARE(form_->maximumSize(), QSize(536, 301));
    const Qt::WindowFlags flags = form_->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form_->palette().color(QPalette::Window), QColor(Qt::white));

    const QImage icon = form_->windowIcon().pixmap(32, 32).toImage();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixelColor(5, 16), QColor(128, 0, 128));
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);

    showForm();
    const QRect screen = form_->screen()->availableGeometry();
    QVERIFY(qAbs(form_->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(form_->geometry().center().y() - screen.center().y()) <= 1);
    form_->resize(800, 600);
    QCOMPARE(form_->size(), QSize(536, 301));
}

void WindowTest::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Option1(1)") << "Option1_1" << QRect(306, 129, 109, 19);
    QTest::newRow("Option1(0)") << "Option1_0" << QRect(306, 114, 85, 19);
    QTest::newRow("HScroll2") << "HScroll2" << QRect(48, 258, 277, 19);
    QTest::newRow("HScroll1") << "HScroll1" << QRect(45, 33, 391, 19);
    QTest::newRow("Text2") << "Text2" << QRect(435, 258, 85, 23);
    QTest::newRow("Label4") << "Label4" << QRect(447, 15, 64, 16);
    QTest::newRow("Label1(3)") << "Label1_3" << QRect(417, 237, 112, 13);
    QTest::newRow("Label1(1)") << "Label1_1" << QRect(306, 99, 103, 13);
    QTest::newRow("Label3") << "Label3" << QRect(333, 261, 58, 16);
    QTest::newRow("Label2") << "Label2" << QRect(447, 36, 64, 16);
    QTest::newRow("Image5") << "Image5" << QRect(15, 249, 32, 32);
    QTest::newRow("Image3") << "Image3" << QRect(9, 18, 32, 32);
    QTest::newRow("Image1") << "Image1" << QRect(405, 252, 32, 32);
    QTest::newRow("Image2") << "Image2" << QRect(18, 66, 503, 159);
    QTest::newRow("Label1(2)") << "Label1_2" << QRect(45, 12, 142, 13);
    QTest::newRow("Label1(0)") << "Label1_0" << QRect(48, 237, 157, 13);
    // Lines: the box spanned by both end points.
    QTest::newRow("Line1") << "Line1" << QRect(QPoint(426, 57), QPoint(426, 120));
    QTest::newRow("Line4") << "Line4" << QRect(QPoint(381, 189), QPoint(381, 228));
    QTest::newRow("Line2") << "Line2" << QRect(QPoint(351, 228), QPoint(381, 252));
}

void WindowTest::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto* widget = form_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(QRect(widget->mapTo(form_.get(), QPoint(0, 0)), widget->size()), geometry);
}

void WindowTest::controlLook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    const QColor darkBlue(0, 0, 192);
    QTest::newRow("Option1(1)") << "Option1_1"
                                << "System Pressure" << 11 << false << QColor(Qt::black);
    QTest::newRow("Option1(0)") << "Option1_0"
                                << "Atmosphere" << 11 << false << QColor(Qt::black);
    QTest::newRow("Label4") << "Label4"
                            << "102 psi" << 13 << true << QColor(0x76, 0x76, 0x76);
    QTest::newRow("Label1(3)") << "Label1_3"
                               << "Dewpoint @ Pressure" << 11 << false << QColor(Qt::black);
    QTest::newRow("Label1(1)") << "Label1_1"
                               << "Dewpoint Sensor @" << 11 << false << darkBlue;
    QTest::newRow("Label3") << "Label3"
                            << "0.0 \u00B0C" << 11 << true << darkBlue;
    QTest::newRow("Label2") << "Label2"
                            << "7.0 bar" << 13 << true << darkBlue;
    QTest::newRow("Label1(2)") << "Label1_2"
                               << "System Pressure" << 11 << false << QColor(Qt::black);
    QTest::newRow("Label1(0)") << "Label1_0"
                               << "Dewpoint @ Sensor" << 11 << false << QColor(Qt::black);
    QTest::newRow("Text2") << "Text2"
                           << "32.1 \u00B0C" << 16 << true << darkBlue;
}

void WindowTest::controlLook()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    auto* widget = form_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QString shown;
    QColor shownColour;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
        shownColour = label->palette().color(QPalette::WindowText);
        QVERIFY(!label->autoFillBackground());  // transparent
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
    } else if (auto* button = qobject_cast<QRadioButton*>(widget)) {
        shown = button->text();
        shownColour = button->palette().color(QPalette::WindowText);
        QCOMPARE(button->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::white));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        shown = edit->text();
        shownColour = edit->palette().color(QPalette::Text);
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->cursor().shape(), Qt::ArrowCursor);
    }
    QCOMPARE(shown, text);
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(shownColour, colour);
}

void WindowTest::stacking()
{
    // Back to front among the window's own children; a control inside a
    // group is as deep as its group.
    const QObjectList order = form_->children();
    auto depth = [&](const char* name) {
        auto* widget = form_->findChild<QWidget*>(name);
        while (widget->parentWidget() != form_.get())
            widget = widget->parentWidget();
        return order.indexOf(widget);
    };
    for (const char* input : {"Option1_0", "Option1_1", "HScroll1", "HScroll2", "Text2"})
        for (const char* other : {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Label2", "Label3", "Label4",
                 "Image1", "Image2", "Image3", "Image5", "Line1", "Line2", "Line4"})
            QVERIFY2(depth(input) > depth(other), qPrintable(QString("%1 behind %2").arg(input, other)));
    for (const char* overPicture : {"Label1_1", "Line1", "Line4"})
        QVERIFY(depth(overPicture) > depth("Image2"));
    const QObjectList pair = control<QRadioButton>("Option1_0")->parentWidget()->children();
    QVERIFY(pair.indexOf(control<QRadioButton>("Option1_1")) > pair.indexOf(control<QRadioButton>("Option1_0")));
    // The overlap of the two option buttons belongs to the one in front.
    QCOMPARE(form_->childAt(320, 131), control<QRadioButton>("Option1_1"));
    QCOMPARE(form_->childAt(320, 120), control<QRadioButton>("Option1_0"));
}

void WindowTest::pressureLabels_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("psi");
    QTest::newRow("0") << 0 << "0.0 bar"
                       << "0 psi";
    QTest::newRow("10: 14.5 psi rounds up") << 10 << "1.0 bar"
                                            << "15 psi";
    QTest::newRow("70") << 70 << "7.0 bar"
                        << "102 psi";
    QTest::newRow("400") << 400 << "40.0 bar"
                         << "580 psi";
}

void WindowTest::pressureLabels()
{
    QFETCH(int, value);
    QFETCH(QString, bar);
    QFETCH(QString, psi);
    scroll("HScroll1")->setValue(value);
    QCOMPARE(caption("Label2"), bar);
    QCOMPARE(caption("Label4"), psi);
    QCOMPARE(form_->calcState().PressureGauge, value * 0.1);
}

void WindowTest::readOuts_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<int>("dewpoint");
    QTest::addColumn<bool>("systemPressure");
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QString>("readOut");
    QTest::newRow("-40 °C at atmosphere: frostpoint") << 70 << 600 << false << Degrees("-40.0") << Degrees("-20.2");
    QTest::newRow("+20 °C at atmosphere") << 70 << 1200 << false << Degrees("20.0") << Degrees("57.4");
    QTest::newRow("-25 °C at atmosphere: supercooled") << 70 << 750 << false << Degrees("-25.0") << Degrees("-2.7");
    QTest::newRow("-25.6 °C at atmosphere") << 70 << 744 << false << Degrees("-25.6") << Degrees("-3.1");
    QTest::newRow("-25.5 °C at atmosphere") << 70 << 745 << false << Degrees("-25.5") << Degrees("-3.4");
    QTest::newRow("-10 °C at system pressure") << 250 << 900 << true << Degrees("-10.0") << Degrees("-10.0");
    QTest::newRow("0 °C at system pressure") << 70 << 1000 << true << Degrees("0.0") << Degrees("0.0");
    QTest::newRow("-100 °C at 0 bar") << 0 << 0 << false << Degrees("-100.0") << Degrees("-100.0");
}

void WindowTest::readOuts()
{
    QFETCH(int, pressure);
    QFETCH(int, dewpoint);
    QFETCH(bool, systemPressure);
    QFETCH(QString, sensor);
    QFETCH(QString, readOut);
    showForm();
    scroll("HScroll1")->setValue(pressure);
    scroll("HScroll2")->setValue(dewpoint);
    auto* option = control<QRadioButton>(systemPressure ? "Option1_1" : "Option1_0");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    QVERIFY(option->isChecked());
    QCOMPARE(caption("Label3"), sensor);
    QCOMPARE(text2(), readOut);
}

void WindowTest::optionPairIsExclusive()
{
    showForm();
    auto* atmosphere = control<QRadioButton>("Option1_0");
    auto* system = control<QRadioButton>("Option1_1");
    const QPoint indicator(8, 9);
    const int before = g_conversions;

    QTest::mouseClick(system, Qt::LeftButton, {}, indicator);
    QVERIFY(system->isChecked() && !atmosphere->isChecked());
    QCOMPARE(text2(), Degrees("0.0"));
    QCOMPARE(form_->calcState().PressureRef, form_->calcState().PressureAbs);

    QTest::mouseClick(system, Qt::LeftButton, {}, indicator);  // already selected
    QVERIFY(system->isChecked() && !atmosphere->isChecked());
    QCOMPARE(text2(), Degrees("0.0"));

    QTest::mouseClick(atmosphere, Qt::LeftButton, {}, indicator);
    QVERIFY(atmosphere->isChecked() && !system->isChecked());
    QCOMPARE(text2(), Degrees("32.1"));
    QCOMPARE(g_conversions - before, 3);  // every click converts
}

void WindowTest::optionByKeyboard()
{
    showForm();
    auto* atmosphere = control<QRadioButton>("Option1_0");
    auto* system = control<QRadioButton>("Option1_1");
    atmosphere->setFocus();
    QTest::keyClick(atmosphere, Qt::Key_Down);
    QVERIFY(system->isChecked() && !atmosphere->isChecked());
    QVERIFY(system->hasFocus());
    QCOMPARE(text2(), Degrees("0.0"));
    QTest::keyClick(system, Qt::Key_Up);
    QVERIFY(atmosphere->isChecked());
    QCOMPARE(text2(), Degrees("32.1"));
    system->setFocus();
    QTest::keyClick(system, Qt::Key_Space);
    QVERIFY(system->isChecked());
    QCOMPARE(text2(), Degrees("0.0"));
}

void WindowTest::arrowClickMovesOneStep()
{
    showForm();
    auto* bar = scroll("HScroll2");
    const QRect addArrow = ScrollBarPart(bar, QStyle::SC_ScrollBarAddLine);
    const QRect subArrow = ScrollBarPart(bar, QStyle::SC_ScrollBarSubLine);
    QVERIFY(addArrow.isValid() && subArrow.isValid());

    QTest::mouseClick(bar, Qt::LeftButton, {}, addArrow.center());
    QCOMPARE(bar->value(), 1001);
    QCOMPARE(caption("Label3"), Degrees("0.1"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, subArrow.center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, subArrow.center());
    QCOMPARE(bar->value(), 999);
    QCOMPARE(caption("Label3"), Degrees("-0.1"));
}

void WindowTest::thumbDragUpdatesEveryPositionOnce()
{
    showForm();
    for (const char* name : {"HScroll1", "HScroll2"}) {
        auto* bar = scroll(name);
        const bool pressure = QByteArray(name) == "HScroll1";
        const QPoint thumb = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();

        QSet<int> seen;
        const QMetaObject::Connection recording
            = QObject::connect(bar, &QScrollBar::valueChanged, bar, [&seen](int value) { seen.insert(value); });
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QVERIFY(bar->isSliderDown());
        for (int dx = 1; dx <= 40; ++dx) {
            const int before = g_conversions;
            const int valueBefore = bar->value();
            QTest::mouseMove(bar, thumb + QPoint(dx, 0));
            const int value = bar->value();
            // Labels and read-out follow the thumb while it is held.
            QCOMPARE(g_conversions - before, value == valueBefore ? 0 : 1);
            const dewpoint::CalcState& state = form_->calcState();
            if (pressure) {
                QCOMPARE(caption("Label2"), QString::fromStdString(dewpoint::BarText(value * 0.1)));
            } else {
                QCOMPARE(caption("Label3"),
                    QString::fromStdString(dewpoint::SensorDewpointText(static_cast<std::int16_t>(value))));
            }
            QCOMPARE(text2(), QString::fromStdString(dewpoint::CelsiusText(state.DewpointOut)));
        }
        const int beforeRelease = g_conversions;
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(40, 0));
        QVERIFY(!bar->isSliderDown());
        QCOMPARE(g_conversions, beforeRelease);  // the last position was already handled
        QObject::disconnect(recording);
        QVERIFY2(seen.size() >= 10, qPrintable(QString("only %1 positions").arg(seen.size())));
    }
}

void WindowTest::keys_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::newRow("pressure Right") << "HScroll1" << int(Qt::Key_Right) << 70 << 71;
    QTest::newRow("pressure Left") << "HScroll1" << int(Qt::Key_Left) << 70 << 69;
    QTest::newRow("pressure Up") << "HScroll1" << int(Qt::Key_Up) << 70 << 71;
    QTest::newRow("pressure Down") << "HScroll1" << int(Qt::Key_Down) << 70 << 69;
    QTest::newRow("pressure PgUp") << "HScroll1" << int(Qt::Key_PageUp) << 70 << 80;
    QTest::newRow("pressure PgDn") << "HScroll1" << int(Qt::Key_PageDown) << 70 << 60;
    QTest::newRow("pressure Home") << "HScroll1" << int(Qt::Key_Home) << 70 << 0;
    QTest::newRow("pressure End") << "HScroll1" << int(Qt::Key_End) << 70 << 400;
    QTest::newRow("pressure stops at 40 bar") << "HScroll1" << int(Qt::Key_PageUp) << 395 << 400;
    QTest::newRow("pressure stops at 0 bar") << "HScroll1" << int(Qt::Key_Left) << 0 << 0;
    QTest::newRow("dewpoint Right") << "HScroll2" << int(Qt::Key_Right) << 1000 << 1001;
    QTest::newRow("dewpoint Left") << "HScroll2" << int(Qt::Key_Left) << 1000 << 999;
    QTest::newRow("dewpoint PgUp") << "HScroll2" << int(Qt::Key_PageUp) << 1000 << 1001;
    QTest::newRow("dewpoint PgDn") << "HScroll2" << int(Qt::Key_PageDown) << 1000 << 999;
    QTest::newRow("dewpoint Home") << "HScroll2" << int(Qt::Key_Home) << 1000 << 0;
    QTest::newRow("dewpoint End") << "HScroll2" << int(Qt::Key_End) << 1000 << 1200;
    QTest::newRow("dewpoint Ctrl+PgUp") << "HScroll2" << (Qt::CTRL | Qt::Key_PageUp).toCombined() << 1000 << 1010;
    QTest::newRow("dewpoint Ctrl+PgDn") << "HScroll2" << (Qt::CTRL | Qt::Key_PageDown).toCombined() << 1000 << 990;
    QTest::newRow("dewpoint Ctrl+PgUp stops at +20 °C")
        << "HScroll2" << (Qt::CTRL | Qt::Key_PageUp).toCombined() << 1195 << 1200;
    QTest::newRow("pressure Ctrl+PgDn") << "HScroll1" << (Qt::CTRL | Qt::Key_PageDown).toCombined() << 70 << 60;
}

void WindowTest::keys()
{
    QFETCH(QString, bar);
    QFETCH(int, key);
    QFETCH(int, start);
    QFETCH(int, expected);
    showForm();
    auto* scrollBar = form_->findChild<QScrollBar*>(bar);
    scrollBar->setValue(start);
    scrollBar->setFocus();
    const int before = g_conversions;
    const QKeyCombination combination = QKeyCombination::fromCombined(key);
    QTest::keyClick(scrollBar, combination.key(), combination.keyboardModifiers());
    QCOMPARE(scrollBar->value(), expected);
    QCOMPARE(g_conversions - before, start == expected ? 0 : 1);
    QCOMPARE(text2(), QString::fromStdString(dewpoint::CelsiusText(form_->calcState().DewpointOut)));
}

void WindowTest::wheel_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QList<QPoint>>("angleDeltas");  // one event each
    QTest::addColumn<bool>("inverted");              // natural scrolling: the system reversed the deltas
    QTest::addColumn<int>("change");
    using Deltas = QList<QPoint>;
    QTest::newRow("pressure, wheel away") << "HScroll1" << Deltas{{0, 120}} << false << 1;
    QTest::newRow("pressure, wheel towards") << "HScroll1" << Deltas{{0, -120}} << false << -1;
    QTest::newRow("pressure, two notches") << "HScroll1" << Deltas{{0, 240}} << false << 2;
    QTest::newRow("pressure, swipe right") << "HScroll1" << Deltas{{-120, 0}} << false << 1;
    QTest::newRow("pressure, swipe left") << "HScroll1" << Deltas{{120, 0}} << false << -1;
    QTest::newRow("pressure, half a notch") << "HScroll1" << Deltas{{0, 60}} << false << 0;
    QTest::newRow("pressure, two half notches") << "HScroll1" << Deltas{{0, 60}, {0, 60}} << false << 1;
    QTest::newRow("pressure, fine steps of a touchpad") << "HScroll1" << Deltas(12, {0, -20}) << false << -2;
    QTest::newRow("pressure, half a notch each way") << "HScroll1" << Deltas{{0, 60}, {0, -60}, {0, 60}} << false << 0;
    QTest::newRow("pressure, mostly vertical") << "HScroll1" << Deltas{{-30, 120}} << false << 1;
    QTest::newRow("pressure, mostly sideways") << "HScroll1" << Deltas{{-120, -30}} << false << 1;
    QTest::newRow("pressure, natural scrolling, wheel away") << "HScroll1" << Deltas{{0, -120}} << true << 1;
    QTest::newRow("pressure, natural scrolling, swipe right") << "HScroll1" << Deltas{{120, 0}} << true << 1;
    QTest::newRow("dewpoint, wheel away") << "HScroll2" << Deltas{{0, 120}} << false << 1;
    QTest::newRow("dewpoint, wheel towards") << "HScroll2" << Deltas{{0, -120}} << false << -1;
    QTest::newRow("dewpoint, natural scrolling, wheel towards") << "HScroll2" << Deltas{{0, 120}} << true << -1;
}

void WindowTest::wheel()
{
    QFETCH(QString, bar);
    QFETCH(QList<QPoint>, angleDeltas);
    QFETCH(bool, inverted);
    QFETCH(int, change);
    showForm();
    auto* scrollBar = form_->findChild<QScrollBar*>(bar);
    const int start = scrollBar->value();
    const QPointF inside(scrollBar->width() / 2.0, scrollBar->height() / 2.0);
    for (const QPoint& angleDelta : angleDeltas) {
        QWheelEvent event(inside, scrollBar->mapToGlobal(inside), QPoint(), angleDelta, Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, inverted);
        QApplication::sendEvent(scrollBar, &event);
    }
    QCOMPARE(scrollBar->value(), start + change);
}

void WindowTest::tabOrder()
{
    showForm();
    QCOMPARE(QApplication::focusWidget(), scroll("HScroll1"));
    const char* expected[] = {"HScroll2", "Option1_0", "Text2", "HScroll1"};
    for (const char* name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    // With "System Pressure" selected the pair's stop is that button.
    QTest::mouseClick(control<QRadioButton>("Option1_1"), Qt::LeftButton, {}, QPoint(8, 9));
    scroll("HScroll2")->setFocus();
    QTest::keyClick(scroll("HScroll2"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
}

void WindowTest::readOutIgnoresTyping()
{
    showForm();
    auto* edit = control<QLineEdit>("Text2");
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setFocus();
    QTest::keyClicks(edit, "123");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), Degrees("32.1"));
}

void WindowTest::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    for (const QString& catalogue : QDir(QStringLiteral(":/i18n")).entryList()) {
        const QString language = catalogue.section('_', 1).section('.', 0, 0);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void WindowTest::everyTextFits()
{
    // As the label lays its text out: with the faces each character is drawn in.
    auto fits = [](QWidget* widget, const QString& text, int availableWidth) {
        QTextLayout layout(text, widget->font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const bool ok = line.naturalTextWidth() <= availableWidth && line.height() <= widget->height();
        if (!ok)
            qWarning() << widget->objectName() << text << "needs" << line.naturalTextWidth() << "x" << line.height()
                       << "in" << availableWidth << "x" << widget->height() << "with"
                       << QFontInfo(widget->font()).family();
        return ok;
    };
    QFETCH(QString, language);
    if (language != QLatin1String("en")) {
        QCOMPARE(InstallTranslations({language}), language);
        form_ = std::make_unique<Form1>(&CountingConversion);
        form_->Form_Load();
        QVERIFY(control<QLabel>("Label1_2")->text() != QLatin1String("System Pressure"));
    }
    qInfo() << "face used:" << QFontInfo(form_->font()).family();

    for (QLabel* label : form_->findChildren<QLabel*>())
        QVERIFY(fits(label, label->text(), label->width()));
    for (QRadioButton* button : form_->findChildren<QRadioButton*>()) {
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
        QVERIFY(button->sizeHint().height() <= button->height());
    }
    if (language != QLatin1String("en"))
        return;  // the values below are the same in every language

    for (const char* separator : {".", ","}) {
        for (int value = dewpoint::kPressureScrollMin; value <= dewpoint::kPressureScrollMax; ++value) {
            const double bar = dewpoint::PressureGaugeFromScroll(static_cast<std::int16_t>(value));
            QVERIFY(fits(control<QLabel>("Label2"), QString::fromStdString(dewpoint::BarText(bar, separator)), 64));
            QVERIFY(fits(control<QLabel>("Label4"), QString::fromStdString(dewpoint::PsiText(bar)), 64));
        }
        for (int value = dewpoint::kSensorScrollMin; value <= dewpoint::kSensorScrollMax; ++value)
            QVERIFY(fits(control<QLabel>("Label3"),
                QString::fromStdString(dewpoint::SensorDewpointText(static_cast<std::int16_t>(value), separator)), 58));
    }

    // The read-out: the text area of the box is its contents less the text
    // margins and the line edit's own two pixels on each side.
    auto* edit = control<QLineEdit>("Text2");
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
    const QMargins margins = edit->textMargins();
    const int textWidth = edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit).width()
        - margins.left() - margins.right() - 2 * 2;
    QSet<QString> possibleReadOuts;
    dewpoint::ForEachGridPoint([&possibleReadOuts](const dewpoint::GridPoint& point) {
        possibleReadOuts.insert(
            QString::fromStdString(dewpoint::CelsiusText(dewpoint::ConvertAtGridPoint(point).DewpointOut)));
    });
    QVERIFY(possibleReadOuts.contains(Degrees("-100.0")));
    for (const QString& text : possibleReadOuts) {
        QVERIFY(fits(edit, text, textWidth));
        QVERIFY(fits(edit, QString(text).replace('.', ','), textWidth));
    }
}

void WindowTest::languageChoice_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("installed");
    // The rule the page follows too, from the table both are tested with.
    QFile table(QFINDTESTDATA("data/languages.txt"));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList wanted = line.section('\t', 0, 0).split(' ');
        QTest::newRow(qPrintable(wanted.join(','))) << wanted << line.section('\t', 1, 1);
    }
    QTest::newRow("C") << QStringList{"C"} << "";
}

// The first of the user's languages that the window speaks, as LANGUAGE=de:en gives them.
void WindowTest::languageChoice()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, installed);
    QCOMPARE(InstallTranslations(wanted), installed);
    QCOMPARE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty(), installed.isEmpty());
}

void WindowTest::captionsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("captions");  // Label1(0) to Label1(3), then Option1(0) and Option1(1)
    QTest::newRow("English") << "en"
                             << QStringList{"Dewpoint @ Sensor", "Dewpoint Sensor @", "System Pressure",
                                    "Dewpoint @ Pressure", "Atmosphere", "System Pressure"};
    QTest::newRow("German") << "de"
                            << QStringList{"Taupunkt am Sensor", "Sensor misst bei", "Systemdruck", "Drucktaupunkt",
                                   "Atmosphäre", "Systemdruck"};
    QTest::newRow("French") << "fr"
                            << QStringList{"Point de rosée au capteur", "Point de mesure", "Pression du réseau",
                                   "Pt rosée sous pression", "Atmosphère", "Pression réseau"};
    QTest::newRow("Spanish") << "es"
                             << QStringList{"Punto de rocío en el sensor", "Punto de medición", "Presión del sistema",
                                    "Pto. rocío a presión", "Atmósfera", "A presión"};
    QTest::newRow("Italian") << "it"
                             << QStringList{"Punto di rugiada al sensore", "Punto di misura", "Pressione di sistema",
                                    "Rugiada in pressione", "Atmosfera", "In pressione"};
    QTest::newRow("Brazilian Portuguese")
        << "pt-BR"
        << QStringList{"Ponto de orvalho no sensor", "Ponto de medição", "Pressão do sistema", "Orvalho sob pressão",
               "Atmosfera", "Sob pressão"};
    QTest::newRow("Chinese") << "zh-CN"
                             << QStringList{"传感器露点", "传感器测量位置", "系统压力", "压力露点", "大气", "系统压力"};
}

// Each caption in the trade's own words, language by language.
void WindowTest::captionsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, captions);
    InstallTranslations({language});
    Form1 form;
    form.Form_Load();
    QStringList shown;
    for (const char* name : {"Label1_0", "Label1_1", "Label1_2", "Label1_3"})
        shown << form.findChild<QLabel*>(name)->text();
    for (const char* name : {"Option1_0", "Option1_1"})
        shown << form.findChild<QRadioButton*>(name)->text();
    QCOMPARE(shown, captions);
}

void WindowTest::tooltips_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<int>("dewpoint");
    QTest::addColumn<QString>("readOutTip");
    QTest::addColumn<QString>("sensorTip");
    QTest::addColumn<QString>("pressureTip");
    QTest::newRow("start-up: warm, no class")
        << 70 << 1000
        << "Pressure dewpoint: 32.1 °C = 89.9 °F\n"
           "ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)"
        << "Dewpoint at the sensor: 0.0 °C = 32.0 °F"
        << "Absolute pressure: 8.01 bar(a) = 116.2 psia";
    QTest::newRow("class 1") << 0 << 0
                             << "Pressure dewpoint: -100.0 °C = -148.0 °F\n"
                                "ISO 8573-1:2010 humidity class 1 (pressure dewpoint ≤ -70 °C)"
                             << "Dewpoint at the sensor: -100.0 °C = -148.0 °F"
                             << "Absolute pressure: 1.01 bar(a) = 14.7 psia";
    QTest::newRow("class 3 from the frostpoint") << 70 << 600
                                                 << "Pressure dewpoint: -20.2 °C = -4.3 °F\n"
                                                    "ISO 8573-1:2010 humidity class 3 (pressure dewpoint ≤ -20 °C)"
                                                 << "Dewpoint at the sensor: -40.0 °C = -40.0 °F"
                                                 << "Absolute pressure: 8.01 bar(a) = 116.2 psia";
    // The class goes by the read-out as shown: -69.993 °C shows as -70.0 and is class 1.
    QTest::newRow("class 1 at its limit, as shown") << 0 << 300
                                                    << "Pressure dewpoint: -70.0 °C = -94.0 °F\n"
                                                       "ISO 8573-1:2010 humidity class 1 (pressure dewpoint ≤ -70 °C)"
                                                    << "Dewpoint at the sensor: -70.0 °C = -94.0 °F"
                                                    << "Absolute pressure: 1.01 bar(a) = 14.7 psia";
    QTest::newRow("class 4 at its limit, as shown") << 1 << 1017
                                                    << "Pressure dewpoint: 3.0 °C = 37.4 °F\n"
                                                       "ISO 8573-1:2010 humidity class 4 (pressure dewpoint ≤ +3 °C)"
                                                    << "Dewpoint at the sensor: 1.7 °C = 35.1 °F"
                                                    << "Absolute pressure: 1.11 bar(a) = 16.1 psia";
    QTest::newRow("class 4, supercooled") << 70 << 750
                                          << "Pressure dewpoint: -2.7 °C = 27.1 °F\n"
                                             "ISO 8573-1:2010 humidity class 4 (pressure dewpoint ≤ +3 °C)"
                                          << "Dewpoint at the sensor: -25.0 °C = -13.0 °F"
                                          << "Absolute pressure: 8.01 bar(a) = 116.2 psia";
}

void WindowTest::tooltips()
{
    QFETCH(int, pressure);
    QFETCH(int, dewpoint);
    QFETCH(QString, readOutTip);
    QFETCH(QString, sensorTip);
    QFETCH(QString, pressureTip);
    scroll("HScroll1")->setValue(pressure);
    scroll("HScroll2")->setValue(dewpoint);
    QCOMPARE(control<QLineEdit>("Text2")->toolTip(), readOutTip);
    QCOMPARE(scroll("HScroll2")->toolTip(), sensorTip);
    QCOMPARE(control<QLabel>("Label3")->toolTip(), sensorTip);
    for (const char* name : {"HScroll1", "Label2", "Label4"})
        QCOMPARE(form_->findChild<QWidget*>(name)->toolTip(), pressureTip);
}

void WindowTest::germanLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(InstallTranslations(QLocale().uiLanguages()), QStringLiteral("de"));
    Form1 form;
    form.Form_Load();
    QCOMPARE(form.windowTitle(), QStringLiteral(" Taupunkt-Umrechnung Atmosph\u00E4re/Systemdruck"));
    QCOMPARE(form.findChild<QLabel*>("Label1_2")->text(), QStringLiteral("Systemdruck"));
    QCOMPARE(form.findChild<QLabel*>("Label1_3")->text(), QStringLiteral("Drucktaupunkt"));
    QCOMPARE(form.findChild<QRadioButton*>("Option1_0")->text(), QStringLiteral("Atmosph\u00E4re"));
    QCOMPARE(form.findChild<QLineEdit*>("Text2")->text(), Degrees("32,1"));
    QCOMPARE(form.findChild<QLabel*>("Label2")->text(), QStringLiteral("7,0 bar"));
    QCOMPARE(form.findChild<QLabel*>("Label3")->text(), Degrees("0,0"));
    form.findChild<QScrollBar*>("HScroll2")->setValue(0);
    QCOMPARE(form.findChild<QLabel*>("Label3")->text(), Degrees("-100,0"));
    QCOMPARE(form.findChild<QLabel*>("Label2")->toolTip(), QStringLiteral("Absolutdruck: 8,01 bar(a) = 116,2 psia"));
    QVERIFY(form.findChild<QLabel*>("Label3")->toolTip().endsWith(QStringLiteral("= -148,0 \u00B0F")));
    // The toolkit's own texts speak the language too: the read-out's context menu.
    const std::unique_ptr<QMenu> menu(form.findChild<QLineEdit*>("Text2")->createStandardContextMenu());
    QStringList offered;
    for (QAction* action : menu->actions())
        offered << action->text().remove('&').section('\t', 0, 0);
    QVERIFY2(offered.contains(QStringLiteral("Alles ausw\u00E4hlen")), qPrintable(offered.join(", ")));
}

void WindowTest::faultIsReportedAndEndsTheProgram_data()
{
    QTest::addColumn<bool>("engineFault");
    QTest::addColumn<QString>("reported");
    QTest::newRow("the engine's fault") << true << "floating-point division by zero while computing PvIce";
    QTest::newRow("a failure of any other kind") << false << "Run-time error: unknown error.";
}

void WindowTest::faultIsReportedAndEndsTheProgram()
{
    QFETCH(bool, engineFault);
    QFETCH(QString, reported);
    Form1 form(engineFault ? &FaultAboveThirtyNineBar : &ThrowsAboveThirtyNineBar);
    form.Form_Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* text = form.findChild<QLineEdit*>("Text2");
    QCOMPARE(text->text(), Degrees("32.1"));

    auto* bar = form.findChild<QScrollBar*>("HScroll1");
    bar->setFocus();
    MessageBoxCloser closer;
    QTimer::singleShot(0, bar, [bar] { QTest::keyClick(bar, Qt::Key_End); });
    // A fault that is swallowed would leave the loop running: end it, as a failure.
    constexpr int kNeverEnded = -99;
    QTimer::singleShot(30000, bar, [] { QCoreApplication::exit(kNeverEnded); });
    const int status = QCoreApplication::exec();

    QVERIFY2(status != kNeverEnded, "the fault was not reported within 30 s");
    QCOMPARE(status, Form1::kFaultExitStatus);
    QVERIFY(form.hasFaulted());
    QVERIFY2(closer.text.contains(reported), qPrintable(closer.text));
    QCOMPARE(text->text(), Degrees("32.1"));  // the read-out keeps its last good value
    // Later events are not handled any more.
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(text->text(), Degrees("32.1"));
}

void WindowTest::faultDuringStartUp()
{
    Form1 form(&AlwaysFault);
    MessageBoxCloser closer;
    form.Form_Load();
    QVERIFY(form.hasFaulted());
    QVERIFY2(closer.text.contains("logarithm of the non-positive number -1"), qPrintable(closer.text));
    QCOMPARE(form.findChild<QLineEdit*>("Text2")->text(), QStringLiteral("0"));
}

void WindowTest::standardKeysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q);
    QTest::newRow("Ctrl+W") << int(Qt::Key_W);
}

void WindowTest::standardKeysClose()
{
    QFETCH(int, key);
    showForm();
    for (const char* focus : {"HScroll2", "Text2"}) {
        form_->findChild<QWidget*>(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
        QVERIFY2(!form_->isVisible(), focus);
        showForm();
    }
}

void WindowTest::readOutOffersCopy()
{
    showForm();
    auto* edit = control<QLineEdit>("Text2");
    QCOMPARE(edit->contextMenuPolicy(), Qt::DefaultContextMenu);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList offered;
    for (QAction* action : menu->actions())
        if (action->isEnabled() && !action->isSeparator())
            offered << action->text().remove('&').section('\t', 0, 0);
    QCOMPARE(offered, QStringList({"Select All"}));  // Copy too, once something is selected
    menu->actions().constLast()->trigger();
    const std::unique_ptr<QMenu> selected(edit->createStandardContextMenu());
    for (QAction* action : selected->actions())
        if (action->text().remove('&').startsWith(QLatin1String("Copy")))
            action->trigger();
    QCOMPARE(QApplication::clipboard()->text(), Degrees("32.1"));
    QCOMPARE(edit->text(), Degrees("32.1"));
}

void WindowTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("errorStart");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: dewpoint-converter [options]\n"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "dewpoint-converter 1.01\n"
                               << "";
    QTest::newRow("a toolkit option") << QStringList{"-platform", "offscreen", "--version"} << 0
                                      << "dewpoint-converter 1.01\n"
                                      << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "dewpoint-converter: Unknown option 'bogus'.\nUsage: dewpoint-converter";
    QTest::newRow("an argument") << QStringList{"log.csv"} << 2 << ""
                                 << "dewpoint-converter: Unexpected argument 'log.csv'.\nUsage:";
    // Every option the toolkit reads itself, with its value where it takes one.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
             "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session", "display",
             "name", "visual", "ncols", "style", "stylesheet", "fontengine", "dialogs"})
        QTest::addRow("toolkit option -%s", name)
            << QStringList{QStringLiteral("-%1").arg(name), QStringLiteral("value"), QStringLiteral("--version")} << 0
            << "dewpoint-converter 1.01\n"
            << "";
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"})
        QTest::addRow("toolkit option -%s", name)
            << QStringList{QStringLiteral("-%1").arg(name), QStringLiteral("--version")} << 0
            << "dewpoint-converter 1.01\n"
            << "";
    QTest::newRow("a toolkit option's value missing") << QStringList{"--version", "-style"} << 2 << ""
                                                      << "dewpoint-converter: Missing value after '-style'.";
    QTest::newRow("no display") << QStringList{} << 1 << ""
                                << "dewpoint-converter: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)";
}

// Answered before the toolkit starts: without a display, and without opening a window.
void WindowTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, errorStart);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(DEWPOINT_WINDOW_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString shown = QString::fromLocal8Bit(program.readAllStandardOutput());
    QVERIFY2(out.isEmpty() ? shown.isEmpty() : shown.startsWith(out), qPrintable(shown));
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(errorStart.isEmpty() ? error.isEmpty() : error.startsWith(errorStart), qPrintable(error));
}

void WindowTest::noDisplayCanBeOpened_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("error");
    const QString runtime = QDir::tempPath();
    QTest::newRow("a dead X display") << QStringList{"DISPLAY=:99"} << "(DISPLAY=:99)";
    QTest::newRow("a dead Wayland display")
        << QStringList{"WAYLAND_DISPLAY=wayland-99", "XDG_RUNTIME_DIR=" + runtime} << "(WAYLAND_DISPLAY=wayland-99)";
    QTest::newRow("Wayland asked for, dead") << QStringList{"WAYLAND_DISPLAY=wayland-99", "XDG_RUNTIME_DIR=" + runtime,
        "QT_QPA_PLATFORM=wayland"} << "(WAYLAND_DISPLAY=wayland-99)";
    QTest::newRow("both dead") << QStringList{"DISPLAY=:99", "WAYLAND_DISPLAY=wayland-99", "XDG_RUNTIME_DIR=" + runtime}
                               << "(DISPLAY=:99 WAYLAND_DISPLAY=wayland-99)";
}

// One line and status 1, never the toolkit's abort, where a display is named but cannot be opened.
void WindowTest::noDisplayCanBeOpened()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, error);
    QProcess program;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        variables.remove(QString::fromLatin1(variable));
    for (const QString& setting : environment)
        variables.insert(setting.section('=', 0, 0), setting.section('=', 1));
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(DEWPOINT_WINDOW_PROGRAM), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString shown = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(shown,
        "dewpoint-converter: cannot open the display " + error
            + "; start it in a desktop session or over ssh -X, or convert with dewpoint(1)\n");
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
