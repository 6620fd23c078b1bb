// Decoding 1 MB of Shift-JIS for display: text that is all characters of code
// page 932 (the floor) beside bytes that are none (stray single bytes, lead
// bytes without their second byte, double-byte codes the code page leaves
// empty), which must take no longer than good text of the same size.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/text/sjis.h"

namespace velquin {
namespace {

constexpr std::size_t kSize = 1 << 20;

std::string repeated(std::string_view piece) {
  std::string text;
  text.reserve(kSize + piece.size());
  while (text.size() < kSize) text += piece;
  return text;
}

void decode(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) benchmark::DoNotOptimize(sjis::decodeForDisplay(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_DecodeForDisplayValid(benchmark::State& state) {
  // "表示ソフトのヘルプ,help\ｱ.txt": double-byte characters (one ending in a
  // backslash), half-width katakana and ASCII.
  decode(state, repeated("\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67\x82\xCC\x83\x77\x83\x8B\x83\x76"
                         ",help\\\xB1.txt"));
}
BENCHMARK(BM_DecodeForDisplayValid)->Unit(benchmark::kMillisecond);

void BM_DecodeForDisplayDamaged(benchmark::State& state) {
  decode(state, repeated("\xFF\x80\x85\x40\x83 \xA0\xFD\xEB\xFC"));
}
BENCHMARK(BM_DecodeForDisplayDamaged)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velquin
