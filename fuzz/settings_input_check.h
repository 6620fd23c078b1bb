#pragma once

// One arbitrary input through the settings file reader and the loading, with
// the checks that must hold for any bytes. Shared by the libFuzzer target and
// the test that replays the kept corpus with the normal build.

#include <string>
#include <string_view>

namespace velquin::fuzz {

// Runs the reader and the loading on `bytes`. False when a check failed, with
// what went wrong in `problem`. (Crashes, hangs and runaway memory are for the
// sanitizers and libFuzzer to catch.)
bool checkSettingsInput(std::string_view bytes, std::string& problem);

}  // namespace velquin::fuzz
