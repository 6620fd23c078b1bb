#include "sjis.h"

namespace velquin::sjis {

std::size_t lastBackslash(std::string_view bytes) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (isLeadByte(b)) {
      ++i;  // the next byte belongs to this character, whatever its value
    } else if (b == '\\') {
      found = i;
    }
  }
  return found;
}

std::size_t lastFolderDelimiter(std::string_view bytes) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (isLeadByte(b)) {
      ++i;
    } else if (b == '\\' || b == ':') {
      found = i;
    }
  }
  return found;
}

bool containsAtCharBoundary(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  for (std::size_t i = 0; i + needle.size() <= haystack.size();) {
    if (haystack.compare(i, needle.size(), needle) == 0) return true;
    i += isLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
  }
  return false;
}

std::string characterToUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string decodeForDisplay(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  while (!bytes.empty()) {
    DecodeFailure failure;
    if (auto text = decode(bytes, &failure)) {
      out += *text;
      break;
    }
    if (failure.offset > 0) out += *decode(bytes.substr(0, failure.offset));
    out += "\xEF\xBF\xBD";  // U+FFFD
    bytes.remove_prefix(failure.offset + 1);
  }
  return out;
}

}  // namespace velquin::sjis
