// A section calculator for driver tests: fixed, simple capacities, and a shared log of what the
// driver asked of it (the actions of every local check, the buckling capacities requested).
#pragma once

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "section/AS4100Section.h"

namespace as4100test {

using Arbor::Steel::CMemberResult;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
using Arbor::Steel::SteelAS4100::CAS4100Span;

struct LocalCheckCall {
    double N, Vy, Vx, T, Mx, My;
    unsigned restraintBits;
};

struct DriverLog {
    std::vector<std::string> events;  // "buckling" or "local", in call order
    std::vector<LocalCheckCall> localChecks;
};

class RecordingSection : public CAS4100_98Section {
  public:
    explicit RecordingSection(std::shared_ptr<DriverLog> log, double capacityScale = 1.0)
        : log_(std::move(log)), scale_(capacityScale) {}

    CAS4100_98Section* Clone() const override { return new RecordingSection(*this); }
    double Area() const override { return 5.0e-3; }
    double Ybar() const override { return 0.15; }
    double Xbar() const override { return 0.08; }
    double Ixx() const override { return 8.0e-5; }
    double Iyy() const override { return 7.0e-6; }
    double Ixy() const override { return 0.0; }
    double Sxx() const override { return 6.0e-4; }
    double Syy() const override { return 1.4e-4; }
    double Zxx() const override { return 5.4e-4; }
    double Zyy() const override { return 9.0e-5; }
    double J() const override { return 1.5e-7; }
    BucklingClass BucklingClassXX(CMemberResult*) override { return Compact; }
    BucklingClass BucklingClassYY(CMemberResult*) override { return Compact; }
    BucklingClass BucklingClassOverAll(CMemberResult*) override { return Compact; }
    double Depth() const override { return 0.3; }
    double AlphaB(const double&) const override { return 0.0; }
    double Kt() const override { return 1.0; }
    double ZxxEffective() const override { return scale_ * 6.0e-4; }
    double ZyyEffective() const override { return scale_ * 1.4e-4; }
    double AreaCompEffective() const override { return scale_ * 5.0e-3; }
    double ShearAreaX(CMemberResult*) const override { return 3.0e-3; }
    double ShearAreaY(CMemberResult*) const override { return 2.0e-3; }
    bool IsCircular() const override { return false; }
    bool IsDoublySymmetric() const override { return true; }
    bool IsHollow() const override { return false; }
    bool IsIorHSection() const override { return true; }
    bool IsRectangular() const override { return false; }
    bool IsSquare() const override { return false; }
    bool IsStrutAndTieOnly() const override { return false; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return false; }
    double MaxThick() const override { return 0.01; }
    bool IsFullyRestrained(double, double, CMemberResult*) const override { return true; }
    double ShearCapacityX(CMemberResult*) const override { return scale_ * 6.0e5; }
    double ShearCapacityY(CMemberResult*) const override { return scale_ * 4.0e5; }
    // Called once at every local check point: the place to see what the driver set.
    double TorsionCapacity(CMemberResult*) const override {
        log_->events.push_back("local");
        log_->localChecks.push_back({ForceAxial(), ShearY(), ShearX(), Torsion(), MomentXX(),
                                     MomentYY(), MemberRestraint().Bits()});
        return scale_ * 1.0e4;
    }
    double Moa(const CAS4100Span&, CMemberResult*, bool, double) const override {
        return std::numeric_limits<double>::infinity();
    }
    double Ncxx(double, double& ncr, CMemberResult*) const override {
        log_->events.push_back("buckling");
        ncr = 1.0e7;
        return scale_ * 1.0e6;
    }
    double Ncyy(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    double NcT(double, double& noz, CMemberResult*) const override {
        noz = std::numeric_limits<double>::infinity();
        return noz;
    }
    double NcTF(double, double, double, double& aux, CMemberResult*) const override {
        aux = 0.0;
        return std::numeric_limits<double>::infinity();
    }
    double Ncuu(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    double Ncvv(double le, double& ncr, CMemberResult* r) const override {
        return Ncyy(le, ncr, r);
    }
    double DeltaMxx(CMemberResult*) const override { return 0.0; }
    double DeltaMyy(CMemberResult*) const override { return 0.0; }
    double TwistFactor(const CAS4100Span&) const override { return 1.0; }
    double RotationalFactor(const CAS4100Span&) const override { return 1.0; }

  private:
    std::shared_ptr<DriverLog> log_;
    double scale_;
};

}  // namespace as4100test
