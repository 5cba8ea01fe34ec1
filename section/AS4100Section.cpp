// PLACEHOLDER: section base (slots, classes, grade properties) - being written.
#include "section/AS4100Section.h"

#include <limits>

namespace Arbor::Steel::SteelAS4100 {

CAS4100_98Section& CAS4100_98Section::operator=(const CAS4100_98Section& other) {
    if (this != &other) {
        CSectionCodeBase::operator=(other);
        cache1_ = other.cache1_;
        cache2_ = other.cache2_;
        codeName_ = other.codeName_;
    }
    return *this;
}
double CAS4100_98Section::LambdaWebYield() const { return std::numeric_limits<double>::infinity(); }
double CAS4100_98Section::DesignStressMin() const { return Grade().DesignStrength(MaxThick()); }
double CAS4100_98Section::TensileStrength() const { return Grade().TensileStrength(MaxThick()); }
double CAS4100_98Section::YoungsModulus() const { return Grade().YoungsModulus(); }
double CAS4100_98Section::ShearModulus() const { return Grade().ShearModulus(); }
CAS4100_98Section::BucklingClass CAS4100_98Section::BucklingClassBiAxial(CMemberResult*) { return Invalid; }
CAS4100_98Section::BucklingClass CAS4100_98Section::Worst(BucklingClass a, BucklingClass) { return a; }
CString CAS4100_98Section::GetLBCString(BucklingClass) { return {}; }

}  // namespace Arbor::Steel::SteelAS4100
