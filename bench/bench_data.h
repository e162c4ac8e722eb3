#pragma once
// Inputs of the benchmarks: random numbers at three scales, 10^3 and 10^5
// numbers of 3 and 5 digits, 10^7 numbers of 7 digits (the 7-digit game).

#include "numbers/number_list.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace vesk::bench {

struct Scale {
    std::uint32_t count;
    int length;
};

// state.range(0) is the decimal exponent of the count: 3, 5 or 7.
Scale ScaleOf(const benchmark::State& state);

// Numbers separated by single blanks: 10^7 seven-digit numbers are 80 MB.
const std::string& RandomText(Scale scale);
NumberList RandomList(Scale scale, std::uint32_t seed = 1);

// Times op on a fresh copy of source per iteration; the copy is not timed.
template <typename Op>
void TimeOnCopies(benchmark::State& state, const NumberList& source, Op&& op)
{
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        state.ResumeTiming();
        op(list);
        benchmark::ClobberMemory();
    }
}

// Registers a benchmark at the three scales.
void AtScales(benchmark::internal::Benchmark* benchmark);

} // namespace vesk::bench
