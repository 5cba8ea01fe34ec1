// Nominal member capacity in axial compression (cl. 6.3.3), written once for every shape.
#include "shapes/ColumnStrength.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "shapes/SectionCalcI.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kPiSquared = 9.869604401089358;
constexpr double kReferenceStress = 2.5e8;  // 250 MPa of the modified slenderness
constexpr double kZeroLength = 1e-10;

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

// Lines of cl. 6.3.3(2) and (3): αa, λ, η, ξ, αc and αc Ns.
void ReportCurve(CMemberResult* result, const ColumnCurveFactors& f, double Ns,
                 const wchar_t* alphaAValues) {
    const CDesFormat& fmt = result->DesFormat();
    const CFormatted lambdaN = fmt.NoDim(f.lambdaN);
    const CFormatted lambda = fmt.NoDim(f.lambda);
    const CFormatted xi = fmt.NoDim(f.xi);
    result->AddOutputString(
        JoinLine({L"AlphaA = 2100*(LambdaN-13.5)/(LambdaN\u00b2- 15.3*LambdaN + 2050)\n",
                  alphaAValues}) +
        L"2100*(" + lambdaN + L"-13.5)/(" + lambdaN + L"\u00b2- 15.3*" + lambdaN +
        L" + 2050)\n       = " + fmt.NoDim(f.alphaA) + L"\n");
    result->AddOutputString(L"Lambda = LambdaN + AlphaA*AlphaB\n       = " + lambdaN + L"+" +
                            fmt.NoDim(f.alphaA) + L"*" + fmt.NoDim(f.alphaB) + L"\n       = " +
                            lambda + L"\n");
    result->AddOutputString(L"Eta = 0.00326*(Lambda - 13.5)\n    = 0.00326*(" + lambda +
                            L" - 13.5)\n    = " + fmt.NoDim(f.eta) + L"\n");
    result->AddOutputString(
        L"dXi = ( (Lambda/90)\u00b2+ 1 + Eta)/(2.*(Lambda/90)\u00b2)\n    = ( (" + lambda +
        L"/90)\u00b2+ 1 + " + fmt.NoDim(f.eta) + L")/(2.*(" + lambda + L"/90)\u00b2)\n    = " + xi +
        L"\n");
    result->AddOutputString(L"AlphaC = Xi*(1- sqrt(1-(90/(Xi*Lambda))\u00b2))\n       = " + xi +
                            L"*(1- sqrt(1-(90/(" + xi + L"*" + lambda + L"))\u00b2))\n       = " +
                            fmt.NoDim(f.alphaC) + L"\n");
    result->AddOutputString(L"Nc = AlphaC*Ns\n   = " + fmt.NoDim(f.alphaC) + L"*" + fmt.Force(Ns) +
                            L"\n   = " + fmt.Force(f.alphaC * Ns) + L"\n");
}

void ReportNcIsNs(CMemberResult* result, const wchar_t* why, double Ns) {
    result->AddOutputString(JoinLine({L"Nc = Ns,  ", why, L"\n   = "}) +
                            result->DesFormat().Force(Ns) + L"\n");
}

double SecondMoment(const CAS4100_98Section& section, BucklingAxis axis) {
    switch (axis) {
        case BucklingAxis::XX:
            return section.Ixx();
        case BucklingAxis::YY:
            return section.Iyy();
    }
    return 0.0;
}

const wchar_t* AxisSuffix(BucklingAxis axis) {
    switch (axis) {
        case BucklingAxis::XX:
            return L"xx";
        case BucklingAxis::YY:
            return L"yy";
    }
    return L"";
}

}  // namespace

// cl. 6.3.3(2) and (3).
ColumnCurveFactors ColumnCurve(double lambdaN, double alphaB) {
    ColumnCurveFactors f;
    f.lambdaN = lambdaN;
    f.alphaB = alphaB;
    f.alphaA = 2100.0 * (lambdaN - 13.5) / (lambdaN * lambdaN - 15.3 * lambdaN + 2050.0);
    f.lambda = lambdaN + f.alphaA * alphaB;
    f.eta = std::max(0.0, 0.00326 * (f.lambda - 13.5));
    const double ratioSquared = (f.lambda / 90.0) * (f.lambda / 90.0);
    f.xi = (ratioSquared + 1.0 + f.eta) / (2.0 * ratioSquared);
    const double root = 90.0 / (f.xi * f.lambda);
    f.alphaC = f.xi * (1.0 - std::sqrt(1.0 - root * root));
    return f;
}

// A curve value above 1 (or not a number, at zero slenderness) leaves the section capacity.
double ColumnCapacityFromSlenderness(double lambdaN, double alphaB, double Ns,
                                     CMemberResult* result, const wchar_t* alphaAValues) {
    const ColumnCurveFactors f = ColumnCurve(lambdaN, alphaB);
    if (WantsText(result)) ReportCurve(result, f, Ns, alphaAValues);
    if (f.alphaC <= 1.0) return f.alphaC * Ns;
    if (WantsText(result)) ReportNcIsNs(result, L"Nc > Ns", Ns);
    return Ns;
}

double FlexuralColumnCapacity(const CAS4100_98Section& section, double le, BucklingAxis axis,
                              double& ncr, CMemberResult* result, bool axisInHeading) {
    return FlexuralColumnCapacity(section, le, SecondMoment(section, axis),
                                  axisInHeading ? AxisSuffix(axis) : L"", ncr, result);
}

double FlexuralColumnCapacity(const CAS4100_98Section& section, double le, double I,
                              const wchar_t* axisLabel, double& ncr, CMemberResult* result) {
    const double A = section.Area();
    const double r = std::sqrt(I / A);
    ncr = kPiSquared * section.YoungsModulus() * I / (le * le);
    if (WantsText(result)) {
        result->AddOutputString(
            JoinLine({L"Determination of Nc", axisLabel, L"\n<i>ref AS4100:1998 cl. 6.3.3</i>\n"}));
    }
    // cl. 6.2.1: Ns = kf An fy with An = Ag.
    const double kf = section.AreaCompEffective() / A;
    const double fy = section.DesignStressMin();
    const double Ns = A * kf * fy;
    if (std::fabs(le) < kZeroLength) {
        if (WantsText(result)) ReportNcIsNs(result, L"Le = 0.0", Ns);
        return Ns;
    }
    const double lambdaN = (le / r) * std::sqrt(kf) * std::sqrt(fy / kReferenceStress);
    if (WantsText(result)) {
        const CDesFormat& fmt = result->DesFormat();
        result->AddOutputString(
            L"LambdaN = Le/r*sqrt(Kf)*sqrt(Fy/250)\n        = " + fmt.Length(le) + L"/" +
            fmt.LengthSmall(r) + L"*sqrt(" + fmt.NoDim(kf) + L")*sqrt(" + fmt.Stress(fy) + L"/" +
            fmt.Stress(kReferenceStress) + L")\n        = " + fmt.NoDim(lambdaN) + L"\n");
    }
    return ColumnCapacityFromSlenderness(lambdaN, section.AlphaB(kf), Ns, result);
}

bool IsUnitFormFactor(double kf) {
    return kf == 1.0 || std::fabs(kf - 1.0) < 1e-6;
}

double CSectionCalcI::Nc(double le, Axis axis, double& ncr, CMemberResult* result) const {
    return FlexuralColumnCapacity(*this, le, static_cast<BucklingAxis>(axis), ncr, result);
}

double CSectionCalcI::Ncxx(double le, double& ncr, CMemberResult* result) const {
    return Nc(le, XX, ncr, result);
}

double CSectionCalcI::Ncyy(double le, double& ncr, CMemberResult* result) const {
    return Nc(le, YY, ncr, result);
}

double CSectionCalcI::Ncuu(double le, double& ncr, CMemberResult* result) const {
    return Ncxx(le, ncr, result);
}

double CSectionCalcI::Ncvv(double le, double& ncr, CMemberResult* result) const {
    return Ncyy(le, ncr, result);
}

}  // namespace Arbor::Steel::SteelAS4100
