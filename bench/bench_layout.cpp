// The layout report: today's tree-order layout against the new one on the same trees,
// generated (1k, 10k, 100k people) and shaped like hard real files. Each run's counters are
// the readability measures of KIN_GedcomLayoutMeasure; its time, the layout's.
#include "KIN_GedcomDecoder.h"
#include "KIN_GedcomEstimator.h"
#include "KIN_GedcomLayout.h"
#include "KIN_GedcomLayoutMeasure.h"
#include "KIN_GedcomShapedTrees.h"
#include "KIN_GedcomTreeGenerator.h"
#include "KIN_GedcomTreeLayout.h"
#include "KIN_GedcomTreeReader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>

namespace
{
enum Tree
{
    Generated1k,
    Generated10k,
    Generated100k,
    Dynasties,
    Village,
    Kings
};

struct Fixture
{
    KIN_GedcomTree tree;
    std::vector<KIN_GedcomLifespan> lifespans;
};

std::string TextOf(Tree tree)
{
    switch (tree)
    {
    case Generated1k:
        return KIN_GedcomTreeGenerator::Generate(1000);
    case Generated10k:
        return KIN_GedcomTreeGenerator::Generate(10000);
    case Generated100k:
        return KIN_GedcomTreeGenerator::Generate(100000);
    case Dynasties:
        return KIN_GedcomShapedTrees::Dynasties();
    case Village:
        return KIN_GedcomShapedTrees::Village();
    case Kings:
        break;
    }
    return KIN_GedcomShapedTrees::Kings();
}

const Fixture& FixtureOf(Tree tree)
{
    static std::map<Tree, Fixture> fixtures;
    auto found = fixtures.find(tree);
    if (found == fixtures.end())
    {
        Fixture fixture;
        KIN_GedcomProgress progress(nullptr);
        const std::string text = KIN_GedcomDecoder::Decode(TextOf(tree));
        if (!KIN_GedcomTreeReader(progress).Read(text, fixture.tree) ||
            !KIN_GedcomEstimator(fixture.tree, 2026).Estimate(progress, fixture.lifespans))
            std::abort();
        found = fixtures.emplace(tree, std::move(fixture)).first;
    }
    return found->second;
}

// range(1): the width allowance in hundredths; 0 for today's tree layout (in-law parents beside
// their child's row among its siblings), 1 for the new one without packing.
void BM_Layout(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<Tree>(state.range(0)));
    const double dAllowance = static_cast<double>(state.range(1)) / 100;
    std::vector<std::int32_t> columns;
    for (auto _ : state)
    {
        KIN_GedcomProgress progress(nullptr);
        const bool bDone = state.range(1) == 0
                               ? KIN_GedcomTreeLayout(fixture.tree, fixture.lifespans,
                                                      KIN_GedcomRowForest::InLaws::BesideTheirChild)
                                     .Arrange(progress, columns)
                               : KIN_GedcomLayout(fixture.tree, fixture.lifespans,
                                                  state.range(1) == 1 ? 0 : dAllowance)
                                     .Arrange(progress, columns);
        if (!bDone)
            state.SkipWithError("layout cancelled");
        benchmark::DoNotOptimize(columns.data());
    }
    const KIN_GedcomLayoutMeasure measure =
        KIN_GedcomLayoutMeasure::Of(fixture.tree, fixture.lifespans, columns);
    state.counters["people"] = static_cast<double>(fixture.tree.people.size());
    state.counters["width/bound"] = measure.dWidthToBound;
    state.counters["couples%"] = 100 * measure.dCouplesBeside;
    state.counters["dist_med"] = measure.dDistanceMedian;
    state.counters["dist_p90"] = measure.dDistanceP90;
    state.counters["dist_max"] = measure.dDistanceMax;
    state.counters["leg/person"] = measure.dLegPerPerson;
    state.counters["cross/person"] = measure.dCrossingsPerPerson;
    state.counters["cross/leg"] = measure.dCrossingsPerLeg;
}

// Every tree with today's layout and the new one side by side, then the width allowed
// against legs and crossings on the largest trees.
void Trees(benchmark::internal::Benchmark* pBenchmark)
{
    pBenchmark->ArgNames({"tree", "allowance%"})->Unit(benchmark::kMillisecond);
    for (int nTree = Generated1k; nTree <= Kings; ++nTree)
    {
        pBenchmark->Args({nTree, 0});
        pBenchmark->Args({nTree, 1});
    }
    for (const int nTree : {Generated100k, Dynasties, Village})
    {
        for (const int nAllowance : {120, 150, 200, 300})
            pBenchmark->Args({nTree, nAllowance});
    }
}

BENCHMARK(BM_Layout)->Apply(Trees);

} // namespace

BENCHMARK_MAIN();
