// Composing and writing a settings file for a large application: N file lines
// and N/20 lines in each shortcut list (20,000 and 1,000 at the top size).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "settings/commands/create_command.h"
#include "settings/format/settings_writer.h"
#include "settings/platform/file_replace.h"
#include "support/silent_prompts.h"

namespace velquin {
namespace {

void fill(InstallSettings& s, int files) {
  std::vector<std::string> lines;
  for (int i = 0; i < files; ++i)
    lines.push_back("data\\level" + std::to_string(i % 50) + "\\asset_" + std::to_string(i) +
                    ".bin,2");
  s.setLines(ListField::MemoFiles, lines);
  std::vector<std::string> shortcuts;
  for (int i = 0; i < files / 20; ++i)
    shortcuts.push_back("Shortcut " + std::to_string(i) + ",bin\\tool" + std::to_string(i) +
                        ".exe,/p,icons.dll," + std::to_string(i % 10));
  s.select(Option::RadioButtonStartCheck);
  s.select(Option::RadioButtonStartupCheck);
  s.select(Option::RadioButtonDesktopCheck);
  s.setLines(ListField::MemoGroupItem, shortcuts);
  s.setLines(ListField::MemoStartupItem, shortcuts);
  s.setLines(ListField::MemoDesktopItem, shortcuts);
  s.setText(TextField::EditName, "Bench");
  s.setText(TextField::EditInstallTitle, "Bench setup");
}

void BM_ComposeSettingsFile(benchmark::State& state) {
  InstallSettings s;
  fill(s, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(composeSettingsFile(s, "Rivo.ini"));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ComposeSettingsFile)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The whole Create command: checks, composing, and the write to disk with its
// flush, into the system's temporary folder.
void BM_CreateCommand(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "velquin-writer-bench";
  std::filesystem::create_directories(dir);
  InstallSettings s;
  s.setProgram(dir / "app.exe");
  fill(s, static_cast<int>(state.range(0)));
  test::SilentPrompts prompts;
  for (auto _ : state) {
    if (runCreateCommand(s, prompts) != CreateResult::Written) state.SkipWithError("write");
  }
  state.SetComplexityN(state.range(0));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_CreateCommand)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace velquin
