// Section base: local buckling class words and combination (cl. 5.2), grade properties and
// the design moments enlarged by the eccentricity of the axial force.
#include "section/AS4100Section.h"

#include <cmath>
#include <limits>

namespace Arbor::Steel::SteelAS4100 {

namespace {

const std::shared_ptr<const CString>& NoCodeName() {
    static const auto none = std::make_shared<const CString>();
    return none;
}

}  // namespace

CAS4100_98Section::CAS4100_98Section() : codeName_(NoCodeName()) {}

void CAS4100_98Section::SetCodeName(const CString& name) {
    codeName_ = std::make_shared<const CString>(name);
}

CAS4100_98Section& CAS4100_98Section::operator=(const CAS4100_98Section& other) {
    CSectionCodeBase::operator=(other);
    if (this != &other) {
        cache1_.clear();
        cache1_.insert(other.cache1_.begin(), other.cache1_.end());
        cache2_.clear();
        cache2_.insert(other.cache2_.begin(), other.cache2_.end());
    }
    codeName_ = other.codeName_;
    rules_ = other.rules_;
    keptMask_ = 0;  // the kept values of a whole object go only with a whole copy
    primed_ = false;
    Touch();
    return *this;
}

double CAS4100_98Section::LambdaWebYield() const {
    return std::numeric_limits<double>::infinity();
}

// fy and fu of the thickest element: the lowest design strength over the elements.
double CAS4100_98Section::DesignStressMin() const {
    return KeptValue(Kept::DesignStressMin, [this] { return Grade().DesignStrength(MaxThick()); });
}
double CAS4100_98Section::TensileStrength() const {
    return KeptValue(Kept::TensileStrength, [this] { return Grade().TensileStrength(MaxThick()); });
}
double CAS4100_98Section::ShearYieldStress(double plateThickness) const {
    return rules_ == RuleSet::Standard ? Grade().DesignStrength(plateThickness) : DesignStressMin();
}
double CAS4100_98Section::CombinedExponent(double biaxial, bool bothAxes) const {
    const bool clauseForm = rules_ == RuleSet::Standard && !uniaxialExponentKept_ && !bothAxes;
    return clauseForm ? 1.0 : biaxial;
}
double CAS4100_98Section::YoungsModulus() const {
    return Grade().YoungsModulus();
}
double CAS4100_98Section::ShearModulus() const {
    return Grade().ShearModulus();
}

void CAS4100_98Section::KeepValues() {
    if (primed_ && primedRevision_ == Revision()) return;
    DesignStressMin();
    TensileStrength();
    ZyyEffective();
    AreaCompEffective();
    LambdaWeb();
    // Both signs of Mx, for the values that follow the compression flange.
    const double mx = MomentXX();
    for (double sign : {1.0, -1.0}) {
        SetMomentXX(sign);
        ZxxEffective();
        OverAllClass();
    }
    SetMomentXX(mx);
    primed_ = true;
    primedRevision_ = Revision();
}

CAS4100_98Section::BucklingClass CAS4100_98Section::BucklingClassBiAxial(CMemberResult* result) {
    const BucklingClass major = BucklingClassXX(result);
    const BucklingClass minor = BucklingClassYY(result);
    return Worst(major, minor);
}

// Invalid dominates, then Deform, Slender, NonCompact; Compact only when both are.
CAS4100_98Section::BucklingClass CAS4100_98Section::Worst(BucklingClass a, BucklingClass b) {
    for (BucklingClass worse : {Invalid, Deform, Slender, NonCompact}) {
        if (a == worse || b == worse) return worse;
    }
    return Compact;
}

// The word of a class; the words are kept, so that a report line takes them without a copy.
const CString& CAS4100_98Section::GetLBCString(BucklingClass c) {
    static const CString kWords[] = {L"Invalid", L"Compact", L"NonCompact", L"Slender", L"Deform"};
    static const CString kNone;
    return c >= Invalid && c <= Deform ? kWords[c] : kNone;
}

// The design moment with the eccentricity moment of the axial force: the signed value of the
// larger magnitude of M and M + ΔM, so that an eccentricity never lowers the design moment.
double CAS4100_98Section::SignedDesignMoment(bool major) const {
    const double m = major ? MomentXX() : MomentYY();
    const double delta = major ? DeltaMxx(nullptr) : DeltaMyy(nullptr);
    const double enlarged = std::fabs(delta) > kNegligibleEccentricityMoment ? m + delta : m;
    return std::fabs(m) > std::fabs(enlarged) ? m : enlarged;
}

}  // namespace Arbor::Steel::SteelAS4100
