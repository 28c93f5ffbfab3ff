#include "strict_arithmetic.h"

#include "conversion.h"

#include "checked_math.h"
#include "formulas.h"

namespace dewpoint {

namespace {

constexpr double kPaPerHPa = 100.0;

}  // namespace

void CalculateDewpoint(CalcState& s, bool atmosphereSelected)
{
    s.PressureAbs = (Checked(s.PressureGauge, "PressureAbs") + kStandardAtmosphereBar).value();
    s.PressureRef = atmosphereSelected ? kStandardAtmosphereBar : s.PressureAbs;

    // Both formulas take the same powers of the temperature, formed once.
    const TemperaturePowers temperature = TemperaturePowersOf(s.TempK, "PvIce");
    s.PvIce = IceVapourPressurePa(temperature);
    s.PvWater = WaterVapourPressurePa(temperature);

    // Below 0 °C the sensor reading is a frostpoint; exactly at the threshold it is a dewpoint.
    const double sensorPa = s.PvIce < kIceThresholdPa ? s.PvIce : s.PvWater;
    s.PvSensor = (Checked(sensorPa, "PvSensor") / kPaPerHPa).value();

    // Dalton's law: the partial pressure scales with the absolute pressure.
    s.PvOutIce = (Checked(s.PvIce, "PvOutIce") / s.PressureRef * s.PressureAbs / kPaPerHPa).value();
    s.PvOutWater = (Checked(s.PvWater, "PvOutWater") / s.PressureRef * s.PressureAbs / kPaPerHPa).value();
    s.PvOut = s.PvSensor < kWaterThresholdHPa ? s.PvOutIce : s.PvOutWater;

    s.LnRatioWater = NaturalLog(Checked(s.PvOut, "LnRatioWater") / kWaterDivisorHPa).value();
    s.LnRatioIce = NaturalLog(Checked(s.PvOut, "LnRatioIce") / kIceDivisorHPa).value();

    const RatioPowers water = RatioPowersOf(s.LnRatioWater, "DewpointWarm");
    s.DewpointWarm = WarmDewpointC(water);
    s.DewpointCold = ColdDewpointC(water);
    s.DewpointWater = s.LnRatioWater < 0.0 ? s.DewpointCold : s.DewpointWarm;
    s.FrostpointIce = FrostpointCFromLnRatio(s.LnRatioIce);

    // The phase test uses the water-formula pressure even when PvOut is the ice
    // value, so results just below 0 °C come from the supercooled-water
    // polynomial. Equality gives the frostpoint.
    s.DewpointOut = s.PvOutWater > kWaterThresholdHPa ? s.DewpointWater : s.FrostpointIce;
}

}  // namespace dewpoint
