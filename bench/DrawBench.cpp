// Building a queue from a pool file against the plain list-erase walk, reading and writing large
// line lists, and the remainder rewrite that follows every draw.
#include "common/LineList.h"
#include "draw/EntropySeedSource.h"
#include "draw/EventFiles.h"
#include "tests/support/ReferenceQueueBuild.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// n lines "1".."n", every tenth pinned to a distinct random position.
std::vector<std::string> poolLines(std::size_t n) {
    std::mt19937 random(12345);
    std::vector<std::size_t> positions(n);
    std::iota(positions.begin(), positions.end(), 1);
    std::shuffle(positions.begin(), positions.end(), random);
    std::vector<std::string> lines;
    lines.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        lines.push_back(std::to_string(i + 1));
        if (i % 10 == 0) {
            lines.back() += "#" + std::to_string(positions[i]);
        }
    }
    return lines;
}

testsupport::TempFolder& folder() {
    static testsupport::TempFolder instance;
    return instance;
}

std::filesystem::path poolFileOf(std::size_t n) {
    const auto path = folder() / ("pool-" + std::to_string(n) + ".cd");
    if (!std::filesystem::exists(path)) {
        common::writeLineListFile(path, poolLines(n));
    }
    return path;
}

void BM_BuildFromPoolFile(benchmark::State& state) {
    const auto path = poolFileOf(static_cast<std::size_t>(state.range(0)));
    draw::EntropySeedSource seeds;
    draw::DrawQueue queue(seeds);
    for (auto _ : state) {
        draw::openNewEvent(queue, path);
        benchmark::DoNotOptimize(queue.head());
    }
}
BENCHMARK(BM_BuildFromPoolFile)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);

void BM_ReferenceBuildFromPoolFile(benchmark::State& state) {
    const auto path = poolFileOf(static_cast<std::size_t>(state.range(0)));
    draw::EntropySeedSource seeds;
    for (auto _ : state) {
        auto queue = testsupport::referenceBuildQueue(common::readLineListFile(path), seeds);
        benchmark::DoNotOptimize(queue.data());
    }
}
// The walk is quadratic: 10^6 lines would take hours, so it stops at 10^5.
BENCHMARK(BM_ReferenceBuildFromPoolFile)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond);

void BM_ReadLineListFile(benchmark::State& state) {
    const auto path = poolFileOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto lines = common::readLineListFile(path);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_ReadLineListFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_WriteLineListFile(benchmark::State& state) {
    const auto lines = poolLines(static_cast<std::size_t>(state.range(0)));
    const auto path = folder() / "written.cd";
    for (auto _ : state) {
        common::writeLineListFile(path, lines);
    }
}
BENCHMARK(BM_WriteLineListFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

// One draw's remainder rewrite, flushes included.
void BM_RemainderRewrite(benchmark::State& state) {
    draw::EntropySeedSource seeds;
    draw::DrawQueue queue(seeds);
    queue.setEntries(poolLines(static_cast<std::size_t>(state.range(0))));
    const auto path = folder() / "temp.db";
    for (auto _ : state) {
        draw::writeQueueFile(queue, path);
    }
}
BENCHMARK(BM_RemainderRewrite)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
