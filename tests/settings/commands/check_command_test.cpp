#include "settings/commands/check_command.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

// A release script's strict check fails on a warning alone; the plain check
// lets it stand.
TEST(CheckCommand, StrictFailsOnAWarningAlone) {
  test::TempDir dir;
  test::writeBytes(dir / "app.exe", "x");
  test::writeBytes(dir / "Rivo.exe", "x");
  test::writeBytes(dir / "Rivo.ini",
                   "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\n"
                   "Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\n"
                   "Item2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");
  EXPECT_EQ(runCheckCommand(dir.path(), {.strict = true}).exitCode, 0);

  test::writeBytes(dir / "notes.txt", "not listed");
  const CheckCommandResult plain = runCheckCommand(dir.path());
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_NE(plain.text.find(messages::ship::counts(0, 1)), std::string::npos) << plain.text;
  EXPECT_EQ(runCheckCommand(dir.path(), {.strict = true}).exitCode, 1);
}

}  // namespace
}  // namespace velquin
