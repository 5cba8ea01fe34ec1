#include "app/Warnings.h"

#include <algorithm>
#include <cmath>

#include "app/GradeNames.h"
#include "app/SummaryTables.h"
#include "host/Section.h"

namespace as4100 {

namespace {

using Arbor::Steel::CSubSpan;
namespace Bit = Arbor::Data::RestraintBit;

constexpr int kMajor = 1;
constexpr int kMinor = 2;
// A member longer than this in a metre file was most likely written in millimetres.
constexpr double kLongestPlausibleMember = 100.0;  // m

std::string Length(double m) {
    return Arbor::ToUtf8(HumanFormat().Length(m));
}
std::string Moment(double nm) {
    return Arbor::ToUtf8(HumanFormat().Moment(nm));
}

double MemberLength(const MemberInput& m) {
    return m.points.back().Position() - m.points.front().Position();
}

double SubSpanLength(const MemberInput& m, size_t k) {
    return m.points[k + 1].Position() - m.points[k].Position();
}

std::string PointWords(const Arbor::Steel::MemberPointVec& points, size_t index, int fileIndex) {
    return "points[" + std::to_string(fileIndex) + "] (x = " + Length(points[index].Position()) +
           ")";
}

void UnitWarnings(const MemberInput& m, std::vector<std::string>& out) {
    if (!m.facts.unitsGiven) {
        out.push_back(
            "no \"units\" given: lengths were read as m and forces as N (moments N·m, stresses "
            "Pa); add \"units\": {\"length\": \"m\" or \"mm\", \"force\": \"N\" or \"kN\"}");
    }
    const double length = MemberLength(m);
    double force = 0.0, moment = 0.0;
    for (const LoadCase& c : m.cases) {
        for (const CSubSpan& s : c.subSpans) {
            for (int i = 0; i < 3; ++i) {
                force = std::max(
                    {force, std::fabs(s.GetForcesLeft()[i]), std::fabs(s.GetForcesRight()[i])});
                moment = std::max(
                    {moment, std::fabs(s.GetMomentsLeft()[i]), std::fabs(s.GetMomentsRight()[i])});
            }
        }
    }
    if (m.facts.newtons && length > 1.0 && force < 1e3 && moment < 1e3) {
        out.push_back("every force is below 1 kN and every moment below 1 kN·m on a " +
                      Length(length) +
                      " member: were they written in kN? They were read as N (\"units\": "
                      "{\"force\": \"kN\"} reads kN)");
    }
    if (m.facts.metres && length > kLongestPlausibleMember) {
        out.push_back("the member is " + Length(length) +
                      " long: were the positions written in mm? They were read as m "
                      "(\"units\": {\"length\": \"mm\"} reads mm)");
    }
}

// Two major-axis shears that differ beyond the host's load tolerance: load along y between them.
bool ShearChanges(double from, double to) {
    const double tolerance = std::max(1e-5 * std::max(std::fabs(from), std::fabs(to)), 1e-3);
    return std::fabs(to - from) > tolerance;
}

// A uniform load on a sub-span: its shear changes along it.
bool CarriesTransverseLoad(const CSubSpan& s) {
    return ShearChanges(s.GetForcesLeft()[kMajor], s.GetForcesRight()[kMajor]);
}

// A point load between two sub-spans: the shear jumps across the point.
bool CarriesPointLoad(const CSubSpan& before, const CSubSpan& after) {
    return ShearChanges(before.GetForcesRight()[kMajor], after.GetForcesLeft()[kMajor]);
}

// "sub-span 2 carries" or "sub-spans 1, 2 carry".
std::string Subjects(const char* one, const char* many, const std::vector<std::string>& names) {
    std::string text = names.size() == 1 ? one : many;
    for (size_t i = 0; i < names.size(); ++i) {
        text += (i > 0 ? ", " : text.empty() ? "" : " ") + names[i];
    }
    return text + (names.size() == 1 ? " carries" : " carry");
}

void LoadHeightWarnings(const MemberInput& m, std::vector<std::string>& out) {
    const auto inAnyCase = [&m](auto loaded) {
        return std::any_of(m.cases.begin(), m.cases.end(), loaded);
    };
    std::vector<std::string> points;
    for (size_t j = 1; j + 1 < m.points.size(); ++j) {
        if (!m.facts.pointLoadHeight[j] && inAnyCase([j](const LoadCase& c) {
                return CarriesPointLoad(c.subSpans[j - 1], c.subSpans[j]);
            })) {
            points.push_back("points[" + std::to_string(j) + "]");
        }
    }
    if (!points.empty()) {
        out.push_back(Subjects("", "", points) +
                      " a point load (a jump in shear) with no load_height: the load is "
                      "taken at the shear centre (cl. 5.6.3); give points[].restraint.load_height");
    }
    std::vector<std::string> subSpans;
    for (size_t k = 0; k < m.facts.segmentLoadHeight.size(); ++k) {
        if (!m.facts.segmentLoadHeight[k] &&
            inAnyCase([k](const LoadCase& c) { return CarriesTransverseLoad(c.subSpans[k]); })) {
            subSpans.push_back(std::to_string(k + 1));
        }
    }
    if (subSpans.empty()) return;
    out.push_back(Subjects("sub-span", "sub-spans", subSpans) +
                  " transverse load with no load_height: the load is taken at the shear centre "
                  "(load height factor kl = 1.0, cl. 5.6.3), unconservative for gravity load on "
                  "the top flange; give segments[].restraint.load_height");
}

// The largest moment about the axis in the case, or the largest shear times its sub-span's
// length when that is larger (a member whose moments were left out).
double MomentLevel(const MemberInput& m, const LoadCase& c, int axis) {
    double level = 0.0;
    for (size_t k = 0; k < c.subSpans.size(); ++k) {
        const CSubSpan& s = c.subSpans[k];
        const double l = SubSpanLength(m, k);
        level = std::max(
            {level, std::fabs(s.GetMomentsLeft()[axis]), std::fabs(s.GetMomentsRight()[axis]),
             std::fabs(s.GetForcesLeft()[axis]) * l, std::fabs(s.GetForcesRight()[axis]) * l});
    }
    return level;
}

void ConsistencyWarnings(const MemberInput& m, std::vector<std::string>& out) {
    for (const LoadCase& c : m.cases) {
        for (int axis : {kMajor, kMinor}) {
            const double tolerance = std::max(kConsistencyTolerance * MomentLevel(m, c, axis), 1.0);
            for (size_t k = 0; k < c.subSpans.size(); ++k) {
                const CSubSpan& s = c.subSpans[k];
                const double change = s.GetMomentsRight()[axis] - s.GetMomentsLeft()[axis];
                const double implied = MomentChangeFromShears(
                    s.GetForcesLeft()[axis], s.GetForcesRight()[axis], SubSpanLength(m, k));
                if (std::fabs(change - implied) <= tolerance) continue;
                out.push_back("case " + c.name + ", sub-span " + std::to_string(k + 1) + ": the " +
                              (axis == kMajor ? "major" : "minor") + "-axis moment changes by " +
                              Moment(change) + " but its shears imply " + Moment(implied) +
                              " (length × mean shear, dM/dx = V; tolerance " + Moment(tolerance) +
                              "); the checker takes the load from the shears");
            }
        }
    }
}

void GradeKindWarning(const MemberInput& m, std::vector<std::string>& out) {
    const GradeKind kind = GradeKindOf(m.gradeName);
    if (kind == GradeKind::Unknown) return;
    const bool coldFormed = m.section.Category() == Arbor::Data::ResidualStress::CF;
    if (coldFormed && kind == GradeKind::HotRolled) {
        out.push_back("grade " + m.gradeName +
                      " is a hot-rolled or plate grade (AS/NZS 3679.1) but the section is cold-"
                      "formed: a cold-formed grade (AS/NZS 1163, e.g. C350L0) is usual");
    } else if (!coldFormed && kind == GradeKind::ColdFormed) {
        out.push_back("grade " + m.gradeName +
                      " is a cold-formed hollow section grade (AS/NZS 1163) but the section is "
                      "hot-rolled or welded: 300PLUS or Grade 350 (AS/NZS 3679.1) is usual");
    }
}

// Restraint that says "supported here" in every way but the support bit itself.
constexpr unsigned kEndRestraintBits = Bit::TranslationYY | Bit::Twist | Bit::FullTwist |
                                       Bit::Flange1 | Bit::Flange2 | Bit::RotationXX;

void CantileverWarnings(const MemberInput& m, std::vector<std::string>& out) {
    const auto supported = [](const Arbor::Steel::CMemberPoint& p) {
        return p.GetRestraint().IsRestrained(Bit::TranslationXX, true);
    };
    const size_t last = m.points.size() - 1;
    if (!supported(m.points.front()) && !supported(m.points.back())) {
        out.push_back(
            "neither member end has \"support\": the checker takes the whole member as "
            "a cantilever (critical flange, kt, kl and αm of a cantilever segment)");
        return;
    }
    for (size_t end : {size_t{0}, last}) {
        const auto& r = m.points[end].GetRestraint();
        if (supported(m.points[end]) || (r.Bits() & kEndRestraintBits) == 0) continue;
        out.push_back(PointWords(m.points, end, static_cast<int>(end)) +
                      " is a member end held laterally or against twist but without \"support\": "
                      "the checker takes the segment ending there as a cantilever; add "
                      "\"support\" if the member is supported there");
    }
}

void OverrideWarnings(const MemberInput& m, std::vector<std::string>& out) {
    const auto& given = m.overrides.given;
    if (!m.overrides.lengths || (given[0] && given[1] && given[2])) return;
    static const char* const kNames[3] = {"major", "minor", "lateral_torsional"};
    std::string missing;
    for (size_t i = 0; i < 3; ++i) {
        if (!given[i]) missing += (missing.empty() ? "" : ", ") + std::string(kNames[i]);
    }
    out.push_back("overrides.lengths leaves out " + missing +
                  ": with an effective length override the checker takes the whole member as "
                  "one span of each kind, so each length left out is that of the whole member "
                  "(ke·L from its end restraints for flexural buckling, Figure 4.6.3.2; the "
                  "member length for lateral-torsional buckling, times kl)");
}

}  // namespace

double MomentChangeFromShears(double vLeft, double vRight, double length) {
    return 0.5 * (vLeft + vRight) * length;
}

std::vector<std::string> InputWarnings(const MemberInput& member) {
    std::vector<std::string> out;
    UnitWarnings(member, out);
    ConsistencyWarnings(member, out);
    LoadHeightWarnings(member, out);
    CantileverWarnings(member, out);
    GradeKindWarning(member, out);
    OverrideWarnings(member, out);
    return out;
}

void AddTensionFlangeWarnings(const Arbor::Steel::MemberPointVec& points,
                              const Arbor::Steel::SubSpanVec& subSpans,
                              const std::vector<int>& segmentEnds, const std::string& caseName,
                              const std::vector<int>& filePoint, std::vector<std::string>& out) {
    double level = 0.0;
    for (const CSubSpan& s : subSpans) {
        level = std::max(
            {level, std::fabs(s.GetMomentsLeft()[kMajor]), std::fabs(s.GetMomentsRight()[kMajor])});
    }
    const double tolerance = std::max(0.01 * level, 1.0);
    for (const int j : segmentEnds) {
        const auto index = static_cast<size_t>(j);
        const auto& r = points[index].GetRestraint();
        const bool bottom = r.IsRestrained(Bit::Flange1, true);
        const bool top = r.IsRestrained(Bit::Flange2, true);
        if (bottom == top || !r.IsFree(Bit::Twist | Bit::FullTwist, true)) continue;
        const double m = index < subSpans.size() ? subSpans[index].GetMomentsLeft()[kMajor]
                                                 : subSpans.back().GetMomentsRight()[kMajor];
        // Positive major-axis moment compresses flange 2 (top): flange 1 is then in tension.
        const bool inTension = bottom ? m > tolerance : m < -tolerance;
        if (!inTension) continue;
        const int fileIndex = filePoint.empty() ? j : filePoint[index];
        out.push_back("case " + caseName + ", " + PointWords(points, index, fileIndex) +
                      ": only flange " + (bottom ? "1 (bottom)" : "2 (top)") +
                      " is held laterally, without twist restraint, and it is the tension flange "
                      "there (M = " +
                      Moment(m) +
                      "); it ends a lateral-torsional segment but does not brace the compression "
                      "flange (cl. 5.4.2); add twist restraint or a restraint on the other flange");
    }
}

}  // namespace as4100
