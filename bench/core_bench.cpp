// Parse, format and the whole calculation, each beside its floor: the bare from_chars and
// to_chars calls that any correct implementation makes. Compare the pairs' times.
#include "calc/calculation.hpp"
#include "runtime/number_format.hpp"
#include "runtime/number_parse.hpp"

#include <array>
#include <benchmark/benchmark.h>
#include <charconv>
#include <string>

namespace {

using namespace korvala;

const std::array<std::string, 5> kTypedTexts{"1.5", "2.25", "", "", ""};
const runtime::NumberSettings kSettings = runtime::posixNumberSettings();
// What the calculation below computes, so the floor formats the very same values.
const calc::SymbolValues kResults = calc::solve(calc::ProblemType::RH, 1.5, 2.25);

void parseFloor(benchmark::State& state) {
    const std::string& text = kTypedTexts[1];
    for (auto _ : state) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(parseFloor);

void parseLeadingNumber(benchmark::State& state) {
    const std::string& text = kTypedTexts[1];
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::parseLeadingNumber(text, kSettings));
    }
}
BENCHMARK(parseLeadingNumber);

void formatFloor(benchmark::State& state) {
    double value = 14.049629462081453;
    benchmark::DoNotOptimize(value);
    for (auto _ : state) {
        std::array<char, 64> buffer{};
        auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 7);
        std::string text(buffer.data(), result.ptr);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(formatFloor);

void formatSevenDecimals(benchmark::State& state) {
    double value = 14.049629462081453;
    benchmark::DoNotOptimize(value);
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::formatSevenDecimals(value, kSettings));
    }
}
BENCHMARK(formatSevenDecimals);

// Five texts parsed and the five results formatted, without any of the calculation's own work.
void calculationFloor(benchmark::State& state) {
    for (auto _ : state) {
        std::array<double, 5> values{};
        for (std::size_t i = 0; i < 5; ++i) {
            std::from_chars(kTypedTexts[i].data(), kTypedTexts[i].data() + kTypedTexts[i].size(),
                            values[i]);
        }
        benchmark::DoNotOptimize(values);
        std::array<std::string, 5> texts;
        for (std::size_t i = 0; i < 5; ++i) {
            std::array<char, 64> buffer{};
            auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), kResults[i],
                                        std::chars_format::fixed, 7);
            texts[i].assign(buffer.data(), result.ptr);
        }
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(calculationFloor);

void calculation(benchmark::State& state) {
    calc::CalculationInput input;
    input.type = calc::ProblemType::RH;
    input.checks = {true, true, false, false, false};
    for (std::size_t i = 0; i < 5; ++i) {
        input.texts[i] = kTypedTexts[i];
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::calculate(input, kSettings));
    }
}
BENCHMARK(calculation);

} // namespace

BENCHMARK_MAIN();
