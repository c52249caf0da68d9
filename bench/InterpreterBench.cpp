// Interpreter loops: lines per second for arithmetic in FOR and GOTO loops, and that finding
// variables and lines does not slow down as programs grow.
#include "script/BasicInterpreter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

/// Runs a program with no output box, `lines` executed lines per run.
void RunProgram(benchmark::State& state, const std::string& program, double lines) {
    CBasicInterpreter interpreter;
    for (auto _ : state)
        benchmark::DoNotOptimize(interpreter.Run(program));
    state.counters["lines/s"] = benchmark::Counter(lines * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

/// One million lines: three per pass of a FOR loop that does arithmetic on two variables.
void BM_InterpreterForLoopMillionLines(benchmark::State& state) {
    const std::string program = "10 LET X = 0\r\n"
                                "20 FOR I = 1 TO 333333\r\n"
                                "30 LET X = X + I * 2\r\n"
                                "40 LET Y = X / 3 - I\r\n"
                                "50 NEXT I\r\n";
    RunProgram(state, program, 2 + 3 * 333333.0);
}
BENCHMARK(BM_InterpreterForLoopMillionLines)->Unit(benchmark::kMillisecond);

/// One million lines: a counter loop built from IF and a backward jump.
void BM_InterpreterGotoLoopMillionLines(benchmark::State& state) {
    const std::string program = "10 LET I = 0\r\n"
                                "20 LET I = I + 1\r\n"
                                "30 IF I < 500000 THEN 20\r\n";
    RunProgram(state, program, 1 + 2 * 500000.0);
}
BENCHMARK(BM_InterpreterGotoLoopMillionLines)->Unit(benchmark::kMillisecond);

/// A loop of 100,000 lines over a program that first creates `range(0)` other variables: the
/// time per line stays the same however many variables exist.
void BM_InterpreterManyVariables(benchmark::State& state) {
    const int variables = static_cast<int>(state.range(0));
    std::string program;
    for (int i = 0; i < variables; ++i)
        program += std::to_string(10 + i) + " LET V" + std::to_string(i) + " = " +
                   std::to_string(i) + "\r\n";
    const int loop = 10 + variables;
    program += std::to_string(loop) + " FOR I = 1 TO 50000\r\n" + std::to_string(loop + 1) +
               " LET X = V0 + I\r\n" + std::to_string(loop + 2) + " NEXT I\r\n";
    RunProgram(state, program, variables + 1 + 2 * 50000.0);
}
BENCHMARK(BM_InterpreterManyVariables)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

/// Jumps between the two ends of a program of `range(0)` lines: lines are found by binary
/// search, so long programs jump as fast as short ones.
void BM_InterpreterJumpsInLongProgram(benchmark::State& state) {
    const int filler = static_cast<int>(state.range(0));
    std::string program = "1 LET I = 0\r\n2 LET I = I + 1\r\n3 GOTO 1000000\r\n";
    for (int i = 0; i < filler; ++i)
        program += std::to_string(10 + i) + " REM filler\r\n";
    program += "1000000 IF I < 100000 THEN 2\r\n";
    RunProgram(state, program, 1 + 3 * 100000.0);
}
BENCHMARK(BM_InterpreterJumpsInLongProgram)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
