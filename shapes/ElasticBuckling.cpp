// Elastic buckling moment and effective length factors of a segment (cl. 5.6.1.1, 5.6.3) and
// the full lateral restraint test (cl. 5.3.2.4): the shared procedures and the I section.
#include "shapes/ElasticBuckling.h"

#include <cmath>
#include <limits>

#include "section/ResultSink.h"
#include "shapes/SectionCalcI.h"

namespace Arbor::Steel::SteelAS4100 {

namespace ElasticBuckling {

namespace {

constexpr double kReferenceStress = 2.5e8;  // 250 MPa of cl. 5.3.2.4
constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsFOrL(unsigned code) {
    return code == RestraintType::F || code == RestraintType::L;
}

void ReportMoa(CMemberResult* result, const CAS4100_98Section& section, double iw, double le,
               double moa) {
    const CDesFormat& f = result->DesFormat();
    const CFormatted e = f.Stress(section.YoungsModulus());
    const CFormatted g = f.Stress(section.ShearModulus());
    const CFormatted iy = f.LFourth(section.Iyy());
    const CFormatted j = f.LFourth(section.J());
    const CFormatted w = f.LSixth(iw);
    const CFormatted l = f.Length(le);
    result->AddOutputString(L"E = " + e + L", G = " + g + L"\nIy = " + iy + L", J = " + j +
                            L", Iw = " + w + L"\n");
    result->AddOutputString(
        L"Moa = sqrt( Pi\u00B2*E*Iy/Le\u00B2*(G*J + Pi\u00B2*E*Iw/Le\u00B2) )\n    = sqrt( "
        L"Pi\u00B2*" +
        e + L"*" + iy + L"/" + l + L"\u00B2*\n     \t(" + g + L"*" + j + L" + Pi\u00B2*" + e +
        L"*" + w + L"/" + l + L"\u00B2) )\n    = " + f.Moment(moa) + L"\n");
}

}  // namespace

SegmentEnds EndRestraintTypes(const CAS4100Span& span, double mx, RuleSet rules) {
    SegmentEnds ends;
    ends.flange1Critical = CAS4100Span::IsFlange1Critical(span.IsCantilever(rules), mx);
    ends.left = CAS4100Span::RestType(ends.flange1Critical, span.RestraintEndL());
    ends.right = CAS4100Span::RestType(ends.flange1Critical, span.RestraintEndR());
    return ends;
}

double TwistRestraintFactor(const SegmentEnds& ends, double d1, double tf, double tw,
                            double length) {
    using namespace RestraintType;
    const unsigned l = ends.left;
    const unsigned r = ends.right;
    if (l > U || r > U) return kInfinity;
    const double increment = (d1 / length) * std::pow(tf / (2.0 * tw), 3.0);
    if (l == P && r == P) return 1.0 + 2.0 * increment;
    if (l == P || r == P) return 1.0 + increment;
    if (IsFOrL(l) && IsFOrL(r)) return 1.0;
    if ((l == F && r == U) || (l == U && r == F)) return 1.0;
    return kInfinity;  // L–U, U–L, U–U: not a segment of Table 5.6.3(1)
}

double LateralRotationRestraintFactor(const CAS4100Span& span, const SegmentEnds& ends) {
    if (ends.left == RestraintType::U || ends.right == RestraintType::U) return 1.0;
    const unsigned bit = RestraintBit::LateralRotation;
    const int restrainedEnds = (span.RestraintEndL().IsRestrained(bit, true) ? 1 : 0) +
                               (span.RestraintEndR().IsRestrained(bit, true) ? 1 : 0);
    if (restrainedEnds == 2) return 0.7;
    if (restrainedEnds == 1) return 0.85;
    return 1.0;
}

double MoaSymmetric(const CAS4100_98Section& section, const CAS4100Span& span, double iw,
                    CMemberResult* result, bool useOverride, double overrideLength) {
    const double le = section.SegmentEffectiveLength(span, result, useOverride, overrideLength);
    // π²E/Le² once: Pe = π²E·Iy/Le², Mo = √(Pe·(GJ + π²E·Iw/Le²)).
    const double k = kPiSquared * section.YoungsModulus() / (le * le);
    const double moa =
        std::sqrt((k * iw + section.J() * section.ShearModulus()) * section.Iyy() * k);
    if (IsTextOn(result)) ReportMoa(result, section, iw, le, moa);
    return moa;
}

double MonosymmetryTerm(double icy, double iyy, double area, double df, double ze) {
    return (2.0 * icy / iyy) * (area * df / 2.5) / ze;
}

bool IsWithinFullRestraintSlenderness(double length, double iyy, double area, double limit,
                                      double fy) {
    const double ry = std::sqrt(iyy / area);
    return length / ry <= limit * std::sqrt(kReferenceStress / fy);
}

}  // namespace ElasticBuckling

double CSectionCalcI::Moa(const CAS4100Span& span, CMemberResult* result, bool useOverride,
                          double overrideLength) const {
    return ElasticBuckling::MoaSymmetric(*this, span, Gamma(), result, useOverride, overrideLength);
}

double CSectionCalcI::TwistFactor(const CAS4100Span& span) const {
    const ElasticBuckling::SegmentEnds ends =
        ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules());
    const double tf = ends.flange1Critical ? GetT1() : GetT2();
    const double d1 = GetD() - GetT1() - GetT2();
    return ElasticBuckling::TwistRestraintFactor(ends, d1, tf, GetTw(), span.Length());
}

double CSectionCalcI::RotationalFactor(const CAS4100Span& span) const {
    return ElasticBuckling::LateralRotationRestraintFactor(
        span, ElasticBuckling::EndRestraintTypes(span, MomentXX(), Rules()));
}

bool CSectionCalcI::IsFullyRestrained(double length, double betaM, CMemberResult*) const {
    // cl. 5.3.2.4(a) doubly symmetric; (b) with the compression flange's monosymmetry term.
    double limit = 80.0 + 50.0 * betaM;
    if (!IsDoublySymmetric()) {
        // Positive Mx compresses flange 2 (the top flange).
        const bool flange2Compressed = MomentXX() >= 0.0;
        const double b = flange2Compressed ? GetB2() : GetB1();
        const double t = flange2Compressed ? GetT2() : GetT1();
        const double icy = b * b * b * t / 12.0;
        const double df = GetD() - (GetT1() + GetT2()) / 2.0;
        limit *=
            std::sqrt(ElasticBuckling::MonosymmetryTerm(icy, Iyy(), Area(), df, ZxxEffective()));
    }
    return ElasticBuckling::IsWithinFullRestraintSlenderness(length, Iyy(), Area(), limit,
                                                             DesignStressMin());
}

}  // namespace Arbor::Steel::SteelAS4100
