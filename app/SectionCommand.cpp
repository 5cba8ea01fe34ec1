#include "app/SectionCommand.h"

#include <cmath>
#include <iostream>
#include <memory>
#include <set>

#include "app/GradeNames.h"
#include "app/InputError.h"
#include "app/JsonOutput.h"
#include "app/SummaryTables.h"
#include "app/TextTable.h"
#include "host/Catalogue.h"
#include "member/AS4100Member.h"

namespace as4100 {

namespace {

using Arbor::Steel::SteelAS4100::CAS4100_98Member;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
namespace SecShape = Arbor::Data::SecShape;

std::string ShapeWord(int code) {
    switch (code) {
        case SecShape::I:
        case SecShape::WeldedI:
            return "I";
        case SecShape::PFC:
            return "PFC";
        case SecShape::T:
            return "T";
        case SecShape::Angle:
            return "angle";
        case SecShape::CHS:
            return "CHS";
        case SecShape::RHS:
            return "RHS";
        default:
            return "shape " + std::to_string(code);
    }
}

std::string ClassWord(CAS4100_98Section::BucklingClass c) {
    switch (c) {
        case CAS4100_98Section::Compact:
            return "Compact";
        case CAS4100_98Section::NonCompact:
            return "NonCompact";
        case CAS4100_98Section::Slender:
            return "Slender";
        case CAS4100_98Section::Deform:
            return "Deform";
        default:
            return "Invalid";
    }
}

// Classes as the section property report finds them: compression under the squash load
// N = −fy·Ag, bending with N = 0 and a positive moment about each axis.
void Classify(const CAS4100_98Section& calculator, SectionCapacities& s) {
    std::unique_ptr<CAS4100_98Section> compression(calculator.Clone());
    compression->SetForceAxial(-s.fy * s.Ag);
    s.classCompression = ClassWord(compression->BucklingClassOverAll(nullptr));

    std::unique_ptr<CAS4100_98Section> bending(calculator.Clone());
    bending->SetForceAxial(0.0);
    bending->SetMomentXX(1.0);
    bending->SetMomentYY(1.0);
    s.classX = ClassWord(bending->BucklingClassXX(nullptr));
    s.classY = ClassWord(bending->BucklingClassYY(nullptr));
    s.Zex = bending->ZxxEffective();
    s.Zey = bending->ZyyEffective();
    s.phiMsx = bending->Phi() * bending->MsXX(nullptr);
    s.phiMsy = bending->Phi() * bending->MsYY(nullptr);
}

// Angles: Mu = Mv = +1, from Mx = Mu·cos α − Mv·sin α and My = Mu·sin α + Mv·cos α.
SectionCapacities::Principal PrincipalValues(const CAS4100_98Section& calculator) {
    std::unique_ptr<CAS4100_98Section> bending(calculator.Clone());
    const double c = std::cos(bending->Alpha()), s = std::sin(bending->Alpha());
    bending->SetForceAxial(0.0);
    bending->SetMomentXX(c - s);
    bending->SetMomentYY(s + c);
    SectionCapacities::Principal p;
    p.Zeu = bending->ZuuEffective();
    p.Zev = bending->ZvvEffective();
    p.phiMsu = bending->Phi() * bending->MsUU(nullptr);
    p.phiMsv = bending->Phi() * bending->MsVV(nullptr);
    p.Iu = bending->Iuu();
    p.Iv = bending->Ivv();
    p.ru = std::sqrt(p.Iu / bending->Area());
    p.rv = std::sqrt(p.Iv / bending->Area());
    return p;
}

void Capacities(const CAS4100_98Section& c, SectionCapacities& s) {
    s.fy = c.DesignStressMin();
    s.fu = c.TensileStrength();
    s.Ag = c.Area();
    s.kf = c.AreaCompEffective() / s.Ag;
    s.phiNs = c.Phi() * s.kf * s.Ag * s.fy;  // cl. 6.2.1, on the gross area as the local check
    s.phiNt = c.Phi() * c.Pt(nullptr);
    s.phiVvy = c.Phi() * c.ShearCapacityY(nullptr);
    s.phiVvx = c.Phi() * c.ShearCapacityX(nullptr);
    Classify(c, s);
    if (c.IsStrutAndTieOnly()) s.principal = PrincipalValues(c);
}

std::string U8(const CString& text) {
    return Arbor::ToUtf8(text);
}

}  // namespace

std::optional<SectionCapacities> ComputeSectionCapacities(const std::string& designation,
                                                          const std::string& gradeName,
                                                          RuleSet rules) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const Arbor::Data::CatalogueEntry* entry = catalogue.FindSection(designation);
    if (!entry) {
        const auto near = catalogue.Suggest(designation);
        throw InputError("section: unknown section \"" + designation + "\"" +
                         (near.empty() ? "" : "; did you mean " + JoinWords(near) + "?"));
    }
    const std::string wanted =
        gradeName.empty() ? catalogue.DefaultGrade(entry->family) : gradeName;
    const auto grade = FindGradeByName(wanted);
    if (!grade) throw InputError("--grade: unknown grade \"" + wanted + "\"; " + GradeHint(wanted));

    auto s = MemberSectionCapacities(entry->section, *grade, rules);
    if (s) s->designation = entry->designation;
    return s;
}

std::optional<SectionCapacities> MemberSectionCapacities(const Arbor::Data::CSection& section,
                                                         const Arbor::Data::CSteelGrade& grade,
                                                         RuleSet rules) {
    std::unique_ptr<Arbor::Steel::CSteelMemberGen> checker(NewCode());
    auto* member = dynamic_cast<CAS4100_98Member*>(checker.get());
    if (!member || !member->SetSection(section)) return std::nullopt;
    member->SetSteelDesignProp(grade);
    member->SetRuleSet(rules);

    SectionCapacities s;
    s.rules = rules;
    s.shape = ShapeWord(section.Shape());
    s.grade = U8(grade.Name());
    Capacities(*member->Section(), s);
    return s;
}

nlohmann::ordered_json SectionJson(const SectionCapacities& s) {
    nlohmann::ordered_json out;
    out["designation"] = s.designation;
    out["shape"] = s.shape;
    out["grade"] = s.grade;
    out["rules"] = RuleSetName(s.rules);
    out["fy"] = NumberJson(s.fy);
    out["fu"] = NumberJson(s.fu);
    out["Ag"] = NumberJson(s.Ag);
    out["kf"] = NumberJson(s.kf);
    out["class"] = {{"x", s.classX}, {"y", s.classY}, {"compression", s.classCompression}};
    out["Zex"] = NumberJson(s.Zex);
    out["Zey"] = NumberJson(s.Zey);
    out["phiNs"] = NumberJson(s.phiNs);
    out["phiNt"] = NumberJson(s.phiNt);
    out["phiMsx"] = NumberJson(s.phiMsx);
    out["phiMsy"] = NumberJson(s.phiMsy);
    out["phiVvy"] = NumberJson(s.phiVvy);
    out["phiVvx"] = NumberJson(s.phiVvx);
    if (const auto& p = s.principal) {
        out["Zeu"] = NumberJson(p->Zeu);
        out["Zev"] = NumberJson(p->Zev);
        out["phiMsu"] = NumberJson(p->phiMsu);
        out["phiMsv"] = NumberJson(p->phiMsv);
        out["Iu"] = NumberJson(p->Iu);
        out["Iv"] = NumberJson(p->Iv);
        out["ru"] = NumberJson(p->ru);
        out["rv"] = NumberJson(p->rv);
    }
    return out;
}

std::string SectionText(const SectionCapacities& s) {
    const auto& f = HumanFormat();
    Table table{{"", ""}, {}};
    table.rows = {
        {"fy / fu", U8(f.Stress(s.fy)) + " / " + U8(f.Stress(s.fu))},
        {"Ag", U8(f.AreaCS(s.Ag))},
        {"kf", U8(f.NoDim(s.kf))},
        {"class x / y", s.classX + " / " + s.classY},
        {"class in compression", s.classCompression},
        {"Zex", U8(f.LCubed(s.Zex))},
        {"Zey", U8(f.LCubed(s.Zey))},
        {"φNs", U8(f.Force(s.phiNs))},
        {"φNt", U8(f.Force(s.phiNt))},
        {"φMsx", U8(f.Moment(s.phiMsx))},
        {"φMsy", U8(f.Moment(s.phiMsy))},
        {"φVvy (major shear)", U8(f.Force(s.phiVvy))},
        {"φVvx (minor shear)", U8(f.Force(s.phiVvx))},
    };
    if (const auto& p = s.principal) {
        table.rows.insert(table.rows.end(),
                          {{"Iu / Iv", U8(f.LFourth(p->Iu)) + " / " + U8(f.LFourth(p->Iv))},
                           {"ru / rv", U8(f.LengthSmall(p->ru)) + " / " + U8(f.LengthSmall(p->rv))},
                           {"Zeu", U8(f.LCubed(p->Zeu))},
                           {"Zev (toes in compression)", U8(f.LCubed(p->Zev))},
                           {"φMsu", U8(f.Moment(p->phiMsu))},
                           {"φMsv", U8(f.Moment(p->phiMsv))}});
    }
    const std::string body = RenderTextTable(table, "  ");
    // The header row is empty: drop it.
    return s.designation + " (" + s.shape + "), grade " + s.grade + ", " + RuleSetWords(s.rules) +
           "\n" + body.substr(body.find('\n') + 1);
}

int RunSectionCommand(const std::string& designation, const std::string& grade, RuleSet rules,
                      bool json) {
    const auto capacities = ComputeSectionCapacities(designation, grade, rules);
    if (!capacities) {
        std::cerr << "as4100: section " << designation
                  << ": the checker does not handle this shape yet\n";
        return 1;
    }
    if (json) {
        std::cout << SectionJson(*capacities).dump(2) << "\n";
    } else {
        std::cout << SectionText(*capacities);
    }
    return 0;
}

int RunSectionsCommand(const std::string& family) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const auto entries = catalogue.Sections(family);
    if (entries.empty() && !family.empty()) {
        std::set<std::string> families;
        for (const auto* e : catalogue.Sections()) families.insert(e->family);
        throw InputError("--family: unknown family \"" + family +
                         "\"; known families: " + JoinWords({families.begin(), families.end()}));
    }
    Table table{{"designation", "family", "shape", "Ag"}, {}};
    for (const auto* e : entries) {
        const auto& published = e->section.Published();
        table.rows.push_back({e->designation, e->family, ShapeWord(e->section.Shape()),
                              published ? U8(HumanFormat().AreaCS(published->Ag)) : ""});
    }
    std::cout << RenderTextTable(table, "");
    return 0;
}

}  // namespace as4100
