#include "app/RunCheck.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/LtSegments.h"
#include "app/ResultWords.h"
#include "app/Warnings.h"
#include "app/WatchScope.h"
#include "member/AS4100Member.h"
#include "span/AS4100Table.h"

namespace as4100 {

namespace {

using Arbor::Steel::CMemberResult;
using Arbor::Steel::SubspanEffectiveLengthData;
using Arbor::Steel::SteelAS4100::CAS4100_98Member;
namespace Flag = Arbor::Steel::ResultFlag;

std::vector<SpanLength> SpansOf(const SubspanEffectiveLengthData::Map& map) {
    std::vector<SpanLength> spans;
    spans.reserve(map.size());
    for (const auto& [key, e] : map) {
        spans.push_back({e.cmpLeft, e.cmpRight, e.posLeft, e.posRight, e.le, e.r});
    }
    return spans;
}

// Entries 1 … n belong to the sub-spans; entry n + 1, when present, to the buckling checks.
std::vector<EntryResult> CollectEntries(const CMemberResult& result, int subSpanCount) {
    std::vector<EntryResult> entries;
    const int count = result.NumEntries();
    if (count < subSpanCount + 1) return entries;
    entries.reserve(static_cast<size_t>(count - 1));
    for (int index = 1; index < count; ++index) {
        EntryResult entry;
        entry.index = index;
        entry.buckling = index == subSpanCount + 1;
        entry.subSpan = entry.buckling ? 0 : index;
        entry.util = result.GetEntry(index).util;
        entries.push_back(entry);
    }
    return entries;
}

// Point and sub-span numbers of the checked member turned back into the file's own.
std::uint64_t FilePoint(const StationMap& map, std::uint64_t index) {
    return index < map.filePoint.size() ? static_cast<std::uint64_t>(map.filePoint[index]) : index;
}

void MapToFile(const StationMap& map, CaseResult& c) {
    if (map.Empty()) return;
    for (EntryResult& entry : c.entries) {
        if (entry.buckling) continue;
        const auto checked = static_cast<size_t>(entry.subSpan - 1);
        const int file = map.fileSubSpan[checked];
        entry.subSpan = file + 1;
        const auto& subs = map.fileSubSpan;
        const auto first = std::find(subs.begin(), subs.end(), file) - subs.begin();
        const auto pieces = std::count(subs.begin(), subs.end(), file);
        if (pieces > 1) entry.piece = static_cast<int>(static_cast<long>(checked) - first) + 1;
    }
    for (auto* spans : {&c.lengths.major, &c.lengths.minor, &c.lengths.lateralTorsional}) {
        for (SpanLength& s : *spans) {
            s.from = FilePoint(map, s.from);
            s.to = FilePoint(map, s.to);
        }
    }
    for (LtSegment& s : c.ltSegments) {
        s.from = FilePoint(map, s.from);
        s.to = FilePoint(map, s.to);
    }
}

// The member points that end a segment bent with a compression flange to brace: a cantilever's
// critical flange is its tension flange (cl. 5.5), so its ends are left out.
std::vector<int> SegmentEnds(const std::vector<LtSegment>& segments) {
    std::vector<int> ends;
    for (const LtSegment& s : segments) {
        if (s.cantilever) continue;
        for (const auto j : {s.from, s.to}) {
            if (std::find(ends.begin(), ends.end(), static_cast<int>(j)) == ends.end()) {
                ends.push_back(static_cast<int>(j));
            }
        }
    }
    return ends;
}

// An override given for some axes only: the others get the length the checker would give the
// whole member as one span (the override makes it one span of each kind): ke·L from the end
// restraints (Figure 4.6.3.2), the member length for lateral-torsional buckling (kl applied by
// the check).
std::array<double, 3> OverrideLengths(const MemberInput& member) {
    std::array<double, 3> lengths = *member.overrides.lengths;
    const auto& first = member.points.front().GetRestraint();
    const auto& last = member.points.back().GetRestraint();
    const double length = member.points.back().Position() - member.points.front().Position();
    const Arbor::Steel::SteelAS4100::CAS4100_98Table table;
    const double whole[3] = {table.Table4_6_3_2_XX(first, last) * length,
                             table.Table4_6_3_2_YY(first, last) * length, length};
    for (size_t i = 0; i < 3; ++i) {
        if (!member.overrides.given[i]) lengths[i] = whole[i];
    }
    return lengths;
}

// The entry and kind holding the largest utilisation (the first of equals), in words.
std::string GoverningCheck(const CaseResult& c) {
    if (c.flags & Flag::ShapeNotHandled) return "section shape not handled";
    double best = -1.0;
    const EntryResult* bestEntry = nullptr;
    const char* bestWhat = nullptr;
    for (const EntryResult& entry : c.entries) {
        const auto& kinds =
            entry.buckling ? BucklingUtilKinds(entry.principal) : LocalUtilKinds(entry.principal);
        for (const UtilKindWords& kind : kinds) {
            const double u = entry.util[static_cast<size_t>(kind.kind)];
            if (u > best) {
                best = u;
                bestEntry = &entry;
                bestWhat = kind.what;
            }
        }
    }
    if (best < c.governing) return "overall";
    if (!bestEntry) return {};
    if (bestEntry->buckling) return std::string("member ") + bestWhat;
    return "sub-span " + std::to_string(bestEntry->subSpan) + " " + bestWhat;
}

}  // namespace

bool MemberResult::AllPass() const {
    for (const CaseResult& c : cases) {
        if (!c.pass) return false;
    }
    return true;
}

MemberChecker::MemberChecker() = default;
MemberChecker::~MemberChecker() = default;

bool MemberChecker::Prepare(const MemberInput& member, bool quick) {
    if (!checker_ || factorsSet_) {
        checker_.reset(NewCode());
        if (!checker_) throw std::runtime_error("cannot create the checker");
        factorsSet_ = false;
    } else {
        checker_->Clear();
    }
    Arbor::Steel::CSteelMemberGen& checker = *checker_;
    checker.SetResult(nullptr);  // the section is reported by the check itself, not twice
    // The checker keeps the title for its host and reads it nowhere; the report takes it from
    // the member, so a quick check leaves it unset (Clear above emptied it).
    if (!quick) checker.SetTitle(Arbor::FromUtf8(member.title));
    checker.SetMemberPointVec(member.points);
    checker.SetQuickCheckMode(quick);

    const MemberOverrides& o = member.overrides;
    const std::array<double, 3> lengths =
        o.lengths ? OverrideLengths(member) : std::array<double, 3>{};
    checker.SetLengthOverride(o.lengths.has_value());
    checker.SetLyy(lengths[0]);
    checker.SetLzz(lengths[1]);
    checker.SetLlt(lengths[2]);
    if (o.alphaM) checker.SetEquivalentUniformMomentFactor(*o.alphaM);
    if (o.deltaMajor) checker.SetMomentAmplificationFactorStrongAxis(*o.deltaMajor);
    if (o.deltaMinor) checker.SetMomentAmplificationFactorWeakAxis(*o.deltaMinor);
    factorsSet_ = o.alphaM || o.deltaMajor || o.deltaMinor;

    const bool accepted = checker.SetSection(member.section);
    checker.SetSteelDesignProp(member.grade);  // after the section: it goes to the calculator
    return accepted;
}

CaseResult MemberChecker::RunCase(const MemberInput& member, const LoadCase& loadCase,
                                  bool sectionAccepted, const RunOptions& options,
                                  std::vector<std::string>& warnings) {
    Arbor::Steel::CSteelMemberGen& checker = *checker_;
    CMemberResult& result = result_;
    result.Reset();
    result.EnableText(options.report && !options.quick);
    checker.SetSubSpanVec(loadCase.subSpans);
    checker.SetResult(&result);

    CaseResult out;
    out.name = loadCase.name;
    out.ran = options.quick ? checker.QuickCheck() : checker.Check();
    const auto* as4100 = dynamic_cast<const CAS4100_98Member*>(&checker);
    // The interaction records are renewed by the effective length data: keep the check's.
    records_ = as4100 ? as4100->GetInteractionData()
                      : std::vector<Arbor::Steel::SteelAS4100::CInteractionData>{};
    const auto& records = records_;
    if (sectionAccepted) {
        if (const auto data = checker.GetMemberEffectiveLengthData()) {
            out.lengths = {SpansOf(data->majorAxis), SpansOf(data->minorAxis), SpansOf(data->lt)};
        }
    }
    if (as4100 && sectionAccepted) {
        const double lt = checker.Llt();
        const double resolved = lt >= 0.0 ? lt : -lt * checker.Length();
        const CheckedCase checked{
            *as4100, member.points, loadCase.subSpans, records, checker.LengthOverride(), resolved};
        out.ltSegments = DescribeLtSegments(checked, out.lengths.lateralTorsional);
        AddTensionFlangeWarnings(member.points, loadCase.subSpans, SegmentEnds(out.ltSegments),
                                 loadCase.name, member.stations.filePoint, warnings);
    }
    checker.SetResult(nullptr);

    out.flags = result.Flags();
    out.governing = result.UtilOverAll();
    out.entries = CollectEntries(result, static_cast<int>(loadCase.subSpans.size()));
    // Angles are checked as struts and ties about their principal axes.
    const bool principal = member.section.Shape() == Arbor::Data::SecShape::Angle;
    for (EntryResult& entry : out.entries) entry.principal = principal;
    out.governs = GoverningCheck(out);
    out.pass = out.ran && !(out.flags & Flag::Failed) && out.governing <= 1.0;
    out.report = result.Report();
    MapToFile(member.stations, out);
    return out;
}

// The comparison needs the governing figure alone: no entries, lengths or words are collected.
double MemberChecker::GoverningUtilisation(const LoadCase& loadCase, bool quick) {
    Arbor::Steel::CSteelMemberGen& checker = *checker_;
    CMemberResult& result = result_;
    result.Reset();
    result.EnableText(false);
    checker.SetSubSpanVec(loadCase.subSpans);
    checker.SetResult(&result);
    quick ? checker.QuickCheck() : checker.Check();
    checker.SetResult(nullptr);
    return result.UtilOverAll();
}

void MemberChecker::SetRules(RuleSet rules, bool keepUniaxialExponent) {
    if (auto* member = dynamic_cast<Arbor::Steel::SteelAS4100::CAS4100_98Member*>(checker_.get())) {
        member->SetRuleSet(rules, keepUniaxialExponent);
    }
}

std::optional<StandardReading> MemberChecker::WatchStandard(const MemberInput& member,
                                                            const LoadCase& loadCase,
                                                            const CaseResult& c,
                                                            const RunOptions& options) {
    const auto* as4100 = dynamic_cast<const CAS4100_98Member*>(checker_.get());
    if (as4100 && !StandardMayGovern(member, loadCase, c, *as4100, records_, options.quick)) {
        return std::nullopt;
    }
    // Compared with the biaxial exponent kept on bending about one axis, a difference of form
    // that never changes the verdict (docs/departures.md, 8); when the watch fires, the figure
    // it shows is the standard's own, as --rules standard gives it.
    SetRules(RuleSet::Standard, true);
    CaseResult compared;
    compared.governing = GoverningUtilisation(loadCase, options.quick);
    std::optional<StandardReading> verdict = WatchVerdict(c, compared);
    if (verdict) {
        std::vector<std::string> warnings;  // the checker's run has given them already
        const RunOptions quiet{options.quick, false, {}};
        SetRules(RuleSet::Standard);
        const CaseResult standard = RunCase(member, loadCase, false, quiet, warnings);
        verdict = StandardReading{standard.governing, standard.governs};
    }
    SetRules(RuleSet::AsWritten);
    return verdict;
}

MemberResult MemberChecker::Run(const MemberInput& member, const RunOptions& options) {
    MemberResult out;
    out.source = member.source;
    out.title = member.title;
    out.section = member.sectionName;
    out.grade = member.gradeName;
    out.rules = options.rules.value_or(member.rules.value_or(RuleSet::AsWritten));
    out.warnings = member.warnings;
    out.stations = member.stations.added;
    const bool accepted = Prepare(member, options.quick);
    SetRules(out.rules);
    for (const LoadCase& loadCase : member.cases) {
        CaseResult c = RunCase(member, loadCase, accepted, options, out.warnings);
        if (accepted && out.rules == RuleSet::AsWritten) {
            c.standard = WatchStandard(member, loadCase, c, options);
        }
        out.cases.push_back(std::move(c));
    }
    return out;
}

}  // namespace as4100
