#pragma once

// Random values as a damaged settings file holds them, and random edits of
// their shown text as an author makes them, for the seeded edit tests.

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "settings/text/sjis.h"

namespace velquin::test {

// Code page 932 bytes of characters and of what is none: a lone lead byte
// (which takes a following trail byte as its second), a lead byte before a
// byte that cannot follow it, an undefined code, single bytes that are none.
inline std::string randomDamagedBytes(std::mt19937& random) {
  static const char* const kPieces[] = {
      "a",    "\\",   " ",        "\x83\x41", "\x95\x5C", "\x83\x5C", "\xB1", "\x81",
      "\x83", "\xE0", "\x85\x40", "\x81\x7F", "\x81\x30", "\xFF",     "\x80", "\xA0"};
  std::string bytes;
  for (unsigned n = random() % 7; n > 0; --n) bytes += kPieces[random() % std::size(kPieces)];
  return bytes;
}

// `shown` (UTF-8) with a random stretch of up to two characters replaced by
// up to two typed ones: ASCII, a backslash, kana, kanji (表 and ソ end in a
// backslash byte, 纊 has two codes); at the start, in the middle, at the end.
// `withBreaks` types line feeds too.
inline std::string randomEdit(std::mt19937& random, const std::string& shown, bool withBreaks) {
  static const char* const kTyped[] = {"A",  "x",  "\\", " ",  "ア", "ｱ",
                                       "表", "ソ", "、", "纊", "\n"};
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < shown.size();
       i += sjis::utf8SequenceLength(static_cast<unsigned char>(shown[i])))
    starts.push_back(i);
  starts.push_back(shown.size());
  const std::size_t from = random() % starts.size();
  const std::size_t to = std::min(starts.size() - 1, from + random() % 3);
  std::string typed;
  for (unsigned n = random() % 3; n > 0; --n)
    typed += kTyped[random() % (std::size(kTyped) - (withBreaks ? 0 : 1))];
  return shown.substr(0, starts[from]) + typed + shown.substr(starts[to]);
}

}  // namespace velquin::test
