#include "app/RunCheck.h"

#include <cmath>
#include <stdexcept>

#include "app/ResultWords.h"
#include "member/AS4100Member.h"

namespace as4100 {

namespace {

using Arbor::Steel::CMemberResult;
using Arbor::Steel::SubspanEffectiveLengthData;
using Arbor::Steel::UtilKind;
namespace Flag = Arbor::Steel::ResultFlag;

std::vector<SpanLength> SpansOf(const SubspanEffectiveLengthData::Map& map) {
    std::vector<SpanLength> spans;
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
    for (int index = 1; index < count; ++index) {
        EntryResult entry;
        entry.index = index;
        entry.buckling = index == subSpanCount + 1;
        entry.subSpan = entry.buckling ? 0 : index;
        for (int k = 0; k < Arbor::Steel::kUtilKindCount; ++k) {
            entry.util[static_cast<size_t>(k)] = result.Util(index, static_cast<UtilKind>(k));
        }
        entries.push_back(entry);
    }
    return entries;
}

// The entry and kind holding the largest utilisation, in words.
std::string GoverningCheck(const CaseResult& c) {
    double best = -1.0;
    std::string words;
    for (const EntryResult& entry : c.entries) {
        const auto& kinds =
            entry.buckling ? BucklingUtilKinds(entry.principal) : LocalUtilKinds(entry.principal);
        for (const UtilKindWords& kind : kinds) {
            const double u = entry.util[static_cast<size_t>(kind.kind)];
            if (u > best) {
                best = u;
                words = entry.buckling
                            ? std::string("member ") + kind.what
                            : "sub-span " + std::to_string(entry.subSpan) + " " + kind.what;
            }
        }
    }
    if (c.flags & Flag::ShapeNotHandled) return "section shape not handled";
    if (best < c.governing) return "overall";
    return words;
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
    checker.SetTitle(Arbor::FromUtf8(member.title));
    checker.SetMemberPointVec(member.points);
    checker.SetQuickCheckMode(quick);

    const MemberOverrides& o = member.overrides;
    checker.SetLengthOverride(o.lengths.has_value());
    checker.SetLyy(o.lengths ? (*o.lengths)[0] : 0.0);
    checker.SetLzz(o.lengths ? (*o.lengths)[1] : 0.0);
    checker.SetLlt(o.lengths ? (*o.lengths)[2] : 0.0);
    if (o.alphaM) checker.SetEquivalentUniformMomentFactor(*o.alphaM);
    if (o.deltaMajor) checker.SetMomentAmplificationFactorStrongAxis(*o.deltaMajor);
    if (o.deltaMinor) checker.SetMomentAmplificationFactorWeakAxis(*o.deltaMinor);
    factorsSet_ = o.alphaM || o.deltaMajor || o.deltaMinor;

    const bool accepted = checker.SetSection(member.section);
    checker.SetSteelDesignProp(member.grade);  // after the section: it goes to the calculator
    return accepted;
}

CaseResult MemberChecker::RunCase(const LoadCase& loadCase, bool sectionAccepted, bool principal,
                                  const RunOptions& options) {
    Arbor::Steel::CSteelMemberGen& checker = *checker_;
    CMemberResult result;
    result.EnableText(options.report && !options.quick);
    checker.SetSubSpanVec(loadCase.subSpans);
    checker.SetResult(&result);

    CaseResult out;
    out.name = loadCase.name;
    out.ran = options.quick ? checker.QuickCheck() : checker.Check();
    if (sectionAccepted) {
        if (const auto data = checker.GetMemberEffectiveLengthData()) {
            out.lengths = {SpansOf(data->majorAxis), SpansOf(data->minorAxis), SpansOf(data->lt)};
        }
    }
    checker.SetResult(nullptr);

    out.flags = result.Flags();
    out.governing = result.UtilOverAll();
    out.entries = CollectEntries(result, static_cast<int>(loadCase.subSpans.size()));
    for (EntryResult& entry : out.entries) entry.principal = principal;
    out.governs = GoverningCheck(out);
    out.pass = out.ran && !(out.flags & Flag::Failed) && out.governing <= 1.0;
    out.report = result.Report();
    return out;
}

MemberResult MemberChecker::Run(const MemberInput& member, const RunOptions& options) {
    MemberResult out;
    out.source = member.source;
    out.title = member.title;
    out.section = member.sectionName;
    out.grade = member.gradeName;
    const bool accepted = Prepare(member, options.quick);
    // Angles are checked as struts and ties about their principal axes.
    const bool principal = member.section.Shape() == Arbor::Data::SecShape::Angle;
    for (const LoadCase& loadCase : member.cases) {
        out.cases.push_back(RunCase(loadCase, accepted, principal, options));
    }
    return out;
}

}  // namespace as4100
