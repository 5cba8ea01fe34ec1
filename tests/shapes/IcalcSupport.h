// I sections for the section and I-calculator tests: catalogue sections in a catalogue grade,
// or sections made from plate dimensions (millimetres) in a one-band grade.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "host/Catalogue.h"
#include "host/MemberResult.h"
#include "shapes/SectionCalcI.h"

namespace icalc {

using Arbor::Steel::CMemberResult;
using Arbor::Steel::SteelAS4100::CSectionCalcI;
namespace RS = Arbor::Data::ResidualStress;

inline CSectionCalcI Catalogued(std::string_view designation, std::string_view grade) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const auto* entry = catalogue.FindSection(designation);
    const auto steel = catalogue.FindGrade(grade);
    CSectionCalcI section;
    EXPECT_NE(entry, nullptr) << designation;
    EXPECT_TRUE(steel.has_value()) << grade;
    if (entry) {
        EXPECT_TRUE(section.SetArborSec(entry->section, nullptr)) << designation;
    }
    if (steel) section.SetSteelDesignProp(*steel);
    return section;
}

// fy and fu for every thickness, in MPa.
inline Arbor::Data::CSteelGrade OneBandGrade(double fyMPa, double fuMPa) {
    Arbor::Data::GradeBand band;
    band.op = Arbor::Data::GradeBand::Any;
    band.fy = fyMPa * 1e6;
    band.fu = fuMPa * 1e6;
    return Arbor::Data::CSteelGrade(L"Test grade", {band});
}

struct Plates {
    double D, B1, T1, B2, T2, tw;  // millimetres; no root radius
    unsigned category = RS::HW;
    unsigned fabrication = 0;
};

inline CSectionCalcI FromPlates(const Plates& p, double fyMPa, double fuMPa = 440.0) {
    Arbor::Data::CSection record(L"Test I");
    record.SetShape(Arbor::Data::SecShape::WeldedI);
    record.SetDimensions(
        {p.D * 1e-3, p.B1 * 1e-3, p.T1 * 1e-3, p.B2 * 1e-3, p.T2 * 1e-3, p.tw * 1e-3, 0.0});
    record.SetCategory(p.category);
    record.SetFabricationCode(p.fabrication);
    CSectionCalcI section;
    EXPECT_TRUE(section.SetArborSec(record, nullptr));
    section.SetSteelDesignProp(OneBandGrade(fyMPa, fuMPa));
    return section;
}

// The report pieces joined, and a test for one exact line.
inline std::wstring ReportText(const CMemberResult& result) {
    std::wstring text;
    for (const auto& piece : result.Report()) text += piece.text;
    return text;
}

inline bool HasPiece(const CMemberResult& result, const std::wstring& text) {
    for (const auto& piece : result.Report())
        if (piece.text == text) return true;
    return false;
}

}  // namespace icalc
