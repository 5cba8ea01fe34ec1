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

// Quick check of a long beam-column (compact 150UC30.0 or non-compact 310UB40.4) with a brace
// every 10 points; items are member points, so items/s should not fall as the points grow.
void Scaling(benchmark::State& state) {
    const int points = static_cast<int>(state.range(0));
    ReferenceMember m = LongBeamColumn(state.range(1) ? "150UC30.0" : "310UB40.4", points);
    m.checker->SetQuickCheckMode(true);
    for (auto _ : state) {
        m.result.Reset();
        benchmark::DoNotOptimize(m.checker->QuickCheck());
    }
    state.SetItemsProcessed(state.iterations() * points);
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
BENCHMARK(Scaling)
    ->Name("Scaling")
    ->ArgNames({"points", "compact"})
    ->ArgsProduct({{2, 20, 200, 2000}, {1, 0}});
BENCHMARK(SetSectionAndGrade)->Name("SetSection_SetSteelDesignProp");
BENCHMARK(SectionMomentCapacity)->Name("Section/MsXX");

}  // namespace

BENCHMARK_MAIN();
