#include "text.h"

#include <algorithm>

#include "settings/text/sjis.h"

namespace velquin::ui {

QString fromSjis(std::string_view bytes) {
  // Code page 932 shares ASCII, and most of a long file list is ASCII: those
  // runs are taken as they are, and only the rest of a line from its first
  // other byte on goes through the converter (no character of the code page
  // holds a line break, so a line never splits one).
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t other = i;
    while (other < bytes.size() && static_cast<unsigned char>(bytes[other]) < 0x80) ++other;
    text += QLatin1StringView(bytes.data() + i, static_cast<qsizetype>(other - i));
    if (other == bytes.size()) break;
    i = std::min(bytes.find_first_of("\r\n", other), bytes.size());
    text += fromUtf8(sjis::decodeForDisplay(bytes.substr(other, i - other)));
  }
  return text;
}

}  // namespace velquin::ui
