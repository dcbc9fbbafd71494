// The benchmark cases with the GDI metrics, for running under Windows or wine64 (Google Benchmark is not
// built for the Windows toolchains): each case is repeated for about half a second and the mean time per run
// printed, for parse plus layout with the renderer's own wrap rule and with the plain rule that measures the
// run after every character (from the test support), and for measuring the plain text once (the floor).

#include <windows.h>

#include <cstdio>

#include "HtmlBenchCases.h"
#include "HtmlCharacterWrap.h"
#include "HtmlTextMetricsWin.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Mean microseconds per call of Run, repeated until half a second has passed (after one warm-up call).
template <class TRun>
double MicrosecondsPerRun(TRun&& Run) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  Run();
  QueryPerformanceCounter(&start);
  long runs = 0;
  do {
    Run();
    ++runs;
    QueryPerformanceCounter(&now);
  } while (Seconds(start, now, frequency) < 0.5);
  return Seconds(start, now, frequency) * 1e6 / static_cast<double>(runs);
}

}  // namespace

int main() {
  THtmlRender render(std::make_unique<THtmlTextMetricsWin>());
  THtmlCharacterWrap characterWrap;
  std::printf("%-10s %12s %12s %10s %8s %8s\n", "caption", "parse us", "plain us", "floor us", "ratio",
              "plain");
  for (const THtmlBenchCase& benchCase : HtmlBenchCases()) {
    const double parse = MicrosecondsPerRun([&] { HtmlBenchParse(render, benchCase); });
    render.SetWrapRule(&characterWrap);
    const double plain = MicrosecondsPerRun([&] { HtmlBenchParse(render, benchCase); });
    render.SetWrapRule(nullptr);
    const std::u16string text = HtmlBenchPlainText(render, benchCase);
    const THtmlFontSpec font{u"Verdana", benchCase.FontHeight, {}, TFontCharset(1)};
    volatile int extent = 0;
    const double floor = MicrosecondsPerRun([&] { extent = render.Metrics()->TextExtent(font, text); });
    std::printf("%-10s %12.2f %12.2f %10.2f %8.1f %8.1f\n", benchCase.Name.c_str(), parse, plain, floor,
                parse / floor, plain / floor);
  }
  return 0;
}
