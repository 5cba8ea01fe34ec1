#include "app/Sizing.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <thread>
#include <utility>

#include "app/InputError.h"
#include "app/JsonField.h"
#include "app/TextTable.h"

namespace as4100 {

namespace {

using Arbor::Data::Catalogue;
using Arbor::Data::CatalogueEntry;
using Arbor::Data::CSection;
namespace SecShape = Arbor::Data::SecShape;

// A rounding allowance on the limits (mm to m conversions).
constexpr double kLimitTolerance = 1e-9;  // m

// What one check of one member says.
struct MemberVerdict {
    bool handled = true;  // the checker handles the shape
    bool pass = true;     // every case passes with utilisation at most the limit
    double governing = 0.0;
    double largestFinite = 0.0;
    const CaseResult* governingCase = nullptr;
};

// The check's utilisations over the member's cases (pointing into `result`). A quick check stops at
// its first failure, so its utilisation is exact only for a member that passes.
MemberVerdict Judge(const MemberResult& result, double maxUtil) {
    MemberVerdict v;
    for (const CaseResult& c : result.cases) {
        if (c.flags & Arbor::Steel::ResultFlag::ShapeNotHandled) v.handled = false;
        v.pass = v.pass && c.pass && c.governing <= maxUtil;
        for (const EntryResult& entry : c.entries) {
            for (double u : entry.util) {
                if (std::isfinite(u)) v.largestFinite = std::max(v.largestFinite, u);
            }
        }
        if (!v.governingCase || c.governing > v.governing) {
            v.governing = c.governing;
            v.governingCase = &c;
        }
    }
    return v;
}

// Puts catalogue sections into copies of one member, each in its grade: the member's own
// grade for every family when `ownForAll` (a grade named for the sizing, or a member whose
// section is not from the catalogue); otherwise the member's own grade for the families whose
// usual grade is that of the member's own section (hot-rolled, hollow) and their usual grade
// for the others, so that a hot-rolled grade is not given to a tube.
class SectionPutter {
  public:
    SectionPutter(const MemberInput& own, bool ownForAll) : own_(&own) {
        const auto* entry = Arbor::Data::Catalogue::Instance().FindSection(own.sectionName);
        if (!ownForAll && entry) ownUsual_ = Catalogue::DefaultGrade(entry->family);
    }

    void Put(MemberInput& work, const CatalogueEntry& entry) const {
        work.section = entry.section;
        work.section.SetNetAreaRatio(own_->section.NetAreaRatio());
        if (const auto ratio = own_->section.PlasticElasticRatio()) {
            work.section.SetPlasticElasticRatio(*ratio);
        }
        work.sectionName = entry.designation;
        const std::string usual = Catalogue::DefaultGrade(entry.family);
        const auto grade = ownUsual_.empty() || usual == ownUsual_
                               ? std::nullopt
                               : Catalogue::Instance().FindGrade(usual);
        work.grade = grade ? *grade : own_->grade;
        work.gradeName = grade ? usual : own_->gradeName;
    }

  private:
    const MemberInput* own_;
    std::string ownUsual_;  // empty: the member's own grade for every family
};

std::vector<std::string> FamilyNames() {
    std::vector<std::string> names;
    for (const CatalogueEntry* entry : Arbor::Data::Catalogue::Instance().Sections()) {
        if (std::find(names.begin(), names.end(), entry->family) == names.end()) {
            names.push_back(entry->family);
        }
    }
    return names;
}

void CheckFamily(const std::string& family) {
    if (Catalogue::Instance().Sections(family).empty()) {
        throw InputError("--family: unknown family \"" + family +
                         "\"; known families: " + JoinWords(FamilyNames()));
    }
}

// The full check flags a shape it does not handle (the quick check only stops).
bool ShapeHandled(MemberChecker& checker, const MemberInput& probe, const CatalogueEntry& entry) {
    const MemberResult result = checker.Run(WithSection(probe, entry, true), {false, false, {}});
    return Judge(result, 1.0).handled;
}

// Keeps the governing member's utilisation and words.
void Keep(SectionTrial& trial, const MemberVerdict& v, std::size_t member) {
    trial.largestFinite = std::max(trial.largestFinite, v.largestFinite);
    if (member != 0 && v.governing <= trial.governing) return;
    trial.governing = v.governing;
    trial.member = member;
    trial.governs = v.governingCase ? v.governingCase->name + ": " + v.governingCase->governs : "";
}

// One section on every member: the quick check screens (stopping at the first member that
// fails); the full check explains a failure and, when `confirm`, confirms a pass. Nothing
// when the checker does not handle the shape.
std::optional<SectionTrial> Try(std::vector<MemberInput>& work, const CatalogueEntry& entry,
                                double maxUtil, MemberChecker& checker, bool confirm) {
    SectionTrial trial;
    trial.entry = &entry;
    trial.grade = work.front().gradeName;
    trial.pass = true;
    for (std::size_t i = 0; i < work.size() && trial.pass; ++i) {
        const MemberResult result = checker.Run(work[i], {true, false, {}});
        const MemberVerdict v = Judge(result, maxUtil);
        if (!v.handled) return std::nullopt;
        trial.pass = v.pass;
        if (v.pass) Keep(trial, v, i);
    }
    if (trial.pass && !confirm) return trial;

    const bool screened = trial.pass;
    trial = SectionTrial{};
    trial.entry = &entry;
    trial.grade = work.front().gradeName;
    trial.pass = true;
    for (std::size_t i = 0; i < work.size(); ++i) {
        const MemberResult result = checker.Run(work[i], {false, false, {}});
        const MemberVerdict v = Judge(result, maxUtil);
        if (!v.handled) return std::nullopt;
        trial.pass = trial.pass && v.pass;
        Keep(trial, v, i);
    }
    trial.pass = trial.pass && screened;
    return trial;
}

// A limit in millimetres, or with its unit ("400mm", "0.4m"); metres out.
double LimitLength(const std::string& text, const char* option) {
    if (text.empty()) return std::numeric_limits<double>::infinity();
    std::size_t used = 0;
    double value = 0.0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    std::string unit = text.substr(used);
    unit.erase(0, unit.find_first_not_of(' '));
    const double factor = unit.empty() || unit == "mm" ? 1e-3 : unit == "m" ? 1.0 : 0.0;
    if (used == 0 || factor == 0.0 || !std::isfinite(value) || value <= 0.0) {
        throw InputError(std::string(option) + ": expected a positive length in mm (or with " +
                         "its unit, 400mm or 0.4m), got \"" + text + "\"");
    }
    return value * factor;
}

}  // namespace

bool LowerUtilisation(const SectionTrial& a, const SectionTrial& b) {
    return std::pair(a.governing, a.largestFinite) < std::pair(b.governing, b.largestFinite);
}

std::optional<std::size_t> SizingResult::Best() const {
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < tried.size(); ++i) {
        if (!best || LowerUtilisation(tried[i], tried[*best])) best = i;
    }
    return best;
}

double SectionDepth(const CSection& section) {
    const auto& d = section.Dimensions();
    return d.empty() ? 0.0 : d[0];
}

double SectionWidth(const CSection& section) {
    const auto& d = section.Dimensions();
    switch (section.Shape()) {
        case SecShape::I:
        case SecShape::WeldedI:
            return d.size() > 3 ? std::max(d[1], d[3]) : 0.0;
        case SecShape::CHS:
            return SectionDepth(section);
        default:  // channels, tees, angles, RHS: the second dimension is the width
            return d.size() > 1 ? d[1] : SectionDepth(section);
    }
}

MemberInput WithSection(const MemberInput& member, const CatalogueEntry& entry, bool ownGrade) {
    MemberInput out = member;
    SectionPutter(member, ownGrade).Put(out, entry);
    return out;
}

CandidateList Candidates(const std::vector<std::string>& families, const SizingLimits& limits,
                         MemberChecker& checker, const MemberInput& probe) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    CandidateList out;
    std::vector<std::string> seen;
    for (const std::string& family : families) {
        CheckFamily(family);
        const auto sections = catalogue.Sections(family);
        const std::string& name = sections.front()->family;
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
        seen.push_back(name);
        if (!ShapeHandled(checker, probe, *sections.front())) {
            out.skippedFamilies.push_back(name);
            continue;
        }
        for (const CatalogueEntry* entry : sections) {
            const bool fits = SectionDepth(entry->section) <= limits.maxDepth + kLimitTolerance &&
                              SectionWidth(entry->section) <= limits.maxWidth + kLimitTolerance;
            if (fits) {
                out.sections.push_back(entry);
            } else {
                ++out.outsideLimits;
            }
        }
    }
    std::stable_sort(out.sections.begin(), out.sections.end(),
                     [](const CatalogueEntry* a, const CatalogueEntry* b) {
                         return a->massPerMetre < b->massPerMetre;
                     });
    return out;
}

SizingResult SizeGroup(const std::vector<MemberInput>& members, const CandidateList& candidates,
                       double maxUtil, bool ownGrade, MemberChecker& checker,
                       std::size_t heavierShown) {
    std::vector<MemberInput> work = members;
    std::vector<SectionPutter> putters;
    for (const MemberInput& m : members) putters.emplace_back(m, ownGrade);
    SizingResult out;
    std::size_t heavierPassing = 0;
    for (const CatalogueEntry* entry : candidates.sections) {
        if (out.chosen && heavierPassing >= heavierShown) break;
        for (std::size_t i = 0; i < work.size(); ++i) putters[i].Put(work[i], *entry);
        const auto trial = Try(work, *entry, maxUtil, checker, !out.chosen);
        if (!trial) continue;
        out.tried.push_back(*trial);
        if (!trial->pass) continue;
        if (out.chosen) {
            ++heavierPassing;
        } else {
            out.chosen = out.tried.size() - 1;
        }
    }
    return out;
}

SizingPlan PlanSizing(const SizingOptions& options) {
    if (!(options.maxUtil > 0.0 && options.maxUtil <= 1.0)) {
        throw InputError("--max-util: must be greater than 0 and at most 1, got " +
                         ShortDump(options.maxUtil));
    }
    SizingPlan plan;
    for (const std::string& family : options.families) CheckFamily(family);
    plan.families = options.families;
    plan.limits = {LimitLength(options.maxDepth, "--max-depth"),
                   LimitLength(options.maxWidth, "--max-width")};
    plan.maxUtil = options.maxUtil;
    if (!options.grade.empty()) {
        const auto& catalogue = Catalogue::Instance();
        plan.grade = catalogue.FindGrade(options.grade);
        if (!plan.grade) {
            throw InputError("--grade: unknown grade \"" + options.grade +
                             "\"; known grades: " + JoinWords(catalogue.GradeNames()));
        }
        plan.gradeName = Arbor::ToUtf8(plan.grade->Name());
    }
    return plan;
}

void ApplyGrade(MemberInput& member, const SizingPlan& plan) {
    if (!plan.grade) return;
    member.grade = *plan.grade;
    member.gradeName = plan.gradeName;
}

SizingResult SizeGroup(std::vector<MemberInput> members, const CandidateList& candidates,
                       const SizingPlan& plan, MemberChecker& checker) {
    for (MemberInput& m : members) ApplyGrade(m, plan);
    return SizeGroup(members, candidates, plan.maxUtil, plan.grade.has_value(), checker);
}

const SectionTrial* GroupSizing::Shown() const {
    const auto shown = result.chosen ? result.chosen : result.Best();
    return shown ? &result.tried[*shown] : nullptr;
}

std::vector<GroupSizing> GroupsOf(const std::vector<std::string>& keys) {
    std::vector<GroupSizing> groups;
    std::map<std::string, std::size_t> named;  // key → its group
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto [at, added] = named.try_emplace(keys[i], groups.size());
        if (keys[i].empty() || added) {
            groups.push_back({keys[i], {}, {}});
            if (!keys[i].empty()) at->second = groups.size() - 1;
        }
        groups[keys[i].empty() ? groups.size() - 1 : at->second].members.push_back(i);
    }
    return groups;
}

void OnWorkers(std::size_t count, int jobs,
               const std::function<void(std::size_t, MemberChecker&)>& work,
               const std::function<bool()>& stop) {
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        MemberChecker checker;  // each worker its own: checkers share nothing
        for (std::size_t i = next++; i < count && !(stop && stop()); i = next++) work(i, checker);
    };
    const std::size_t workers =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(jobs, 1)), count);
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < workers; ++w) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
}

}  // namespace as4100
