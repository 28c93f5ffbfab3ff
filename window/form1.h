#pragma once

#include "engine/conversion.h"

#include <QWidget>

#include <array>
#include <exception>

class HScrollBar;
class LineControl;
class PictureBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The calculator's one window: the system pressure and the sensor dewpoint
// are set with two scroll bars, the sensor's position with an option pair,
// and the converted dewpoint is shown in the read-out Text2.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The conversion the window runs; replaceable so that a fault can be
    // provoked from outside the scroll ranges.
    using Conversion = void (*)(dewpoint::CalcState& state, bool atmosphereSelected);

    // Exit status of the program after an arithmetic fault has been reported.
    static constexpr int kFaultExitStatus = 1;

    explicit Form1(Conversion conversion = &dewpoint::CalculateDewpoint, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: sets the inputs and moves both scroll bars to their first
    // positions, which runs the conversion. Call once, before showing the window.
    void Form_Load();

    [[nodiscard]] const dewpoint::CalcState& calcState() const { return state_; }

    // True once a fault has been reported; the program then ends with kFaultExitStatus.
    [[nodiscard]] bool hasFaulted() const { return faulted_; }

private:
    void HScroll1_Change();
    void HScroll1_Scroll();
    void HScroll2_Change();
    void HScroll2_Scroll();
    void Option1_Click(int index);

    void PressureUpdate();
    void DewpointUpdate();
    void CalculateDewpoint();

    // The tooltips and screen-reader texts that go with each value.
    void DescribePressure();
    void DescribeSensorDewpoint();
    void DescribeReadOut();

    // Runs an event handler; an error it raises is reported and ends the program.
    template <typename Handler> void RunHandler(Handler handler);
    void ReportFault(const QString& description);

    dewpoint::CalcState state_;
    Conversion conversion_;
    bool faulted_ = false;

    // Back to front, as they are stacked.
    std::array<QLabel*, 4> Label1{};
    PictureBox* Image2 = nullptr;
    PictureBox* Image1 = nullptr;
    PictureBox* Image3 = nullptr;
    LineControl* Line1 = nullptr;
    PictureBox* Image5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line4 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text2 = nullptr;
    HScrollBar* HScroll1 = nullptr;
    HScrollBar* HScroll2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
};
