// Parse plus layout of each dialog caption and of a 10 KB caption, with the fixed metrics: with the
// renderer's own wrap rule, with the plain rule that measures the run after every character (from the test
// support), and measuring the same plain text once with the same metrics (the floor no renderer can beat).

#include <benchmark/benchmark.h>

#include "HtmlBenchCases.h"
#include "HtmlCharacterWrap.h"
#include "HtmlFixedMetrics.h"

namespace {

void ParseAndLayout(benchmark::State& state, const THtmlBenchCase& benchCase, IHtmlWrapRule* rule) {
  THtmlRender render(std::make_unique<THtmlFixedMetrics>());
  render.SetWrapRule(rule);
  for (auto _ : state) {
    HtmlBenchParse(render, benchCase);
    benchmark::DoNotOptimize(render.Data()->GetTextSize());
  }
  state.counters["items"] = render.Data()->GetItemCount();
}

void MeasurePlainText(benchmark::State& state, const THtmlBenchCase& benchCase) {
  THtmlRender render(std::make_unique<THtmlFixedMetrics>());
  const std::u16string text = HtmlBenchPlainText(render, benchCase);
  const THtmlFontSpec font{u"Verdana", benchCase.FontHeight, {}, TFontCharset(0)};
  for (auto _ : state)
    benchmark::DoNotOptimize(render.Metrics()->TextExtent(font, text));
}

THtmlCharacterWrap CharacterWrap;

const bool Registered = [] {
  for (const THtmlBenchCase& benchCase : HtmlBenchCases()) {
    benchmark::RegisterBenchmark(("Parse/" + benchCase.Name).c_str(), ParseAndLayout, benchCase, nullptr)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("ParseCharacterWrap/" + benchCase.Name).c_str(), ParseAndLayout, benchCase,
                                 &CharacterWrap)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Floor/" + benchCase.Name).c_str(), MeasurePlainText, benchCase)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
