// Formatting of on-screen numbers and names, done many times a frame.
#include <benchmark/benchmark.h>

#include <cwchar>

#include "engine/foundation/utf8.h"

namespace {

void BM_Utf8RoundTrip(benchmark::State& state) {
  const std::wstring text = L"Player \u00e9\u00e8 \u4e2d\u6587 12345";
  for (auto _ : state) {
    benchmark::DoNotOptimize(ORB::Utf8ToWide(ORB::WideToUtf8(text)));
  }
}
BENCHMARK(BM_Utf8RoundTrip);

}  // namespace
