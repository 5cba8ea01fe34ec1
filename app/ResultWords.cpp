#include "app/ResultWords.h"

#include <cstdio>

namespace as4100 {

namespace {

using Arbor::Steel::UtilKind;
namespace Flag = Arbor::Steel::ResultFlag;

struct FlagPhrase {
    unsigned bit;
    const char* phrase;
};

// Bit 2 has two causes (an unhandled shape, with 8; Iyy above 1.01 Ixx, alone).
const FlagPhrase kFlagPhrases[] = {
    {Flag::Warning, "warning"},
    {Flag::Failed, "failed"},
    {Flag::ShapeNotHandled, "section shape not handled"},
    {Flag::LocalFail, "section capacity reached"},
    {Flag::LTBucklingFail, "lateral-torsional buckling fails"},
    {Flag::MajorBucklingFail, "major-axis buckling fails"},
    {Flag::MinorBucklingFail, "minor-axis or flexural-torsional buckling fails"},
    {Flag::LocalAxialFail, "axial section capacity exceeded"},
    {Flag::LocalMajorMomentFail, "major-axis section moment capacity exceeded"},
    {Flag::LocalMinorMomentFail, "minor-axis section moment capacity exceeded"},
    {Flag::TorsionWarning, "torsion above 5% of capacity"},
    {Flag::SlenderBending, "slender section in bending"},
    {Flag::SlenderWeb, "slender web"},
    {Flag::SlenderFlange, "slender flange"},
    {Flag::TorsionalBucklingFail, "torsional buckling fails"},
};

}  // namespace

const std::vector<UtilKindWords>& LocalUtilKinds(bool principal) {
    static const std::vector<UtilKindWords> strut = {
        {UtilKind::LocalAxial, "axial", "axial", "axial"},
        {UtilKind::LocalMomMajor, "moment_major", "M u-u", "u-u moment"},
        {UtilKind::LocalMomMinor, "moment_minor", "M v-v", "v-v moment"},
        {UtilKind::LocalShearMajor, "shear_major", "V y", "shear along y"},
        {UtilKind::LocalShearMinor, "shear_minor", "V x", "shear along x"},
        {UtilKind::LocalTorsion, "torsion", "torsion", "torsion"},
        {UtilKind::LocalCombined, "combined", "combined", "combined actions"},
    };
    if (principal) return strut;
    static const std::vector<UtilKindWords> kinds = {
        {UtilKind::LocalAxial, "axial", "axial", "axial"},
        {UtilKind::LocalMomMajor, "moment_major", "M major", "major-axis moment"},
        {UtilKind::LocalMomMinor, "moment_minor", "M minor", "minor-axis moment"},
        {UtilKind::LocalShearMajor, "shear_major", "V major", "major-axis shear"},
        {UtilKind::LocalShearMinor, "shear_minor", "V minor", "minor-axis shear"},
        {UtilKind::LocalTorsion, "torsion", "torsion", "torsion"},
        {UtilKind::LocalCombined, "combined", "combined", "combined actions"},
    };
    return kinds;
}

const std::vector<UtilKindWords>& BucklingUtilKinds(bool principal) {
    // The principal axes come first: when one of them gives the minor-axis utilisation (the
    // largest of y-y, u-u and v-v), it is the one named as governing; otherwise y-y gave it.
    static const std::vector<UtilKindWords> strut = {
        {UtilKind::BucklingAxialUU, "axial_uu", "N u-u", "u-u flexural buckling"},
        {UtilKind::BucklingAxialVV, "axial_vv", "N v-v", "v-v flexural buckling"},
        {UtilKind::BucklingAxialMajor, "axial_major", "N x-x", "x-x flexural buckling"},
        {UtilKind::BucklingAxialMinor, "axial_minor", "N minor", "y-y flexural buckling"},
        {UtilKind::BucklingAxialTorsion, "torsional", "N tors", "torsional buckling"},
        {UtilKind::BucklingAxialFlexuralTorsion, "flexural_torsional", "N flex-tors",
         "flexural-torsional buckling"},
        {UtilKind::BucklingLT, "lateral_torsional", "LTB u-u", "lateral-torsional buckling"},
        {UtilKind::BucklingCombined, "combined", "combined", "combined actions"},
    };
    if (principal) return strut;
    static const std::vector<UtilKindWords> kinds = {
        {UtilKind::BucklingAxialMajor, "axial_major", "N major", "major-axis flexural buckling"},
        {UtilKind::BucklingAxialMinor, "axial_minor", "N minor", "minor-axis flexural buckling"},
        {UtilKind::BucklingAxialTorsion, "torsional", "N tors", "torsional buckling"},
        {UtilKind::BucklingAxialFlexuralTorsion, "flexural_torsional", "N flex-tors",
         "flexural-torsional buckling"},
        {UtilKind::BucklingLT, "lateral_torsional", "LTB", "lateral-torsional buckling"},
        {UtilKind::BucklingCombined, "combined", "combined", "combined actions"},
    };
    return kinds;
}

std::vector<std::string> FlagWords(unsigned flags) {
    std::vector<std::string> words;
    unsigned named = 0;
    for (const FlagPhrase& p : kFlagPhrases) {
        if (flags & p.bit) words.emplace_back(p.phrase);
        named |= p.bit;
    }
    for (unsigned bit = 1; bit != 0; bit <<= 1) {
        if ((flags & bit) && !(named & bit)) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%x", bit);
            words.emplace_back(hex);
        }
    }
    return words;
}

}  // namespace as4100
