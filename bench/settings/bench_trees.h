#pragma once

// Test data for the benchmarks: a large settings file and a large folder tree.

#include <filesystem>
#include <string>

namespace velquin::bench {

// A settings file as Create writes it, with `files` [Files] entries and
// files/20 shortcuts in each of [Group], [Startup] and [Desktop].
std::string largeSettingsFile(int files);

// A tree of `folders` folders (ten at the top, the rest spread below them)
// holding `filesPerFolder` files each, created under `root`.
void makeTree(const std::filesystem::path& root, int folders, int filesPerFolder);

}  // namespace velquin::bench
