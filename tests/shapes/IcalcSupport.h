// I sections for the section and I-calculator tests: catalogue sections in a catalogue grade,
// sections made from plate dimensions (millimetres) in a one-band grade, a stand-in whose
// answers a test can bend, one-segment spans and report search helpers.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "host/Catalogue.h"
#include "host/MemberResult.h"
#include "shapes/SectionCalcI.h"
#include "span/AS4100Span.h"

namespace icalc {

using Arbor::Steel::CMemberResult;
using Arbor::Steel::Vec3;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
using Arbor::Steel::SteelAS4100::CAS4100Span;
using Arbor::Steel::SteelAS4100::CSectionCalcI;
namespace RS = Arbor::Data::ResidualStress;

// A grade with the same fy and fu (MPa) for every thickness.
inline Arbor::Data::CSteelGrade OneBand(double fyMPa, double fuMPa = 440.0) {
    Arbor::Data::GradeBand band;
    band.op = Arbor::Data::GradeBand::Any;
    band.fy = fyMPa * 1e6;
    band.fu = fuMPa * 1e6;
    return Arbor::Data::CSteelGrade(L"Test grade", {band});
}

// A section record of the shape from its dimensions in millimetres.
inline Arbor::Data::CSection Dimensioned(int shape, std::vector<double> mm,
                                         unsigned category = RS::HR, unsigned fabrication = 0) {
    Arbor::Data::CSection record(L"Test section");
    record.SetShape(shape);
    for (double& d : mm) d *= 1e-3;
    record.SetDimensions(mm);
    record.SetCategory(category);
    record.SetFabricationCode(fabrication);
    return record;
}

// A calculator of the record in the grade.
template <class Calc = CSectionCalcI>
Calc Calculator(const Arbor::Data::CSection& record, const Arbor::Data::CSteelGrade& grade) {
    Calc section;
    EXPECT_TRUE(section.SetArborSec(record, nullptr));
    section.SetSteelDesignProp(grade);
    return section;
}

// A catalogue section in a catalogue grade.
template <class Calc = CSectionCalcI>
Calc Catalogued(std::string_view designation, std::string_view grade) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const auto* entry = catalogue.FindSection(designation);
    const auto steel = catalogue.FindGrade(grade);
    EXPECT_NE(entry, nullptr) << designation;
    EXPECT_TRUE(steel.has_value()) << grade;
    return entry && steel ? Calculator<Calc>(entry->section, *steel) : Calc();
}

struct Plates {
    double D, B1, T1, B2, T2, tw;  // millimetres; no root radius
    unsigned category = RS::HW;
    unsigned fabrication = 0;
};

// A welded I in a grade with the same fy and fu (MPa) for every thickness.
inline CSectionCalcI FromPlates(const Plates& p, double fyMPa, double fuMPa = 440.0) {
    return Calculator(
        Dimensioned(Arbor::Data::SecShape::WeldedI, {p.D, p.B1, p.T1, p.B2, p.T2, p.tw, 0.0},
                    p.category, p.fabrication),
        OneBand(fyMPa, fuMPa));
}

// An I calculator that can claim to be circular, compact overall, or a strut with principal
// axes at 45° to x-x (Zeu = 400·10³ mm³, Zev = 100·10³ mm³), and adds eccentricity moments.
class StandIn : public CSectionCalcI {
  public:
    explicit StandIn(const CSectionCalcI& s) : CSectionCalcI(s) {}
    using CAS4100_98Section::GetLBCString;
    using CAS4100_98Section::Worst;
    bool circular = false, compact = false, strut = false;
    double deltaMx = 0.0, deltaMy = 0.0;

    bool IsCircular() const override { return circular; }
    bool IsStrutAndTieOnly() const override { return strut; }
    BucklingClass BucklingClassOverAll(CMemberResult* r) override {
        return compact ? Compact : CSectionCalcI::BucklingClassOverAll(r);
    }
    double ZuuEffective() const override { return strut ? 400e-6 : 0.0; }
    double ZvvEffective() const override { return strut ? 100e-6 : 0.0; }
    double Muu(double mx, double, double my, double) const override {
        return (mx + my) * std::sqrt(0.5);
    }
    double Mvv(double mx, double, double my, double) const override {
        return (my - mx) * std::sqrt(0.5);
    }
    double DeltaMxx(CMemberResult*) const override { return deltaMx; }
    double DeltaMyy(CMemberResult*) const override { return deltaMy; }
};

// Restraint words of cl. 5.4 for a segment whose critical flange is flange 1 (Mx ≤ 0).
inline constexpr unsigned kSupport = 0x200000 | 0x100000;
inline constexpr unsigned kF = kSupport | 512 | 1024 | 128 | 64;  // both flanges, twist
inline constexpr unsigned kP = kSupport | 1024 | 128;  // the other flange held, with twist
inline constexpr unsigned kL = kSupport | 512;         // the critical flange held alone
inline constexpr unsigned kU = kSupport;               // supported only
inline constexpr unsigned kRotation = Arbor::Data::RestraintBit::LateralRotation;

// One-segment span; a uniform load w (N/m) when asked, with its height above the shear centre
// recorded along the sub-span and at the left end.
struct Segment {
    Arbor::Steel::MemberPointVec points;
    Arbor::Steel::SubSpanVec subSpans;
    Segment(double length, unsigned left, unsigned right, double w = 0.0, double heightAlong = 0.0,
            double heightAtEnd = 0.0) {
        using Arbor::Steel::CRestraint;
        points.emplace_back(0.0, CRestraint(static_cast<int>(left), 0, heightAtEnd));
        points.emplace_back(length, CRestraint(static_cast<int>(right), 0, 0.0));
        const double v = w * length / 2.0;  // simple-span reactions
        subSpans.emplace_back(0, Vec3(0, v, 0), Vec3(0, -v, 0), Vec3(), Vec3(),
                              CRestraint(0, 0, heightAlong));
    }
    CAS4100Span Span() const { return CAS4100Span(&points, &subSpans, 0, 1); }
};

// The report pieces joined, and a test for one exact piece.
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
