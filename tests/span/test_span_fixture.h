// Fixtures for the span, column and buckling tests: a section calculator with fixed properties
// whose flexural capacities come from the shared column curve, and a member built from point
// positions, restraint words and sub-span actions.
#pragma once

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "MemberTestAccess.h"
#include "section/AS4100Section.h"
#include "shapes/ColumnStrength.h"

namespace spantest {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// Restraint words.
inline constexpr unsigned kPinned = RestraintBit::TranslationXX | RestraintBit::TranslationYY;
inline constexpr unsigned kFixed = kPinned | RestraintBit::RotationXX | RestraintBit::RotationYY;
// Support holding both flanges laterally and the section against twist: an F end.
inline constexpr unsigned kFEnd = 0x200000 | 0x100000 | 64 | 128 | 512 | 1024;

struct SectionProps {
    double area = 5.0e-3;
    double ixx = 8.0e-5;
    double iyy = 1.0e-5;
    double areaCompEffective = 5.0e-3;  // kf = 1
    double alphaB = 0.0;
    double fy = 250e6;
    double E = 200e9;
    double depth = 0.3;
    bool circular = false;
    bool square = false;
    bool doublySymmetric = true;
    bool fullyRestrained = true;  // answer of IsFullyRestrained (cl. 5.3.2.4)
    double fu = 440e6;
    // Angle strut: principal angle α (Mu = Mx cos α + My sin α), principal moduli and a fixed
    // member moment capacity about u-u.
    bool strut = false;
    double alpha = 0.0;
    double zuu = 2.0e-4;
    double zvv = 1.0e-4;
    double mbuu = 40e3;
};

// Only Area, Ixx, Iyy, AreaCompEffective, AlphaB, fy and E matter to the column curve; the
// rest are plain values so that the member's other checks can run.
class FixedSection : public CAS4100_98Section {
  public:
    explicit FixedSection(const SectionProps& p = {}) : p_(p) {}

    CAS4100_98Section* Clone() const override { return new FixedSection(*this); }
    double Area() const override { return p_.area; }
    double Ybar() const override { return p_.depth / 2; }
    double Xbar() const override { return 0.08; }
    double Ixx() const override { return p_.ixx; }
    double Iyy() const override { return p_.iyy; }
    double Ixy() const override { return 0.0; }
    double Sxx() const override { return 6.0e-4; }
    double Syy() const override { return 1.4e-4; }
    double Zxx() const override { return 5.4e-4; }
    double Zyy() const override { return 9.0e-5; }
    double J() const override { return 1.5e-7; }
    BucklingClass BucklingClassXX(CMemberResult*) override { return Compact; }
    BucklingClass BucklingClassYY(CMemberResult*) override { return Compact; }
    BucklingClass BucklingClassOverAll(CMemberResult*) override { return Compact; }
    double Depth() const override { return p_.depth; }
    double AlphaB(const double&) const override { return p_.alphaB; }
    double Kt() const override { return 1.0; }
    double ZxxEffective() const override { return 6.0e-4; }
    double ZyyEffective() const override { return 1.4e-4; }
    double AreaCompEffective() const override { return p_.areaCompEffective; }
    double ShearAreaX(CMemberResult*) const override { return 3.0e-3; }
    double ShearAreaY(CMemberResult*) const override { return 2.0e-3; }
    bool IsCircular() const override { return p_.circular; }
    bool IsDoublySymmetric() const override { return p_.doublySymmetric; }
    bool IsHollow() const override { return p_.circular || p_.square; }
    bool IsIorHSection() const override { return !IsHollow(); }
    bool IsRectangular() const override { return p_.square; }
    bool IsSquare() const override { return p_.square; }
    bool IsStrutAndTieOnly() const override { return p_.strut; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return false; }
    double MaxThick() const override { return 0.01; }
    bool IsFullyRestrained(double, double, CMemberResult*) const override {
        return p_.fullyRestrained;
    }
    double ShearCapacityX(CMemberResult*) const override { return 6.0e5; }
    double ShearCapacityY(CMemberResult*) const override { return 4.0e5; }
    double TorsionCapacity(CMemberResult*) const override { return 1.0e4; }
    double Moa(const CAS4100Span&, CMemberResult*, bool, double) const override { return kInf; }
    double Ncxx(double le, double& ncr, CMemberResult* r) const override {
        return FlexuralColumnCapacity(*this, le, BucklingAxis::XX, ncr, r);
    }
    double Ncyy(double le, double& ncr, CMemberResult* r) const override {
        return FlexuralColumnCapacity(*this, le, BucklingAxis::YY, ncr, r);
    }
    double NcT(double, double& noz, CMemberResult*) const override {
        noz = kInf;
        return kInf;
    }
    double NcTF(double, double, double, double& aux, CMemberResult*) const override {
        aux = kInf;
        return kInf;
    }
    double Ncuu(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    double Ncvv(double le, double& ncr, CMemberResult* r) const override {
        return Ncyy(le, ncr, r);
    }
    // An eccentricity moment proportional to the axial force, so that the tests see which
    // force the checks applied.
    double DeltaMxx(CMemberResult*) const override { return 0.01 * ForceAxial(); }
    double DeltaMyy(CMemberResult*) const override { return -0.02 * ForceAxial(); }
    double TwistFactor(const CAS4100Span&) const override { return 1.0; }
    double RotationalFactor(const CAS4100Span&) const override { return 1.0; }
    double DesignStressMin() const override { return p_.fy; }
    double TensileStrength() const override { return p_.fu; }
    double ZuuEffective() const override { return p_.zuu; }
    double ZvvEffective() const override { return p_.zvv; }
    // The signed value of largest magnitude over the pairs (x1, y1), (x1, y2), (x2, y1), (x2, y2).
    double Muu(double x1, double x2, double y1, double y2) const override {
        return Largest(x1, x2, y1, y2, [this](double x, double y) {
            return x * std::cos(p_.alpha) + y * std::sin(p_.alpha);
        });
    }
    double Mvv(double x1, double x2, double y1, double y2) const override {
        return Largest(x1, x2, y1, y2, [this](double x, double y) {
            return y * std::cos(p_.alpha) - x * std::sin(p_.alpha);
        });
    }
    double Mbxx(const CAS4100Span&, double, CMemberResult*, bool, double) const override {
        return p_.mbuu;
    }
    double YoungsModulus() const override { return p_.E; }

  private:
    template <typename F>
    static double Largest(double x1, double x2, double y1, double y2, F moment) {
        double best = moment(x1, y1);
        for (double m : {moment(x1, y2), moment(x2, y1), moment(x2, y2)}) {
            if (std::fabs(m) > std::fabs(best)) best = m;
        }
        return best;
    }
    SectionProps p_;
};

struct PointSpec {
    double x;
    unsigned bits;
    double loadHeight = 0.0;
};

struct SubSpanActions {
    Vec3 forcesLeft, forcesRight, momentsLeft, momentsRight;
    unsigned continuousBits = 0;
};

// A member over the given points; sub-span i gets actions[i] (or none when absent).
struct MemberFixture {
    CMemberResult result;
    CAS4100_98Member member;

    MemberFixture(const std::vector<PointSpec>& points,
                  const std::vector<SubSpanActions>& actions = {}, const SectionProps& props = {}) {
        member.SetResult(&result);
        MemberPointVec pts;
        for (const PointSpec& p : points)
            pts.emplace_back(p.x, CRestraint(static_cast<int>(p.bits), 0, p.loadHeight));
        SubSpanVec subs;
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            const SubSpanActions a = i < actions.size() ? actions[i] : SubSpanActions{};
            subs.emplace_back(static_cast<int>(i), a.forcesLeft, a.forcesRight, a.momentsLeft,
                              a.momentsRight, CRestraint(static_cast<int>(a.continuousBits)));
        }
        member.SetMemberPointVec(pts);
        member.SetSubSpanVec(subs);
        auto calculator = std::make_shared<FixedSection>(props);
        calculator->SetCodeName(L"AS 4100-1998");
        MemberTestAccess::SetCalculator(member, calculator);
    }

    CAS4100Span Span(int left, int right) const {
        return CAS4100Span(&member.GetMemberPointVec(), &member.GetSubSpanVec(), left, right);
    }
    CAS4100Span NullSpan() const { return Span(0, 0); }

    // The report as one text.
    CString Report() const {
        CString text;
        for (const ReportPiece& piece : result.Report()) text += piece.text;
        return text;
    }
};

// Every span a search finds, as (left, right) pairs, from the null span.
template <typename Find>
std::vector<std::pair<int, int>> AllSpans(const MemberFixture& f, Find find) {
    std::vector<std::pair<int, int>> spans;
    CAS4100Span span = f.NullSpan();
    while (find(f.member, span) && spans.size() < 100)
        spans.emplace_back(span.GetCMPIndexLeft(), span.GetCMPIndexRight());
    return spans;
}

}  // namespace spantest
