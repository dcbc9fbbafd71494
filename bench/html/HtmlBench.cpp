// Parse plus layout of each dialog caption and of a 10 KB caption, with the fixed metrics, against measuring
// the same plain text once with the same metrics (the floor no renderer can beat).

#include <benchmark/benchmark.h>

#include "HtmlBenchCases.h"
#include "HtmlFixedMetrics.h"

namespace {

void ParseAndLayout(benchmark::State& state, const THtmlBenchCase& benchCase) {
  THtmlRender render(std::make_unique<THtmlFixedMetrics>());
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

const bool Registered = [] {
  for (const THtmlBenchCase& benchCase : HtmlBenchCases()) {
    benchmark::RegisterBenchmark(("Parse/" + benchCase.Name).c_str(), ParseAndLayout, benchCase)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Floor/" + benchCase.Name).c_str(), MeasurePlainText, benchCase)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
