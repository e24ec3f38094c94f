// What a click costs in the level edit once a long text is pasted into it:
// the character nearest the pointer (OffsetAtX), for texts of a thousand to
// a hundred thousand characters. It grows in step with the text's length:
// the fit below says O(N).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ClassicLook.h"
#include "platform/EditText.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

namespace {
// Accented letters, digits and a decimal comma, as a paste might hold.
std::string Pasted(long characters)
{
    static const char* const pieces[] = {"à", "1", "2", ",", "5", "é", " ", "c", "m", "·"};
    std::string text;
    for (long i = 0; i < characters; ++i)
        text += pieces[i % 10];
    return text;
}

void ClickInPastedText(benchmark::State& state)
{
    SetApplicationResources(&TervanResources());
    const FontRequest font = ClassicLook::TemplateFont(FindDialogTemplate(IDD_LEVEL));
    const std::string text = Pasted(state.range(0));
    const int middle = TextWidth(font, text) / 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(OffsetAtX(font, text, middle));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ClickInPastedText)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
} // namespace

BENCHMARK_MAIN();
