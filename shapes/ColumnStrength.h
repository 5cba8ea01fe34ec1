// Nominal member capacity in axial compression, Nc (cl. 6.3.3): the column curve with the
// member section constant αb, for any section calculator.
#pragma once

#include "host/MemberResult.h"
#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

// Buckling axis of flexural buckling: x-x uses Ixx, y-y uses Iyy.
enum class BucklingAxis : int { XX = 0, YY = 1 };

// The factors of cl. 6.3.3 for a modified slenderness λn and a section constant αb.
struct ColumnCurveFactors {
    double lambdaN = 0.0;  // λn
    double alphaA = 0.0;   // αa, cl. 6.3.3(2)
    double alphaB = 0.0;   // αb
    double lambda = 0.0;   // λ = λn + αa αb
    double eta = 0.0;      // η, not below 0
    double xi = 0.0;       // ξ
    double alphaC = 0.0;   // αc, the member slenderness reduction factor
};

ColumnCurveFactors ColumnCurve(double lambdaN, double alphaB);

// Nc = αc Ns limited to Ns, from the modified slenderness λn and the section capacity Ns.
// Reports the lines from αa to Nc; `alphaAValues` starts the second line of the αa formula.
// Torsional and flexural-torsional loads enter here with λn = 90 sqrt(Ns / Ncr).
double ColumnCapacityFromSlenderness(double lambdaN, double alphaB, double Ns,
                                     CMemberResult* result,
                                     const wchar_t* alphaAValues = L"       = ");

// Nc for flexural buckling about `axis` at effective length le. `ncr` receives the elastic
// buckling load π²EI/le² (infinite for le = 0). Uses only the section's virtual Area, Ixx,
// Iyy, AreaCompEffective, AlphaB, DesignStressMin and YoungsModulus; any axis value other than
// x-x or y-y takes I = 0.
// `axisInHeading` false drops the axis from the report heading (a circular section has one
// answer for every axis).
double FlexuralColumnCapacity(const CAS4100_98Section& section, double le, BucklingAxis axis,
                              double& ncr, CMemberResult* result, bool axisInHeading = true);
// The same about any axis of second moment `secondMoment`, the report heading
// "Determination of Nc" followed by `axisLabel` (the principal axes of an angle).
double FlexuralColumnCapacity(const CAS4100_98Section& section, double le, double secondMoment,
                              const wchar_t* axisLabel, double& ncr, CMemberResult* result);

// A form factor kf equal to 1 or within 1e-6 of it takes the kf = 1 values of Table 6.3.3.
bool IsUnitFormFactor(double kf);

}  // namespace Arbor::Steel::SteelAS4100
