#include "form1.h"

#include "accessibility.h"
#include "hscroll_bar.h"
#include "line_control.h"
#include "option_group.h"
#include "picture_box.h"

#include "engine/display.h"
#include "engine/grid.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <initializer_list>

namespace {

const QColor kDarkBlue(0, 0, 192);
const QColor kGrey(0x76, 0x76, 0x76);  // 4.5 : 1 on white, the least for reading
const QColor kButtonGrey(0xd4, 0xd4, 0xd4);

// The window's own colours, whatever the desktop's theme: a white ground
// with black text, a white read-out box and a dark-blue selection. Every
// role of every group is fixed, so that no desktop palette, dark,
// high-contrast or the user's own, shows through.
QPalette WindowPalette()
{
    QPalette palette(kButtonGrey, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xf0, 0xf0, 0xf0));
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, kDarkBlue);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, kDarkBlue);
    palette.setColor(QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
    palette.setColor(QPalette::PlaceholderText, kGrey);
    palette.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setResolveMask(~QPalette::ResolveMask{0});
    return palette;
}

// The window's face where it exists; elsewhere a face with the same metrics,
// so that every caption and value fits its box. Asking for the family that
// is there, rather than listing both, spares the toolkit a fallback search.
// Chinese characters, which neither has, come from a face made for them at
// the same size.
QFont WindowFont(int pixelSize, bool bold)
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
        ? QStringLiteral("MS Sans Serif")
        : QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setFamilies({family, QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(const QString& objectName, const QString& caption, const QRect& geometry, const QFont& font,
    const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(label, colour);
    return label;
}

// The decimal separator of the user's locale; digits are never grouped.
std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

}  // namespace

Form1::Form1(Conversion conversion, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , conversion_(conversion)
{
    InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    //: The window's title; it begins with a blank.
    setWindowTitle(tr(" Dewpoint @ Atmosphere/Pressure Conversion"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/emblem.svg")));
    setFont(WindowFont(11, false));
    setFixedSize(536, 301);
    setPalette(WindowPalette());
    setAutoFillBackground(true);
    // Laid out in absolute positions: never mirrored, whatever the language or -reverse.
    setLayoutDirection(Qt::LeftToRight);

    const QFont windowFont = font();
    const QFont small = WindowFont(11, true);
    const QFont medium = WindowFont(13, true);
    const QFont large = WindowFont(16, true);

    // Created back to front: a later sibling is drawn in front of an earlier one.
    // Each caption has a fixed box; the comments give its width at the window's 11-pixel face.
    //: Caption of the sensor-dewpoint scroll bar: the dewpoint the sensor reports. 157 pixels.
    Label1[0] = MakeLabel("Label1_0", tr("Dewpoint @ Sensor"), {48, 237, 157, 13}, windowFont, Qt::black, this);
    //: Caption of the gauge-pressure scroll bar. 142 pixels.
    Label1[2] = MakeLabel("Label1_2", tr("System Pressure", "caption"), {45, 12, 142, 13}, windowFont, Qt::black, this);
    Image2 = new PictureBox(QStringLiteral(":/pictures/installation.svg"), {18, 66, 503, 159}, this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image1 = new PictureBox(QStringLiteral(":/pictures/water_drop.svg"), {405, 252, 32, 32}, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image3 = new PictureBox(QStringLiteral(":/pictures/stem_ring.svg"), {9, 18, 32, 32}, this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Line1 = new LineControl({426, 120}, {426, 57}, kDarkBlue, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Image5 = new PictureBox(QStringLiteral(":/pictures/water_drop.svg"), {15, 249, 32, 32}, this);
    Image5->setObjectName(QStringLiteral("Image5"));
    Label2 = MakeLabel("Label2", QStringLiteral("7.0 bar"), {447, 36, 64, 16}, medium, kDarkBlue, this);
    Label3 = MakeLabel("Label3", QStringLiteral("0 \u00B0C"), {333, 261, 58, 16}, small, kDarkBlue, this);
    Line2 = new LineControl({351, 252}, {381, 228}, kDarkBlue, this);
    Line2->setObjectName(QStringLiteral("Line2"));
    //: Caption over the choice of where the sensor measures (at atmosphere or at system pressure). 103 pixels.
    Label1[1] = MakeLabel("Label1_1", tr("Dewpoint Sensor @"), {306, 99, 103, 13}, windowFont, kDarkBlue, this);
    //: Caption of the read-out: the pressure dewpoint. 112 pixels.
    Label1[3] = MakeLabel("Label1_3", tr("Dewpoint @ Pressure"), {417, 237, 112, 13}, windowFont, Qt::black, this);
    Line4 = new LineControl({381, 228}, {381, 189}, kDarkBlue, this);
    Line4->setObjectName(QStringLiteral("Line4"));
    Label4 = MakeLabel("Label4", QStringLiteral("102 psi"), {447, 15, 64, 16}, medium, kGrey, this);

    Text2 = new QLineEdit(QStringLiteral("0"), this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(435, 258, 85, 23);
    Text2->setFont(large);
    Text2->setReadOnly(true);
    Text2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Text2->setCursor(Qt::ArrowCursor);
    SetTextColour(Text2, kDarkBlue);

    HScroll1 = new HScrollBar(dewpoint::kPressureScrollMin, dewpoint::kPressureScrollMax, 1,
        dewpoint::kScrollStepsPerUnit, this);  // 0.1 bar per arrow step, 1 bar per page
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(45, 33, 391, 19);
    HScroll2 = new HScrollBar(dewpoint::kSensorScrollMin, dewpoint::kSensorScrollMax, 1, 1, this);  // 0.1 °C per step
    HScroll2->setObjectName(QStringLiteral("HScroll2"));
    HScroll2->setGeometry(48, 258, 277, 19);

    // The pair sits in a group of its own, at (306, 114), that screen readers announce by its caption.
    auto* optionPair = new OptionGroup(this);
    optionPair->setObjectName(QStringLiteral("OptionPair"));
    optionPair->setGeometry(306, 114, 109, 34);
    optionPair->setAccessibleName(Label1[1]->text());
    //: Option: the sensor measures air expanded to atmospheric pressure. 59 pixels.
    Option1[0] = new QRadioButton(tr("Atmosphere"), optionPair);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[0]->setGeometry(0, 0, 85, 19);
    //: Option: the sensor sits in the line, at system pressure. 84 pixels.
    Option1[1] = new QRadioButton(tr("System Pressure", "option"), optionPair);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    Option1[1]->setGeometry(0, 15, 109, 19);
    auto* optionGroup = new QButtonGroup(this);
    for (int index = 0; index < 2; ++index) {
        SetTextColour(Option1[index], Qt::black);
        QPalette white = Option1[index]->palette();
        white.setColor(QPalette::Button, Qt::white);
        Option1[index]->setPalette(white);
        optionGroup->addButton(Option1[index], index);
    }
    Option1[0]->setChecked(true);

    HScroll1->setQuantityScale(0, dewpoint::kScrollStepsPerUnit);                            // bar
    HScroll2->setQuantityScale(dewpoint::kSensorScrollZero, dewpoint::kScrollStepsPerUnit);  // °C
    Label1[2]->setBuddy(HScroll1);
    Label1[0]->setBuddy(HScroll2);
    Label1[3]->setBuddy(Text2);
    HScroll1->setAccessibleName(Label1[2]->text());
    HScroll2->setAccessibleName(Label1[0]->text());
    Text2->setAccessibleName(Label1[3]->text());
    for (QWidget* decoration : std::initializer_list<QWidget*>{Image1, Image2, Image3, Image5, Line1, Line2, Line4})
        MarkDecorative(decoration);

    setTabOrder(HScroll1, HScroll2);
    setTabOrder(HScroll2, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], Text2);
    HScroll1->setFocus();  // the first control that takes the focus

    // Closing from the keyboard, as on every desktop: Ctrl+Q and Ctrl+W, and
    // whatever else the platform binds to quitting and closing.
    QList<QKeySequence> closeKeys{QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const auto standard : {QKeySequence::Quit, QKeySequence::Close})
        for (const QKeySequence& keys : QKeySequence::keyBindings(standard))
            if (!closeKeys.contains(keys))
                closeKeys.append(keys);
    auto* closeAction = new QAction(this);
    closeAction->setShortcuts(closeKeys);
    addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);

    connect(HScroll1, &HScrollBar::Change, this, [this] { RunHandler([this] { HScroll1_Change(); }); });
    connect(HScroll1, &HScrollBar::Scroll, this, [this] { RunHandler([this] { HScroll1_Scroll(); }); });
    connect(HScroll2, &HScrollBar::Change, this, [this] { RunHandler([this] { HScroll2_Change(); }); });
    connect(HScroll2, &HScrollBar::Scroll, this, [this] { RunHandler([this] { HScroll2_Scroll(); }); });
    connect(optionGroup, &QButtonGroup::idClicked, this,
        [this](int index) { RunHandler([this, index] { Option1_Click(index); }); });

    setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, size(), QGuiApplication::primaryScreen()->availableGeometry()));
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    // The inputs are valid before either scroll bar moves, because moving
    // one runs a conversion at once.
    state_.PressureGauge = 7.0;
    state_.PressureAbs = 8.01325;
    state_.TempK = dewpoint::kCelsiusToKelvin;

    HScroll1->setValue(70);
    Label2->setText(Text(dewpoint::BarText(7.0, DecimalSeparator())));
    Label4->setText(Text(dewpoint::PsiText(7.0)));
    HScroll2->setValue(1000);
    Label3->setText(Text(dewpoint::CelsiusText(0.0, DecimalSeparator())));
}

void Form1::HScroll1_Change()
{
    PressureUpdate();
}

void Form1::HScroll1_Scroll()
{
    PressureUpdate();
}

void Form1::HScroll2_Change()
{
    DewpointUpdate();
}

void Form1::HScroll2_Scroll()
{
    DewpointUpdate();
}

void Form1::Option1_Click(int /*index*/)
{
    CalculateDewpoint();
}

void Form1::PressureUpdate()
{
    state_.PressureGauge = dewpoint::PressureGaugeFromScroll(HScroll1->Value());
    Label2->setText(Text(dewpoint::BarText(state_.PressureGauge, DecimalSeparator())));
    Label4->setText(Text(dewpoint::PsiText(state_.PressureGauge)));
    DescribePressure();
    CalculateDewpoint();
}

void Form1::DewpointUpdate()
{
    state_.TempK = dewpoint::TempKFromScroll(HScroll2->Value());
    // The label is computed afresh from the scroll value, not from TempK.
    Label3->setText(Text(dewpoint::SensorDewpointText(HScroll2->Value(), DecimalSeparator())));
    DescribeSensorDewpoint();
    CalculateDewpoint();
}

void Form1::CalculateDewpoint()
{
    conversion_(state_, Option1[0]->isChecked());
    Text2->setText(Text(dewpoint::CelsiusText(state_.DewpointOut, DecimalSeparator())));
    DescribeReadOut();
}

void Form1::DescribePressure()
{
    const std::string separator = DecimalSeparator();
    HScroll1->setValueText(Label2->text());
    const QString tip = tr("Absolute pressure: %1 = %2")
                            .arg(Text(dewpoint::AbsoluteBarText(state_.PressureGauge, separator)),
                                Text(dewpoint::AbsolutePsiText(state_.PressureGauge, separator)));
    for (QWidget* widget : std::initializer_list<QWidget*>{HScroll1, Label2, Label4})
        widget->setToolTip(tip);
}

void Form1::DescribeSensorDewpoint()
{
    HScroll2->setValueText(Label3->text());
    const double celsius = dewpoint::SensorCelsiusFromScroll(HScroll2->Value());
    const QString tip = tr("Dewpoint at the sensor: %1 = %2")
                            .arg(Label3->text(), Text(dewpoint::FahrenheitText(celsius, DecimalSeparator())));
    HScroll2->setToolTip(tip);
    Label3->setToolTip(tip);
}

void Form1::DescribeReadOut()
{
    const QString dewpoint
        = tr("Pressure dewpoint: %1 = %2")
              .arg(Text2->text(), Text(dewpoint::FahrenheitText(state_.DewpointOut, DecimalSeparator())));
    // The class follows the value as shown, so that it agrees with the read-out.
    const int humidityClass = dewpoint::HumidityClassIso8573(dewpoint::RoundedToOneDecimal(state_.DewpointOut));
    QString quality = tr("ISO 8573-1:2010: no humidity class by pressure dewpoint (above +10 °C)");
    if (humidityClass != 0) {
        const int limit = dewpoint::HumidityClassLimitC(humidityClass);
        const QString limitText = (limit > 0 ? QStringLiteral("+") : QString()) + QLocale().toString(limit);
        quality = tr("ISO 8573-1:2010 humidity class %1 (pressure dewpoint ≤ %2 °C)").arg(humidityClass).arg(limitText);
    }
    Text2->setToolTip(dewpoint + QLatin1Char('\n') + quality);
}

template <typename Handler> void Form1::RunHandler(Handler handler)
{
    // After a fault the program is closing: later events are not handled.
    if (faulted_)
        return;
    // No exception may pass into the toolkit's event loop.
    try {
        handler();
    } catch (const std::exception& error) {
        ReportFault(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportFault(tr("unknown error"));
    }
}

void Form1::ReportFault(const QString& description)
{
    faulted_ = true;
    QMessageBox::critical(this, windowTitle().trimmed(),
        tr("Run-time error: %1.\n\nThe calculation cannot continue and the program will close.").arg(description));
    // Ends the event loop if it runs; before it runs, the caller of Form_Load checks hasFaulted().
    QCoreApplication::exit(kFaultExitStatus);
}
