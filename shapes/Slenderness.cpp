// Plate element slenderness, Table 5.2 limits and effective moduli (cl. 5.2, 6.2.4).
#include "shapes/Slenderness.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/Section.h"

namespace Arbor::Steel::SteelAS4100::Slenderness {

namespace {

namespace RS = Arbor::Data::ResidualStress;

constexpr double kInfinite = std::numeric_limits<double>::infinity();
constexpr double kReferenceYieldStress = 2.5e8;  // 250 MPa
constexpr double kOutstandUniformDeformation = 35.0;

// λep of an outstand: the same for both stress distributions (Table 5.2).
double OutstandPlasticity(unsigned category) {
    switch (category) {
        case RS::SR:
            return 10.0;
        case RS::HR:
            return 9.0;
        case RS::HW:
        case RS::CF:
        case RS::LW:
            return 8.0;
        default:
            return 0.0;
    }
}

}  // namespace

double Limits::Select(CAS4100_98Section::SectionClass limit) const {
    switch (limit) {
        case CAS4100_98Section::PlasticityLimit:
            return plasticity;
        case CAS4100_98Section::YieldLimit:
            return yield;
        case CAS4100_98Section::DeformationLimit:
            return deformation;
    }
    return 0.0;
}

double YieldRatio(double fy) {
    return std::sqrt(fy / kReferenceYieldStress);
}

double Element(double b, double t, double fy) {
    return (b / t) * YieldRatio(fy);
}

Limits OutstandUniform(unsigned category) {
    double yield = 0.0;
    switch (category) {
        case RS::HW:
            yield = 14.0;
            break;
        case RS::HR:
        case RS::SR:
            yield = 16.0;
            break;
        case RS::CF:
        case RS::LW:
            yield = 15.0;
            break;
        default:
            break;
    }
    return {OutstandPlasticity(category), yield, kOutstandUniformDeformation};
}

Limits OutstandFreeEdge(unsigned category) {
    double yield = 0.0;
    switch (category) {
        case RS::HR:
        case RS::SR:
            yield = 25.0;
            break;
        case RS::HW:
        case RS::CF:
        case RS::LW:
            yield = 22.0;
            break;
        default:
            break;
    }
    return {OutstandPlasticity(category), yield, kInfinite};
}

Limits WebInBending() {
    return {82.0, 115.0, kInfinite};
}

Limits BothEdgesUniform(unsigned category) {
    if (category > RS::SR) return {};
    return {30.0, EffectiveWidthLimitBothEdges(category), 90.0};
}

double EffectiveWidthLimitOneEdge(unsigned category) {
    switch (category) {
        case RS::HR:
        case RS::SR:
            return 16.0;
        case RS::CF:
        case RS::LW:
            return 15.0;
        default:
            return 14.0;
    }
}

double EffectiveWidthLimitBothEdges(unsigned category) {
    switch (category) {
        case RS::HR:
        case RS::SR:
            return 45.0;
        case RS::CF:
        case RS::LW:
            return 40.0;
        default:
            return 35.0;
    }
}

BucklingClass Classify(double lambda, const Limits& limits, bool checkDeform) {
    if (checkDeform && lambda > limits.deformation) return CAS4100_98Section::Deform;
    if (lambda <= limits.plasticity) return CAS4100_98Section::Compact;
    if (lambda <= limits.yield) return CAS4100_98Section::NonCompact;
    return CAS4100_98Section::Slender;
}

BucklingClass ClassifyCompression(double lambda, double yieldLimit) {
    return lambda > yieldLimit ? CAS4100_98Section::Slender : CAS4100_98Section::Compact;
}

double IneffectiveWidth(double b, double t, double fy, double yieldLimit) {
    const double effective = yieldLimit * b / (YieldRatio(fy) * (b / t));
    return b - std::min(effective, b);
}

double EffectiveModulus(BucklingClass cls, const SectionSlenderness& sl, double z, double s,
                        double k, SlenderRule rule) {
    const double compact = std::min(s, k * z);
    switch (cls) {
        case CAS4100_98Section::Compact:
            return compact;
        case CAS4100_98Section::NonCompact:
            return z + (sl.yield - sl.lambda) / (sl.yield - sl.plasticity) * (compact - z);
        default:
            break;
    }
    const double ratio = sl.yield / sl.lambda;
    return rule == SlenderRule::Linear ? z * ratio : z * ratio * ratio;
}

}  // namespace Arbor::Steel::SteelAS4100::Slenderness
