// Base of a design code's section object (ArSteel): the section record, the grade and the
// design actions at the current member point.
#pragma once

#include <memory>

#include "host/Restraint.h"
#include "host/Section.h"
#include "host/SteelGrade.h"
#include "host/Vec3.h"

namespace Arbor::Steel {

class CMemberResult;

class CSectionCodeBase {
  public:
    // Default plastic/elastic capacity ratio ρ: cl. 5.2.3 caps Ze at 1.5 Z.
    static constexpr double kDefaultPlasticElasticRatio = 1.5;

    CSectionCodeBase();
    CSectionCodeBase(const CSectionCodeBase&) = default;
    CSectionCodeBase& operator=(const CSectionCodeBase&) = default;
    virtual ~CSectionCodeBase() = default;

    // Keeps the record and takes its options (net area ratio, plastic/elastic ratio).
    virtual bool SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result);
    virtual const Arbor::Data::CSection& GetArborSec() const { return *section_; }
    virtual void SetSteelDesignProp(const CSteelGrade& grade);
    const CSteelGrade& Grade() const { return *grade_; }
    // Mirror about the x axis: the signs of Mx and Vy change.
    virtual void MirrorXX();

    // Principal-axis values; the calculators answer them from their geometry.
    virtual double Gamma() const { return 0.0; }  // warping constant Iw
    virtual double Iuu() const { return 0.0; }
    virtual double Ivv() const { return 0.0; }
    virtual double Alpha() const { return 0.0; }  // principal-axis angle, radians

    // Actions of the current point. forces = [N, V major (Vy), V minor (Vx)],
    // moments = [T, M major (Mx), M minor (My)]. N is positive in tension.
    void SetMemberForces(const Vec3& forces);
    void SetMemberMoments(const Vec3& moments);
    void SetForceAxial(double n) { N_ = n; }
    void SetMomentXX(double m) { Mx_ = m; }
    void SetMomentYY(double m) { My_ = m; }
    void ClearForcesAndMoments();
    double ForceAxial() const { return N_; }
    double MomentXX() const { return Mx_; }
    double MomentYY() const { return My_; }
    double Torsion() const { return T_; }
    double ShearX() const { return Vx_; }
    double ShearY() const { return Vy_; }

    // All the actions of the current point as one value, so that a check step that borrows the
    // section can put them back after it.
    struct Actions {
        double Mx, My, N, T, Vx, Vy;
        CRestraint restraint;
        bool hasRestraint;
    };
    Actions GetActions() const { return {Mx_, My_, N_, T_, Vx_, Vy_, restraint_, hasRestraint_}; }
    void SetActions(const Actions& a) {
        Mx_ = a.Mx, My_ = a.My, N_ = a.N, T_ = a.T, Vx_ = a.Vx, Vy_ = a.Vy;
        restraint_ = a.restraint;
        hasRestraint_ = a.hasRestraint;
    }

    void SetMemberRestraint(const CRestraint& r) {
        restraint_ = r;
        hasRestraint_ = true;
    }
    const CRestraint& MemberRestraint() const { return restraint_; }
    bool HasMemberRestraint() const { return hasRestraint_; }

    double NetAreaRatio() const { return netAreaRatio_; }
    void SetNetAreaRatio(double r) {
        netAreaRatio_ = r;
        Touch();
    }
    double PlasticElasticRatio() const { return plasticElasticRatio_; }
    bool IsPlasticElasticRatioDefault() const { return ratioIsDefault_; }
    void SetPlasticElasticRatio(double r) {
        plasticElasticRatio_ = r;
        ratioIsDefault_ = false;
        Touch();
    }

    // Changes whenever the section, grade, options or geometry may have changed (not with the
    // actions), so that values derived from them can be kept until it moves on.
    unsigned Revision() const { return revision_; }

  protected:
    void Touch() { ++revision_; }

  private:
    // Shared and never changed in place: copies of the section object (one per check step)
    // cost no copy of the record's strings and tables.
    std::shared_ptr<const Arbor::Data::CSection> section_;
    std::shared_ptr<const CSteelGrade> grade_;
    unsigned revision_ = 0;
    double Mx_ = 0.0, My_ = 0.0, N_ = 0.0, T_ = 0.0, Vx_ = 0.0, Vy_ = 0.0;
    CRestraint restraint_;
    bool hasRestraint_ = false;
    double netAreaRatio_ = 1.0;
    double plasticElasticRatio_ = kDefaultPlasticElasticRatio;
    bool ratioIsDefault_ = true;
};

}  // namespace Arbor::Steel
