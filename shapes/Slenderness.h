// Plate element slenderness of AS 4100 (cl. 5.2.2, Table 5.2, cl. 6.2.4) and the effective
// section modulus rules (cl. 5.2.3 to 5.2.5), shared by the open-section calculators.
#pragma once

#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100::Slenderness {

using BucklingClass = CAS4100_98Section::BucklingClass;

// The three slenderness limits of one plate element (Table 5.2).
struct Limits {
    double plasticity = 0.0;   // λep
    double yield = 0.0;        // λey
    double deformation = 0.0;  // λed
    double Select(CAS4100_98Section::SectionClass limit) const;
};

// sqrt(fy / 250 MPa), the yield ratio of cl. 5.2.2.
double YieldRatio(double fy);
// Element slenderness λe = (b/t)·sqrt(fy/250) (cl. 5.2.2).
double Element(double b, double t, double fy);

// Table 5.2 rows by residual stress category (0 HW, 1 HR, 2 CF, 3 LW, 4 SR). A code outside
// 0 to 4 gives λep = λey = 0, so every positive slenderness is slender.
// Flange outstand (one edge supported), uniform compression: λed 35.
Limits OutstandUniform(unsigned category);
// Outstand with compression at the unsupported edge, zero or tension at the supported edge.
Limits OutstandFreeEdge(unsigned category);
// Web (both edges supported) in bending: 82, 115, no deformation limit.
Limits WebInBending();
// Plate supported along both edges in uniform compression (the flanges of a box): 30, the
// yield limit of EffectiveWidthLimitBothEdges, 90; all 0 for a code outside 0 to 4.
Limits BothEdgesUniform(unsigned category);

// λey in uniform compression for the effective width of cl. 6.2.4; a code outside 0 to 4
// takes the heavily welded value.
double EffectiveWidthLimitOneEdge(unsigned category);    // 14 HW, 16 HR, 15 CF, 15 LW, 16 SR
double EffectiveWidthLimitBothEdges(unsigned category);  // 35 HW, 45 HR, 40 CF, 40 LW, 45 SR

// Class of an element against its limits; with checkDeform, beyond λed is Deform.
// The limits are inclusive: λe = λep is Compact, λe = λey NonCompact.
BucklingClass Classify(double lambda, const Limits& limits, bool checkDeform);
// Element in uniform compression (cl. 6.2.4): Slender beyond λey, otherwise Compact.
BucklingClass ClassifyCompression(double lambda, double yieldLimit);

// Width of an element lost to local buckling in compression (cl. 6.2.4):
// b − min(be, b) with be = b·λey/λe.
double IneffectiveWidth(double b, double t, double fy, double yieldLimit);

// Section slenderness λs of the governing element with its limits (cl. 5.2.2).
struct SectionSlenderness {
    double lambda = 0.0;       // λs
    double plasticity = 0.0;   // λsp
    double yield = 0.0;        // λsy
    double deformation = 0.0;  // λsd
};

// Which slender rule of cl. 5.2.5 applies: the linear one Z·λsy/λs (a slender element in
// uniform compression governs) or the squared one Z·(λsy/λs)² (a stress gradient governs).
enum class SlenderRule { Linear, Squared };

// Effective modulus (cl. 5.2.3 to 5.2.5): compact min(S, k·Z); non-compact interpolated
// between Z at λsy and min(S, k·Z) at λsp; any other class by the slender rule.
double EffectiveModulus(BucklingClass cls, const SectionSlenderness& slenderness, double z,
                        double s, double k, SlenderRule rule);

}  // namespace Arbor::Steel::SteelAS4100::Slenderness
