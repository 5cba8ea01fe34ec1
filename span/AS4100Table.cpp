// Member effective length factors ke of Figure 4.6.3.2 (cl. 4.6.3.2) for members with
// idealised end restraints.
#include "span/AS4100Table.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// State of one freedom that a row of the figure asks for.
enum class Held { Yes, No };

struct KeRow {
    Held end1Translation, end1Rotation, end2Translation, end2Rotation;
    double ke;
};

// Rows 1 to 4: braced members (both ends held against translation); rows 5 to 10: sway
// members with one end free to translate.
constexpr KeRow kRows[] = {
    {Held::Yes, Held::Yes, Held::Yes, Held::Yes, 0.7},
    {Held::Yes, Held::Yes, Held::Yes, Held::No, 0.85},
    {Held::Yes, Held::No, Held::Yes, Held::Yes, 0.85},
    {Held::Yes, Held::No, Held::Yes, Held::No, 1.0},
    {Held::Yes, Held::Yes, Held::No, Held::Yes, 1.2},
    {Held::No, Held::Yes, Held::Yes, Held::Yes, 1.2},
    {Held::Yes, Held::Yes, Held::No, Held::No, 2.2},
    {Held::No, Held::No, Held::Yes, Held::Yes, 2.2},
    {Held::Yes, Held::No, Held::No, Held::Yes, 2.2},
    {Held::No, Held::Yes, Held::Yes, Held::No, 2.2},
};

// A bit whose state the record does not know matches neither test.
bool Matches(const CRestraint& restraint, unsigned bit, Held wanted) {
    return wanted == Held::Yes ? restraint.IsRestrained(bit, true) : restraint.IsFree(bit, true);
}

double LookUp(const CRestraint& end1, const CRestraint& end2, unsigned translation,
              unsigned rotation) {
    for (const KeRow& row : kRows) {
        if (Matches(end1, translation, row.end1Translation) &&
            Matches(end1, rotation, row.end1Rotation) &&
            Matches(end2, translation, row.end2Translation) &&
            Matches(end2, rotation, row.end2Rotation)) {
            return row.ke;
        }
    }
    return kInfinity;
}

void Report(CMemberResult* result, double ke) {
    if (!result || !result->TextEnabled()) return;
    result->AddOutputString(L"<i>ref. AS4100:1998 Figure 4.6.3.2:</i> ");
    result->AddOutputString(std::isfinite(ke) ? result->DesFormat().NoDim(ke) + L"L"
                                              : CString(L"Factor Not Exist In Table"));
    result->AddOutputString(L"\n");
}

}  // namespace

double CAS4100_98Table::Table4_6_3_2_XX(const CRestraint& end1, const CRestraint& end2) const {
    const double ke = LookUp(end1, end2, RestraintBit::TranslationXX, RestraintBit::RotationXX);
    Report(result_, ke);
    return ke;
}

double CAS4100_98Table::Table4_6_3_2_YY(const CRestraint& end1, const CRestraint& end2) const {
    const double ke = LookUp(end1, end2, RestraintBit::TranslationYY, RestraintBit::RotationYY);
    Report(result_, ke);
    return ke;
}

// Angle struts buckle about v-v, between the two geometric axes: the larger factor governs.
double CAS4100_98Table::Table4_6_3_2_VV(const CRestraint& end1, const CRestraint& end2) const {
    const CAS4100_98Table silent(nullptr);
    const double keX = silent.Table4_6_3_2_XX(end1, end2);
    const double keY = silent.Table4_6_3_2_YY(end1, end2);
    const double ke = std::isfinite(keX) && std::isfinite(keY) ? std::max(keX, keY) : kInfinity;
    Report(result_, ke);
    return ke;
}

}  // namespace Arbor::Steel::SteelAS4100
