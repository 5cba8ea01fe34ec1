// Timing of the checker on the reference members: quick checks (the host's design loop), full
// checks with the report, setting a section, and one section capacity.
#include <benchmark/benchmark.h>

#include "ReferenceMembers.h"
#include "shapes/SectionCalcI.h"

namespace {

using namespace as4100bench;

template <ReferenceMember (*Make)()>
void QuickCheck(benchmark::State& state) {
    ReferenceMember m = Make();
    m.checker->SetQuickCheckMode(true);
    for (auto _ : state) {
        m.result.Reset();
        benchmark::DoNotOptimize(m.checker->QuickCheck());
    }
}

template <ReferenceMember (*Make)()>
void FullCheck(benchmark::State& state) {
    ReferenceMember m = Make();
    for (auto _ : state) {
        m.result.Reset();
        benchmark::DoNotOptimize(m.checker->Check());
    }
    state.counters["report_pieces"] = static_cast<double>(m.result.Report().size());
}

void SetSectionAndGrade(benchmark::State& state) {
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const auto& section = catalogue.FindSection("310UB40.4")->section;
    const auto grade = *catalogue.FindGrade("300PLUS");
    CMemberResult result;
    std::unique_ptr<CSteelMemberGen> checker(NewCode());
    checker->SetResult(&result);
    for (auto _ : state) {
        benchmark::DoNotOptimize(checker->SetSection(section));
        benchmark::DoNotOptimize(checker->SetSteelDesignProp(grade));
    }
}

void SectionMomentCapacity(benchmark::State& state) {
    ReferenceMember m = Beam();
    const auto* member =
        dynamic_cast<const Arbor::Steel::SteelAS4100::CAS4100_98Member*>(m.checker.get());
    const auto* section = member->Section();
    for (auto _ : state) benchmark::DoNotOptimize(section->MsXX(nullptr));
}

BENCHMARK(QuickCheck<Beam>)->Name("QuickCheck/beam_4_subspans");
BENCHMARK(QuickCheck<BeamColumn>)->Name("QuickCheck/beam_column");
BENCHMARK(QuickCheck<Column>)->Name("QuickCheck/column");
BENCHMARK(FullCheck<Beam>)->Name("Check_report/beam_4_subspans");
BENCHMARK(FullCheck<BeamColumn>)->Name("Check_report/beam_column");
BENCHMARK(FullCheck<Column>)->Name("Check_report/column");
BENCHMARK(SetSectionAndGrade)->Name("SetSection_SetSteelDesignProp");
BENCHMARK(SectionMomentCapacity)->Name("Section/MsXX");

}  // namespace

BENCHMARK_MAIN();
