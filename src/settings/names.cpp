#include "names.h"

#include "sjis.h"

namespace velquin {

std::string foldCase(std::string_view s) {
  std::string out(s);
  sjis::forEachChar(s, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
      return;
    }
    const unsigned code =
        (static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1]);
    unsigned lower = code;
    if (code >= 0x8260 && code <= 0x8279) {
      lower = code + 0x21;  // Ａ-Ｚ to ａ-ｚ
    } else if (code >= 0x839F && code <= 0x83B6) {
      lower = code + 0x20;  // Greek
    } else if (code >= 0x8440 && code <= 0x8460) {
      // Cyrillic: the lower-case row skips the trail byte 0x7F.
      const unsigned k = code - 0x8440;
      lower = 0x8470 + k + (k >= 15 ? 1 : 0);
    }
    out[i] = static_cast<char>(lower >> 8);
    out[i + 1] = static_cast<char>(lower & 0xFF);
  });
  return out;
}

}  // namespace velquin
