// Torsional and flexural-torsional buckling capacities in compression (cl. 6.3.3).
#include "shapes/TorsionalLoads.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "section/ResultSink.h"
#include "shapes/ColumnStrength.h"

namespace Arbor::Steel::SteelAS4100::TorsionalLoads {

namespace {

constexpr double kPiSquared = 9.869604401089358;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

const CString kHeading = L"Determination of NcT\n<i>ref AS4100:1998 cl. 6.3.3</i>\n";

// Section capacity Ns = kf·Ag·fy (cl. 6.2.1) with its form factor.
struct SquashLoad {
    double kf = 0.0;
    double ns = 0.0;
};

SquashLoad SquashLoadOf(const CAS4100_98Section& section) {
    const double area = section.Area();
    const double kf = section.AreaCompEffective() / area;
    return {kf, area * kf * section.DesignStressMin()};
}

// λn = 90·sqrt(Ns/Ncr), the modified slenderness of an elastic buckling load.
double ModifiedSlenderness(double ns, double ncr) {
    return 90.0 * std::sqrt(ns / ncr);
}

const wchar_t* AlphaAValues(AlphaALine line) {
    return line == AlphaALine::Channel ? L"L       = " : L"       = ";
}

void ReportSlenderness(CMemberResult* result, const wchar_t* loadName, double ns, double ncr,
                       double lambdaN) {
    const CDesFormat& f = result->DesFormat();
    result->AddOutputString(
        JoinLine({L"LambdaN = 90*sqrt(Ns/", loadName, L")\n        = 90*sqrt("}) + f.Force(ns) +
        L"/" + f.Force(ncr) + L")\n" + L"        = " + f.NoDim(lambdaN) + L"\n");
}

// The curve of cl. 6.3.3 from the modified slenderness, limited to Ns.
double CurveCapacity(const CAS4100_98Section& section, const SquashLoad& squash, double ncr,
                     const wchar_t* loadName, AlphaALine line, CMemberResult* result) {
    const double lambdaN = ModifiedSlenderness(squash.ns, ncr);
    if (IsTextOn(result)) ReportSlenderness(result, loadName, squash.ns, ncr, lambdaN);
    return ColumnCapacityFromSlenderness(lambdaN, section.AlphaB(squash.kf), squash.ns, result,
                                         AlphaAValues(line));
}

void ReportTorsionalLoad(CMemberResult* result, const CAS4100_98Section& section,
                         const TorsionalShape& shape, const PolarRadii& r, double ncrT) {
    const CDesFormat& f = result->DesFormat();
    result->AddOutputString(L"i_x = sqrt(Ixx/Area) = " + f.LengthSmall(r.ix) + L"\n");
    result->AddOutputString(L"i_y = sqrt(Iyy/Area) = " + f.LengthSmall(r.iy) + L"\n");
    result->AddOutputString(L"x_0 = " + f.LengthSmall(r.x0) + L", y_0 = " + f.LengthSmall(r.y0) +
                            L"\n");
    result->AddOutputString(L"i_0^2 = i_x^2 + i_y^2 + x_0^2 + y_0^2 = " + f.AreaCS(r.i0Squared) +
                            L"\n");
    result->AddOutputString(L"Iw = " + f.LSixth(shape.iw) + L", It = " + f.LFourth(shape.it) +
                            L"\n");
    result->AddOutputString(L"E = " + f.Stress(section.YoungsModulus()) + L", G = " +
                            f.Stress(section.ShearModulus()) + L"\n");
    result->AddOutputString(L"NcrT = 1./i_0^2*( G*It + PI*PI*Est*Iw/(Le^2)) = " + f.Force(ncrT) +
                            L"\n");
}

void ReportFlexuralTorsionalLoad(CMemberResult* result, const TorsionalShape& shape,
                                 const PolarRadii& r, double beta, double ncrX, double ncrY,
                                 double ncrT, double ncrTF) {
    const CDesFormat& f = result->DesFormat();
    result->AddOutputString(L"i_x = " + f.LengthSmall(r.ix) + L", i_y = " + f.LengthSmall(r.iy) +
                            L", X_0 = " + f.LengthSmall(r.x0) + L", i_0^2 = " +
                            f.AreaCS(r.i0Squared) + L"\n");
    result->AddOutputString(L"Beta = i_0^2 / (i_x^2 + i_y^2) = " + f.NoDim(beta) + L"\n");
    result->AddOutputString(L"NcrX = " + f.Force(ncrX) + L", NcrY = " + f.Force(ncrY) +
                            L", NcrT = " + f.Force(ncrT) + L"\n");
    const wchar_t* formula =
        shape.coupled == CoupledAxis::XX
            ? L"NcrTF = Beta/2.*( NcrX+NcrT - sqrt( (NcrX+NcrT)^2. - 4.*NcrX*NcrT/Beta) ) \n"
            : L"NcrTF = Beta/2.*( NcrY+NcrT - sqrt( (NcrY+NcrT)^2. - 4.*NcrY*NcrT/Beta) ) \n";
    result->AddOutputString(JoinLine({formula, L"      = "}) + f.Force(ncrTF) + L"\n");
}

}  // namespace

PolarRadii Radii(const CAS4100_98Section& section, double x0, double y0) {
    PolarRadii r;
    const double area = section.Area();
    r.ix = std::sqrt(section.Ixx() / area);
    r.iy = std::sqrt(section.Iyy() / area);
    r.x0 = x0;
    r.y0 = y0;
    r.i0Squared = r.ix * r.ix + r.iy * r.iy + x0 * x0 + y0 * y0;
    return r;
}

double ElasticTorsional(double G, double It, double E, double Iw, double le, double i0Squared) {
    if (le == 0.0) return kInfinity;
    return (G * It + kPiSquared * E * Iw / (le * le)) / i0Squared;
}

double Beta(const PolarRadii& r) {
    return r.i0Squared / (r.ix * r.ix + r.iy * r.iy);
}

// With β ≥ 1 the discriminant is at least (N1 − NcrT)², so it goes negative only by rounding
// when N1 and NcrT nearly agree on a section with its shear centre at the centroid; it is
// taken as 0 there, giving the exact root min(N1, NcrT).
double ElasticFlexuralTorsional(double n1, double ncrT, double beta) {
    if (!std::isfinite(n1) || !std::isfinite(ncrT)) return kInfinity;
    const double s = n1 + ncrT;
    const double discriminant = std::max(0.0, s * s - 4.0 * n1 * ncrT / beta);
    return beta / 2.0 * (s - std::sqrt(discriminant));
}

double TorsionalCapacity(const CAS4100_98Section& section, const TorsionalShape& shape, double le,
                         double& ncrT, CMemberResult* result) {
    WriteLine(result, kHeading);
    const PolarRadii radii = Radii(section, shape.x0, shape.y0);
    ncrT = ElasticTorsional(section.ShearModulus(), shape.it, section.YoungsModulus(), shape.iw, le,
                            radii.i0Squared);
    if (IsTextOn(result)) ReportTorsionalLoad(result, section, shape, radii, ncrT);
    return CurveCapacity(section, SquashLoadOf(section), ncrT, L"NcrT", shape.alphaALine, result);
}

double FlexuralTorsionalCapacity(const CAS4100_98Section& section, const TorsionalShape& shape,
                                 double ncrX, double ncrY, double ncrT, double& ncrTF,
                                 CMemberResult* result) {
    WriteLine(result, kHeading);
    const PolarRadii radii = Radii(section, shape.x0, shape.y0);
    const double beta = Beta(radii);
    if (shape.flexuralTorsionalLoad) {
        ncrTF = shape.flexuralTorsionalLoad(radii, ncrX, ncrY, ncrT);
    } else {
        const double n1 = shape.coupled == CoupledAxis::XX ? ncrX : ncrY;
        ncrTF = ElasticFlexuralTorsional(n1, ncrT, beta);
    }
    if (IsTextOn(result)) {
        ReportFlexuralTorsionalLoad(result, shape, radii, beta, ncrX, ncrY, ncrT, ncrTF);
    }
    return CurveCapacity(section, SquashLoadOf(section), ncrTF, L"NcrTF", AlphaALine::Standard,
                         result);
}

}  // namespace Arbor::Steel::SteelAS4100::TorsionalLoads
