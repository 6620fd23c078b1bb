#include "settings/text/sjis.h"

#include <utility>
#include <vector>

namespace velquin::sjis {

bool containsAtCharBoundary(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  bool found = false;
  forEachChar(haystack, [&](std::size_t i, std::size_t) {
    found = haystack.compare(i, needle.size(), needle) == 0;
    return !found;
  });
  return found;
}

char32_t utf8CharAt(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const std::size_t len = utf8SequenceLength(b);
  if (b >= 0x80 && b < 0xC0) return 0xFFFD;
  if (i + len > s.size()) return 0xFFFD;
  char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
  for (std::size_t k = 1; k < len; ++k) {
    const auto cont = static_cast<unsigned char>(s[i + k]);
    if ((cont & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (cont & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are malformed
  if (c < kLeast[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
  return c;
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

namespace {

// Every character of code page 932 by its code (a single byte, or a lead byte
// times 256 plus the second byte) as UTF-8, taken once from the platform's own
// conversion, so that it decodes as decode() does.
class CodeTable {
 public:
  CodeTable() : chars_(0x10000) {
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
      if (isLeadByte(static_cast<unsigned char>(b))) {
        for (unsigned t = 0x40; t <= 0xFC; ++t)
          if (isTrailByte(static_cast<unsigned char>(t)))
            add({static_cast<char>(b), static_cast<char>(t)});
      } else {
        add({static_cast<char>(b)});
      }
    }
  }

  // Appends the character of `code` to `out`; false when the code is none.
  bool append(std::size_t code, std::string& out) const {
    const Utf8Char& c = chars_[code];
    out.append(c.bytes, c.size);
    return c.size > 0;
  }

 private:
  struct Utf8Char {
    char bytes[3] = {};  // every character of the code page is in the BMP
    unsigned char size = 0;
  };

  void add(const std::string& code) {
    const std::optional<std::string> text = decode(code);
    if (!text || text->empty() || text->size() > sizeof(Utf8Char::bytes) ||
        utf8SequenceLength(static_cast<unsigned char>(text->front())) != text->size())
      return;
    std::size_t index = static_cast<unsigned char>(code[0]);
    if (code.size() == 2) index = index << 8 | static_cast<unsigned char>(code[1]);
    Utf8Char& c = chars_[index];
    text->copy(c.bytes, text->size());
    c.size = static_cast<unsigned char>(text->size());
  }

  std::vector<Utf8Char> chars_;
};

}  // namespace

namespace {

// Calls `f(offset, length, utf8)` for each character of `bytes` as
// decodeForDisplay shows it: a character of the code page, or U+FFFD for a
// byte sequence that is none.
template <class F>
void forEachShownChar(std::string_view bytes, F&& f) {
  static const CodeTable table;
  std::string shown;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    shown.clear();
    std::size_t code = b;
    std::size_t length = 1;
    if (b >= 0x80 && isLeadByte(b) && i + 1 < bytes.size() &&
        isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
      code = code << 8 | static_cast<unsigned char>(bytes[i + 1]);
      length = 2;
    }
    if (b < 0x80) {
      shown += static_cast<char>(b);
    } else if (!table.append(code, shown)) {
      shown = "\xEF\xBF\xBD";  // U+FFFD
    }
    f(i, length, std::string_view(shown));
    i += length;
  }
}

}  // namespace

std::string decodeForDisplay(std::string_view bytes) {
  // Text that decodes whole, as nearly all does, takes one conversion; only
  // damaged text goes character by character through the table.
  if (std::optional<std::string> text = decode(bytes)) return *std::move(text);
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  forEachShownChar(bytes, [&](std::size_t, std::size_t, std::string_view c) { out += c; });
  return out;
}

namespace {

// A value's characters as decodeForDisplay shows them: where each starts, in
// the bytes and in the shown text; the end closes the list.
struct ShownValue {
  struct Start {
    std::size_t byte, shown;
  };
  std::vector<Start> starts;
  std::string text;

  explicit ShownValue(std::string_view bytes) {
    forEachShownChar(bytes, [&](std::size_t offset, std::size_t, std::string_view c) {
      starts.push_back({offset, text.size()});
      text += c;
    });
    starts.push_back({bytes.size(), text.size()});
  }
  std::size_t chars() const { return starts.size() - 1; }
  std::string_view shownOf(std::size_t k) const {
    return std::string_view(text).substr(starts[k].shown, starts[k + 1].shown - starts[k].shown);
  }
  // The length of the shown text from character k on.
  std::size_t shownFrom(std::size_t k) const { return text.size() - starts[k].shown; }
};

// How many characters at the start (the first) and at the end (the second)
// of `before` show in `now` as they did, the two never overlapping.
std::pair<std::size_t, std::size_t> keptEnds(const ShownValue& before, std::string_view now) {
  const std::size_t chars = before.chars();
  std::size_t head = 0;
  while (head < chars && now.substr(before.starts[head].shown).starts_with(before.shownOf(head)))
    ++head;
  std::size_t tail = 0;
  while (tail < chars - head) {
    const std::size_t k = chars - 1 - tail;
    const std::size_t length = before.shownFrom(k);
    if (length > now.size() || now.size() - length < before.starts[head].shown ||
        !now.substr(now.size() - length).starts_with(before.shownOf(k)))
      break;
    ++tail;
  }
  return {head, tail};
}

}  // namespace

std::optional<Bytes> encodeEdit(std::string_view bytes, std::string_view shownNow,
                                EncodeFailure* failure, std::optional<std::size_t>* dropped) {
  if (dropped) dropped->reset();
  const ShownValue before(bytes);
  const auto [head, tail] = keptEnds(before, shownNow);
  const std::size_t chars = before.chars();
  const std::size_t from = before.starts[head].shown;
  const std::size_t to = shownNow.size() - before.shownFrom(chars - tail);
  std::optional<Bytes> middle = encode(shownNow.substr(from, to - from), failure);
  if (!middle) {
    if (failure) failure->offset += from;
    return std::nullopt;
  }
  // A lead byte alone at the end of the kept start would read as one
  // character with a byte that now follows it and did not.
  std::size_t headEnd = before.starts[head].byte;
  const bool newNeighbour = !middle->empty() || (tail > 0 && head < chars - tail);
  if (head > 0 && newNeighbour && headEnd - before.starts[head - 1].byte == 1 &&
      isLeadByte(static_cast<unsigned char>(bytes[headEnd - 1]))) {
    --headEnd;
    if (dropped) *dropped = before.starts[head - 1].shown;
  }
  return std::string(bytes.substr(0, headEnd)) + *middle +
         std::string(bytes.substr(before.starts[chars - tail].byte));
}

}  // namespace velquin::sjis
