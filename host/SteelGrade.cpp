// Steel grade with thickness bands.
#include "host/SteelGrade.h"

namespace Arbor::Data {

namespace {

// Plate thicknesses and bounds both come from millimetre figures scaled to metres, so a plate
// exactly at a bound can differ from it by rounding; within a nanometre they count as equal.
constexpr double kThicknessTolerance = 1e-9;

bool BandHolds(const GradeBand& band, double t) {
    switch (band.op) {
        case GradeBand::Less:
            return t < band.bound - kThicknessTolerance;
        case GradeBand::LessEqual:
            return t <= band.bound + kThicknessTolerance;
        case GradeBand::Any:
            return true;
    }
    return false;
}

}  // namespace

const GradeBand* CSteelGrade::BandFor(double t) const {
    if (bands_.empty()) return nullptr;
    for (const GradeBand& band : bands_)
        if (BandHolds(band, t)) return &band;
    return &bands_.back();
}

double CSteelGrade::DesignStrength(double t) const {
    const GradeBand* band = BandFor(t);
    return band ? band->fy : 0.0;
}

double CSteelGrade::TensileStrength(double t) const {
    const GradeBand* band = BandFor(t);
    return band ? band->fu : 0.0;
}

CString CSteelGrade::GetString(const Arbor::Util::CDesFormat& format, double t) const {
    return L"Steel grade: " + name_ + L" (fy = " + format.Stress(DesignStrength(t)) + L", fu = " +
           format.Stress(TensileStrength(t)) + L" at t = " + format.LengthSmall(t) + L")\n";
}

}  // namespace Arbor::Data
