// Code page 932 through glibc's iconv. "CP932" is Microsoft's table: 0x5C is
// the backslash and 0x7E the tilde, as the engine reads them ("SHIFT_JIS"
// would turn them into the yen sign and the overline).
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "settings/text/sjis.h"

namespace velquin::sjis {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; on failure returns false and the offset of the
  // input byte where the conversion stopped.
  bool run(std::string_view in, std::string& out, std::size_t& failedAt) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.resize(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t produced = 0;
    while (srcLeft > 0) {
      char* dst = out.data() + produced;
      std::size_t dstLeft = out.size() - produced;
      const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      produced = out.size() - dstLeft;
      if (r != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      failedAt = in.size() - srcLeft;  // EILSEQ or EINVAL (cut short)
      return false;
    }
    out.resize(produced);
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<Bytes> encode(std::string_view utf8, EncodeFailure* failure) {
  thread_local Converter toCp932("CP932", "UTF-8");
  thread_local Converter fromCp932("UTF-8", "CP932");
  std::string out;
  std::size_t at = 0;
  if (toCp932.run(utf8, out, at)) {
    // glibc also maps look-alikes that code page 932 has no code for (the yen
    // sign to 0x5C, U+301C to the full-width tilde, ...). Only characters that
    // come back unchanged are the code page's own.
    std::string back;
    if (fromCp932.run(out, back, at) && back == utf8) return out;
    for (at = 0; at < utf8.size();) {
      const auto b = static_cast<unsigned char>(utf8[at]);
      const std::size_t len = utf8SequenceLength(b);
      const std::string_view one = utf8.substr(at, len);
      std::string bytes, again;
      std::size_t ignored = 0;
      if (!toCp932.run(one, bytes, ignored) || !fromCp932.run(bytes, again, ignored) ||
          again != one)
        break;
      at += len;
    }
  }
  if (failure) *failure = {at, at < utf8.size() ? utf8CharAt(utf8, at) : char32_t{0xFFFD}};
  return std::nullopt;
}

std::optional<std::string> decode(std::string_view bytes, DecodeFailure* failure) {
  thread_local Converter converter("UTF-8", "CP932");
  std::string out;
  std::size_t at = 0;
  if (converter.run(bytes, out, at)) return out;
  if (failure) failure->offset = at;
  return std::nullopt;
}

}  // namespace velquin::sjis
