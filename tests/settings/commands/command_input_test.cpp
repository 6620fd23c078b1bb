// Why a command of the command line reads no settings file at the path it
// is given: the line it prints, naming the path as the command line gave it.

#include "settings/commands/command_input.h"

#include <gtest/gtest.h>

#include "settings/platform/paths.h"
#include "settings/test_support.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using test::sj;

// Nothing there, and files that are no settings file, are told apart; a
// blank file, or one of a section the engine reads, is read (the check then
// says what the engine makes of it).
TEST(CommandInput, SaysWhyThereIsNoSettingsFileAtThePathGiven) {
  test::TempDir dir;
  fs::create_directory(dir / "dist");
  test::writeBytes(dir / "ReadMe.txt",
                   sj("テサリー 1.0\r\n\r\n[使い方]\r\nTessaly.exe を起動します。\r\n"));
  test::writeBytes(dir / "window.ini", "; placement\r\n[Window]\r\nLeft=10\r\n");
  test::writeBytes(dir / "blank.ini", "\r\n  \r\n");
  test::writeBytes(dir / "files.ini", "[files]\r\n");
  const std::string distIni = pathToUtf8(fs::path("dist") / "Rivo.ini");
  const struct {
    fs::path given;
    std::string error;
  } cases[] = {
      {"dist", "「" + distIni + "」がありません。"},
      {fs::path("dist") / "app.exe", "「" + distIni + "」がありません。"},
      {"gone.ini", "「gone.ini」がありません。"},
      {"ReadMe.txt", "「ReadMe.txt」は設定ファイルではありません。"},
      {"window.ini", "「window.ini」は設定ファイルではありません。"},
      {"blank.ini", ""},
      {"files.ini", ""},
  };
  const fs::path here = fs::current_path();
  fs::current_path(dir.path());
  for (const auto& c : cases) {
    std::string error;
    const std::unique_ptr<CommandInput> input =
        CommandInput::read(c.given, CommandInput::Sizes::Without, error);
    EXPECT_EQ(error, c.error) << c.given;
    EXPECT_EQ(input != nullptr, c.error.empty()) << c.given;
  }
  fs::current_path(here);
}

}  // namespace
}  // namespace velquin
