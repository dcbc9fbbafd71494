// Downloads one address into a file with THTTPGet, waiting as the dialog does, several times, and prints the
// best throughput: httpget_bench URL FILE RUNS
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Forms.h"
#include "HTTPGet.h"

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[3]) < 1) {
    std::fprintf(stderr, "usage: httpget_bench URL FILE RUNS\n");
    return 2;
  }
  // The worker hands its completion to the application window.
  if (!Application()->Handle()) {
    std::fprintf(stderr, "error: no application window\n");
    return 1;
  }
  THTTPGet get(nullptr);
  get.SetWaitThread(true);
  get.SetURL(argv[1]);
  get.SetFileName(argv[2]);
  std::int32_t received = -1;
  get.OnDoneFile = [&received](TObject*, const std::string&, std::int32_t size) { received = size; };
  get.OnError = [&received](TObject*) { received = -1; };

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const int runs = std::atoi(argv[3]);
  double bestSeconds = 0;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    get.GetFile();
    QueryPerformanceCounter(&end);
    if (received < 0) {
      std::fprintf(stderr, "error: the download failed\n");
      return 1;
    }
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (run == 0 || seconds < bestSeconds)
      bestSeconds = seconds;
  }
  std::printf("%.0f\n", received / bestSeconds);
  return 0;
}
