#include "formulas.h"

#include "checked_math.h"

namespace dewpoint {

namespace {

// t = c1·y + c2·y² + c3·y³ + c4·y⁴, accumulated as (y²·c2 + y·c1), then + y³·c3, then + y⁴·c4.
// c1 in °C; c2, c3, c4 are given as mantissa × 10^exponent, in °C.
struct InversePolynomial {
    double c1;
    double c2Mantissa;
    int c2Exponent;
    double c3Mantissa;
    int c3Exponent;
    double c4Mantissa;
    int c4Exponent;
};

double Evaluate(const InversePolynomial& p, double lnRatio, std::string_view quantity)
{
    const Checked y(lnRatio, quantity);
    const Checked c2 = PowerOfTen(p.c2Exponent, quantity) * p.c2Mantissa;
    const Checked c3 = PowerOfTen(p.c3Exponent, quantity) * p.c3Mantissa;
    const Checked c4 = PowerOfTen(p.c4Exponent, quantity) * p.c4Mantissa;

    Checked t = Power(y, 2.0) * c2 + y * p.c1;
    t = t + Power(y, 3.0) * c3;
    t = t + Power(y, 4.0) * c4;
    return t.value();
}

}  // namespace

double IceVapourPressurePaFromTempK(double tempK)
{
    // ln(e/Pa) = -6024.5282 K·T⁻¹ + 29.32707 + 1.0613868e-2 K⁻¹·T - 1.3198825e-5 K⁻²·T² - 0.49382577·ln(T/K)
    const Checked t(tempK, "PvIce");
    Checked lnE = Power(t, -1.0) * -6024.5282 + 29.32707;
    lnE = lnE + (PowerOfTen(-2, "PvIce") * 1.0613868) * t;
    lnE = lnE - Power(t, 2.0) * (PowerOfTen(-5, "PvIce") * 1.3198825);
    lnE = lnE - NaturalLog(t) * 0.49382577;
    return NaturalExp(lnE).value();
}

double WaterVapourPressurePaFromTempK(double tempK)
{
    // ln(e/Pa) = -6096.9385 K·T⁻¹ + 21.2409642 - 2.711193e-2 K⁻¹·T + 1.673952e-5 K⁻²·T² + 2.433502·ln(T/K)
    const Checked t(tempK, "PvWater");
    Checked lnE = Power(t, -1.0) * -6096.9385 + 21.2409642;
    lnE = lnE - (PowerOfTen(-2, "PvWater") * 2.711193) * t;
    lnE = Power(t, 2.0) * (PowerOfTen(-5, "PvWater") * 1.673952) + lnE;
    lnE = lnE + NaturalLog(t) * 2.433502;
    return NaturalExp(lnE).value();
}

double WarmDewpointCFromLnRatio(double lnRatio)
{
    // t/°C = 13.715·y + 8.4262e-1·y² + 1.9048e-2·y³ + 7.8158e-4·y⁴
    static constexpr InversePolynomial kWarm{13.715, 8.4262, -1, 1.9048, -2, 7.8158, -4};
    return Evaluate(kWarm, lnRatio, "DewpointWarm");
}

double ColdDewpointCFromLnRatio(double lnRatio)
{
    // t/°C = 13.7204·y + 7.36631e-1·y² + 3.32136e-2·y³ + 7.78591e-4·y⁴
    static constexpr InversePolynomial kCold{13.7204, 7.36631, -1, 3.32136, -2, 7.78591, -4};
    return Evaluate(kCold, lnRatio, "DewpointCold");
}

double FrostpointCFromLnRatio(double lnRatio)
{
    // t/°C = 12.1197·y + 5.25112e-1·y² + 1.92206e-2·y³ + 3.8403e-4·y⁴
    static constexpr InversePolynomial kIce{12.1197, 5.25112, -1, 1.92206, -2, 3.8403, -4};
    return Evaluate(kIce, lnRatio, "FrostpointIce");
}

}  // namespace dewpoint
