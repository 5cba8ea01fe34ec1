// A checker given another section, grade, option, rule set, points or actions and checked
// again: the values it keeps between checks (fy, classes, effective moduli, βm and δ of a span)
// must follow the change, so that it answers exactly as a fresh checker given only the new input.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/TestSections.h"
#include "shapes/SectionCalcI.h"

namespace {

using namespace as4100test;
using Arbor::Data::CSection;

// 6 m beam-column of two sub-spans: 250 kN compression, major moment sagging on the left
// sub-span and hogging on the right one, a minor-axis moment throughout.
void Load(CAS4100_98Member& m) {
    m.SetMemberPointVec({CMemberPoint(0.0, CRestraint(kFEnd)), CMemberPoint(3.0, CRestraint(0)),
                         CMemberPoint(6.0, CRestraint(kFEnd))});
    m.SetSubSpanVec({CSubSpan(0, Vec3(-250e3, 20e3, 0), Vec3(-250e3, 0, 0), Vec3(0, 0, 4e3),
                              Vec3(0, 60e3, 4e3)),
                     CSubSpan(1, Vec3(-250e3, 0, 0), Vec3(-250e3, -20e3, 0), Vec3(0, -60e3, 4e3),
                              Vec3(0, -10e3, 4e3))});
}

using Loading = std::function<void(CAS4100_98Member&)>;

// A 6 m 150UC30.0 beam-column under 150 kN and 4 kN/m with end moments m1 and 35 kN·m over
// `points` points, braced at every third: βm and δ are shared by the records of each span.
Loading BeamColumn(int points, double m1) {
    return [=](CAS4100_98Member& m) {
        const double L = 6.0, w = 4e3, m2 = 35e3;
        const int n = points - 1;
        const auto shear = [&](double x) { return w * (L / 2 - x) + (m2 - m1) / L; };
        const auto moment = [&](double x) {
            return w * x * (L - x) / 2 + m1 * (1 - x / L) + m2 * x / L;
        };
        std::vector<PointDef> pts;
        std::vector<SubSpanActions> actions;
        for (int i = 0; i <= n; ++i)
            pts.push_back({L * i / n, i == 0 || i == n ? kFEnd : i % 3 ? 0u : 0x100000u | 1536u});
        for (int i = 0; i < n; ++i) {
            const double a = L * i / n, b = L * (i + 1) / n;
            actions.push_back({Vec3(-150e3, shear(a), 0), Vec3(-150e3, shear(b), 0),
                               Vec3(0, moment(a), 0), Vec3(0, moment(b), 0)});
        }
        m.SetMemberPointVec(MakePoints(pts));
        m.SetSubSpanVec(MakeSubSpans(static_cast<size_t>(n), actions));
    };
}

struct Input {
    CSection section;
    CSteelGrade grade;
    RuleSet rules = RuleSet::AsWritten;
    enum Given { All, GradeOnly, RulesOnly } given = All;  // what a second Give sets
    Loading load = Load;                                   // points and actions, with All
};

void Give(CAS4100_98Member& m, const Input& in) {
    if (in.given == Input::All) in.load(m);
    if (in.given == Input::All) m.SetSection(in.section);
    if (in.given != Input::RulesOnly) m.SetSteelDesignProp(in.grade);
    if (in.given != Input::GradeOnly) m.SetRuleSet(in.rules);
}

// Quick check, then the check with its report, each into its own result.
struct Outcome {
    bool quick = false, full = false;
    CMemberResult quickResult, fullResult;
};
void CheckBoth(CAS4100_98Member& m, Outcome& o) {
    m.SetQuickCheckMode(true);
    m.SetResult(&o.quickResult);
    o.quick = m.QuickCheck();
    m.SetQuickCheckMode(false);
    m.SetResult(&o.fullResult);
    o.full = m.Check();
    m.SetResult(nullptr);
}

void ExpectSame(const CMemberResult& a, const CMemberResult& b, const char* which) {
    EXPECT_EQ(a.Flags(), b.Flags()) << which;
    EXPECT_EQ(a.UtilOverAll(), b.UtilOverAll()) << which;
    ASSERT_EQ(a.NumEntries(), b.NumEntries()) << which;
    for (int e = 0; e < a.NumEntries(); ++e)
        EXPECT_EQ(a.GetEntry(e).util, b.GetEntry(e).util) << which << " entry " << e;
    ASSERT_EQ(a.Report().size(), b.Report().size()) << which;
    for (size_t i = 0; i < a.Report().size(); ++i)
        EXPECT_EQ(a.Report()[i].text, b.Report()[i].text) << which << " piece " << i;
}

CSection WithPlasticElasticRatio(CSection s, double ratio) {
    s.SetPlasticElasticRatio(ratio);
    return s;
}

// Welded, flanges 300 × 20 (bottom) and 180 × 10 (top): the compression flange, and so the
// classes and Zex, change with the sign of Mx.
CSection MonoSymmetricI() {
    CSection s(L"mono I");
    s.SetShape(Arbor::Data::SecShape::WeldedI);
    s.SetCategory(Arbor::Data::ResidualStress::HW);
    s.SetDimensions({0.5, 0.3, 0.02, 0.18, 0.01, 0.008, 0.0});
    return s;
}

TEST(CheckerReuse, ASecondSectionGradeOptionRuleSetOrLoadingAnswersAsAFreshChecker) {
    const CSteelGrade g300 = CatalogueGrade("300PLUS");
    const CSteelGrade g450 = CatalogueGrade("C450L0");
    const CSection uc = CatalogueSection("250UC72.9"), uc150 = CatalogueSection("150UC30.0");
    const RuleSet rules = RuleSet::AsWritten;
    const struct {
        const char* name;
        Input first, second;
        bool betaM = false;  // the combined check takes βm
    } cases[] = {
        {"another section", {uc, g300}, {CatalogueSection("200UC46.2"), g300}},
        {"another grade only", {uc, g300}, {uc, g450, RuleSet::AsWritten, Input::GradeOnly}},
        {"another shape", {uc, g300}, {CatalogueSection("250x150x16RHS"), g300}},
        {"plastic/elastic ratio", {uc, g300}, {WithPlasticElasticRatio(uc, 1.1), g300}},
        {"rule set only", {uc, g300}, {uc, g300, RuleSet::Standard, Input::RulesOnly}},
        {"mono-symmetric after doubly", {uc, g300}, {MonoSymmetricI(), g450}},
        {"doubly after mono-symmetric", {MonoSymmetricI(), g300}, {uc, g300}},
        {"other loads",
         {uc150, g300, rules, Input::All, BeamColumn(13, -20e3)},
         {uc150, g300, rules, Input::All, BeamColumn(13, 15e3)},
         true},
        {"other points",
         {uc150, g300, rules, Input::All, BeamColumn(13, -20e3)},
         {uc150, g300, rules, Input::All, BeamColumn(22, -20e3)},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CAS4100_98Member reused;
        Give(reused, c.first);
        Outcome before, after;
        CheckBoth(reused, before);
        Give(reused, c.second);
        CheckBoth(reused, after);

        CAS4100_98Member fresh;
        Input only = c.second;
        only.given = Input::All;
        Give(fresh, only);
        Outcome expected;
        CheckBoth(fresh, expected);
        EXPECT_EQ(after.quick, expected.quick);
        EXPECT_EQ(after.full, expected.full);
        ExpectSame(after.quickResult, expected.quickResult, "quick");
        ExpectSame(after.fullResult, expected.fullResult, "full");
        // The change mattered: the first input gave other numbers.
        EXPECT_NE(before.fullResult.UtilOverAll(), after.fullResult.UtilOverAll());
        if (c.betaM) {
            EXPECT_NE(Joined(before.fullResult).find(L"BetaMx = "), CString::npos);
        }
    }
}

// Values kept for one sign of Mx are not handed out for the other, in the object or its copies;
// another grade replaces them.
TEST(CheckerReuse, KeptSectionValuesFollowTheSignOfTheMomentAndTheGrade) {
    CSectionCalcI kept;
    ASSERT_TRUE(kept.SetArborSec(MonoSymmetricI(), nullptr));
    kept.SetSteelDesignProp(CatalogueGrade("300PLUS"));
    const auto fresh = [&](double mx) {
        std::unique_ptr<CSectionCalcI> s(new CSectionCalcI());
        s->SetArborSec(MonoSymmetricI(), nullptr);
        s->SetSteelDesignProp(CatalogueGrade("300PLUS"));
        s->SetMomentXX(mx);
        return std::make_pair(s->ZxxEffective(), s->BucklingClassOverAll(nullptr));
    };
    const auto sagging = fresh(1e3), hogging = fresh(-1e3);
    ASSERT_NE(sagging.first, hogging.first);  // the case distinguishes the signs
    kept.KeepValues();
    for (double mx : {1e3, -1e3, 0.0, -5.0}) {
        kept.SetMomentXX(mx);
        const auto& want = mx >= 0.0 ? sagging : hogging;
        EXPECT_EQ(kept.ZxxEffective(), want.first) << mx;
        EXPECT_EQ(kept.BucklingClassOverAll(nullptr), want.second) << mx;
        std::unique_ptr<CAS4100_98Section> copy(kept.Clone());
        EXPECT_EQ(copy->ZxxEffective(), want.first) << mx;
    }
    kept.SetSteelDesignProp(CatalogueGrade("C450L0"));
    kept.SetMomentXX(1e3);
    EXPECT_LT(kept.ZxxEffective(), sagging.first);  // fy 450 MPa: more slender flanges
}

// The checks set actions on the member's own calculator only for the length of each step: after
// a check it holds what it held before, and the same checker checks again to the same numbers.
TEST(CheckerReuse, ChecksLeaveTheCalculatorsActionsAsTheyWere) {
    for (const char* name : {"250UC72.9", "200PFC", "75x75x6EA", "200x100x6RHS", "114.3x4.5CHS"}) {
        SCOPED_TRACE(name);
        CAS4100_98Member m;
        Load(m);
        Give(m, {CatalogueSection(name), CatalogueGrade("300PLUS")});
        const auto before = m.Section()->GetActions();
        Outcome first, second;
        CheckBoth(m, first);
        const auto after = m.Section()->GetActions();
        EXPECT_EQ(after.N, before.N);
        EXPECT_EQ(after.Mx, before.Mx);
        EXPECT_EQ(after.My, before.My);
        EXPECT_EQ(after.Vy, before.Vy);
        EXPECT_EQ(after.hasRestraint, before.hasRestraint);
        CheckBoth(m, second);
        ExpectSame(second.quickResult, first.quickResult, "quick");
        ExpectSame(second.fullResult, first.fullResult, "full");
    }
}

}  // namespace
