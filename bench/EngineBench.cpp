// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "engine/Conversion.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quantell;

// One press of the convert button: both texts read, the terms added, seven results written.
void convertTwoTerms(benchmark::State& state, Kind kind, ConversionInput input) {
    const Separators separators;
    for (auto _ : state) {
        ConversionResult result = convert(kind, input, separators);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK_CAPTURE(convertTwoTerms, feetAndInches, Kind::Length, ConversionInput{"5", "3", 5, 4});
BENCHMARK_CAPTURE(convertTwoTerms, longFullWidthTexts, Kind::Weight,
                  ConversionInput{"\u3000１，２３４，５６７．８９０１ｅ－２\u3000",
                                  " -98,765.4321012345e+1 ", 6, 5});

} // namespace

BENCHMARK_MAIN();
