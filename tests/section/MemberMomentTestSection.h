// A section calculator for the member moment and member check tests: every property is a
// plain value the test sets, so that a test can give the elastic buckling moment, the
// effective moduli or the class directly and check what is built on them.
#pragma once

#include <limits>

#include "section/AS4100Section.h"

namespace as4100test {

using Arbor::Steel::CMemberResult;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
using Arbor::Steel::SteelAS4100::CAS4100Span;

// Values of a 310UB40.4 in 300PLUS (published properties, fy = 320 MPa for tf = 10.2 mm).
struct TestSectionValues {
    double fy = 320e6, fu = 440e6, E = 2e11, G = 8e10;
    double area = 5.21e-3, ixx = 86.4e-6, iyy = 7.65e-6, j = 0.157e-6, iw = 165e-9;
    double zex = 633e-6, zey = 142e-6, aeff = 5.21e-3, depth = 0.304;
    double zexHogging = 0.0;  // Ze under a negative Mx when not 0 (a monosymmetric section)
    double moa = std::numeric_limits<double>::infinity();  // elastic buckling moment
    double kt = 1.0, kr = 1.0;                             // twist, rotation factors
    double ncT = std::numeric_limits<double>::infinity(), noz = 1.0e7;
    double ncTF = std::numeric_limits<double>::infinity(), ncTFAux = 0.0;
    bool fullyRestrained = false;
    CAS4100_98Section::BucklingClass overallClass = CAS4100_98Section::Compact;
    bool doubly = true, iOrH = true, rectangular = false, hollow = false, circular = false,
         square = false;
};

class MomentTestSection : public CAS4100_98Section {
  public:
    explicit MomentTestSection(TestSectionValues v = {}) : v_(v) {}
    TestSectionValues& Values() { return v_; }

    CAS4100_98Section* Clone() const override { return new MomentTestSection(*this); }
    double Area() const override { return v_.area; }
    double Ybar() const override { return v_.depth / 2.0; }
    double Xbar() const override { return 0.0825; }
    double Ixx() const override { return v_.ixx; }
    double Iyy() const override { return v_.iyy; }
    double Ixy() const override { return 0.0; }
    double Sxx() const override { return v_.zex; }
    double Syy() const override { return v_.zey; }
    double Zxx() const override { return v_.zex / 1.1; }
    double Zyy() const override { return v_.zey / 1.5; }
    double J() const override { return v_.j; }
    double Gamma() const override { return v_.iw; }
    BucklingClass BucklingClassXX(CMemberResult*) override { return v_.overallClass; }
    BucklingClass BucklingClassYY(CMemberResult*) override { return v_.overallClass; }
    BucklingClass BucklingClassOverAll(CMemberResult*) override { return v_.overallClass; }
    double Depth() const override { return v_.depth; }
    double AlphaB(const double&) const override { return 0.0; }
    double Kt() const override { return 1.0; }
    double ZxxEffective() const override {
        return MomentXX() < 0.0 && v_.zexHogging > 0.0 ? v_.zexHogging : v_.zex;
    }
    double ZyyEffective() const override { return v_.zey; }
    double AreaCompEffective() const override { return v_.aeff; }
    double ShearAreaX(CMemberResult*) const override { return 3.4e-3; }
    double ShearAreaY(CMemberResult*) const override { return 1.9e-3; }
    bool IsCircular() const override { return v_.circular; }
    bool IsDoublySymmetric() const override { return v_.doubly; }
    bool IsHollow() const override { return v_.hollow; }
    bool IsIorHSection() const override { return v_.iOrH; }
    bool IsRectangular() const override { return v_.rectangular; }
    bool IsSquare() const override { return v_.square; }
    bool IsStrutAndTieOnly() const override { return false; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return false; }
    double MaxThick() const override { return 0.0102; }
    bool IsFullyRestrained(double, double, CMemberResult*) const override {
        return v_.fullyRestrained;
    }
    double ShearCapacityX(CMemberResult*) const override { return 6.0e5; }
    double ShearCapacityY(CMemberResult*) const override { return 4.0e5; }
    double TorsionCapacity(CMemberResult*) const override { return 1.0e4; }
    double Moa(const CAS4100Span&, CMemberResult*, bool, double) const override { return v_.moa; }
    double Ncxx(double, double& ncr, CMemberResult*) const override {
        ncr = 1.0e7;
        return 1.0e6;
    }
    double Ncyy(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    // The elastic torsional buckling load falls with le² like an Euler load.
    double NcT(double le, double& noz, CMemberResult*) const override {
        noz = v_.noz / (le * le);
        return v_.ncT;
    }
    double NcTF(double, double, double, double& aux, CMemberResult*) const override {
        aux = v_.ncTFAux;
        return v_.ncTF;
    }
    double Ncuu(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    double Ncvv(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    double DeltaMxx(CMemberResult*) const override { return 0.0; }
    double DeltaMyy(CMemberResult*) const override { return 0.0; }
    double TwistFactor(const CAS4100Span&) const override { return v_.kt; }
    double RotationalFactor(const CAS4100Span&) const override { return v_.kr; }
    double DesignStressMin() const override { return v_.fy; }
    double TensileStrength() const override { return v_.fu; }
    double YoungsModulus() const override { return v_.E; }
    double ShearModulus() const override { return v_.G; }

  private:
    TestSectionValues v_;
};

}  // namespace as4100test
