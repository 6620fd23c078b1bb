#pragma once

// The one way text of the core becomes text of the windows.

#include <QString>
#include <string>
#include <string_view>

namespace velquin::ui {

// The tool's own texts and the core's messages (UTF-8).
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Code page 932 bytes of the settings, as shown (a byte sequence that is no
// character of the code page shows as U+FFFD).
QString fromSjis(std::string_view bytes);

}  // namespace velquin::ui
