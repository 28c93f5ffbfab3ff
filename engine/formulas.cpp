#include "strict_arithmetic.h"

#include "formulas.h"

#include "checked_math.h"

namespace dewpoint {

namespace {

// A coefficient given as mantissa × 10^exponent: the power of ten is formed
// with the general power operation and then multiplied by the mantissa,
// which rounds differently from the decimal literal. It is the same number
// every time, so each coefficient is formed once, on first use.
double Coefficient(double mantissa, int exponent)
{
    return (PowerOfTen(exponent, "a coefficient") * mantissa).value();
}

// t = c1·y + c2·y² + c3·y³ + c4·y⁴ in °C, accumulated as (y²·c2 + y·c1),
// then + y³·c3, then + y⁴·c4.
struct InversePolynomial {
    double c1;
    double c2;
    double c3;
    double c4;
};

double Evaluate(const InversePolynomial& p, const RatioPowers& powers, std::string_view quantity)
{
    const Checked y(powers.y, quantity);
    Checked t = y.Same(powers.square) * p.c2 + y * p.c1;
    t = t + y.Same(powers.cube) * p.c3;
    t = t + y.Same(powers.fourth) * p.c4;
    return t.value();
}

const InversePolynomial& Warm()
{
    // t/°C = 13.715·y + 8.4262e-1·y² + 1.9048e-2·y³ + 7.8158e-4·y⁴
    static const InversePolynomial polynomial{
        13.715, Coefficient(8.4262, -1), Coefficient(1.9048, -2), Coefficient(7.8158, -4)};
    return polynomial;
}

const InversePolynomial& Cold()
{
    // t/°C = 13.7204·y + 7.36631e-1·y² + 3.32136e-2·y³ + 7.78591e-4·y⁴
    static const InversePolynomial polynomial{
        13.7204, Coefficient(7.36631, -1), Coefficient(3.32136, -2), Coefficient(7.78591, -4)};
    return polynomial;
}

const InversePolynomial& Ice()
{
    // t/°C = 12.1197·y + 5.25112e-1·y² + 1.92206e-2·y³ + 3.8403e-4·y⁴
    static const InversePolynomial polynomial{
        12.1197, Coefficient(5.25112, -1), Coefficient(1.92206, -2), Coefficient(3.8403, -4)};
    return polynomial;
}

}  // namespace

TemperaturePowers TemperaturePowersOf(double tempK, std::string_view quantity)
{
    const Checked t(tempK, quantity);
    return {tempK, Power(t, -1.0).value(), Power(t, 2.0).value(), NaturalLog(t).value()};
}

double IceVapourPressurePa(const TemperaturePowers& powers)
{
    // ln(e/Pa) = -6024.5282 K·T⁻¹ + 29.32707 + 1.0613868e-2 K⁻¹·T - 1.3198825e-5 K⁻²·T² - 0.49382577·ln(T/K)
    static const double kLinear = Coefficient(1.0613868, -2);     // K⁻¹
    static const double kQuadratic = Coefficient(1.3198825, -5);  // K⁻²
    const Checked t(powers.tempK, "PvIce");
    Checked lnE = t.Same(powers.inverse) * -6024.5282 + 29.32707;
    lnE = lnE + t.Same(kLinear) * t;
    lnE = lnE - t.Same(powers.square) * kQuadratic;
    lnE = lnE - t.Same(powers.logarithm) * 0.49382577;
    return NaturalExp(lnE).value();
}

double WaterVapourPressurePa(const TemperaturePowers& powers)
{
    // ln(e/Pa) = -6096.9385 K·T⁻¹ + 21.2409642 - 2.711193e-2 K⁻¹·T + 1.673952e-5 K⁻²·T² + 2.433502·ln(T/K)
    static const double kLinear = Coefficient(2.711193, -2);     // K⁻¹
    static const double kQuadratic = Coefficient(1.673952, -5);  // K⁻²
    const Checked t(powers.tempK, "PvWater");
    Checked lnE = t.Same(powers.inverse) * -6096.9385 + 21.2409642;
    lnE = lnE - t.Same(kLinear) * t;
    lnE = t.Same(powers.square) * kQuadratic + lnE;
    lnE = lnE + t.Same(powers.logarithm) * 2.433502;
    return NaturalExp(lnE).value();
}

RatioPowers RatioPowersOf(double lnRatio, std::string_view quantity)
{
    const Checked y(lnRatio, quantity);
    return {lnRatio, Power(y, 2.0).value(), Power(y, 3.0).value(), Power(y, 4.0).value()};
}

double WarmDewpointC(const RatioPowers& y)
{
    return Evaluate(Warm(), y, "DewpointWarm");
}

double ColdDewpointC(const RatioPowers& y)
{
    return Evaluate(Cold(), y, "DewpointCold");
}

double FrostpointC(const RatioPowers& y)
{
    return Evaluate(Ice(), y, "FrostpointIce");
}

double FrostpointCFromLnRatio(double lnRatio)
{
    return FrostpointC(RatioPowersOf(lnRatio, "FrostpointIce"));
}

}  // namespace dewpoint
