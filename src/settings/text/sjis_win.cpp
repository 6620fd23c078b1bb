// Code page 932 through the Win32 conversion functions.
#include <algorithm>

#include "settings/platform/windows_api.h"
#include "settings/text/sjis.h"

namespace velquin::sjis {
namespace {

constexpr UINT kCp932 = 932;

// The Windows tables give five single bytes that are no character of the code
// page a code of their own: 0x80 as U+0080 and 0xA0, 0xFD, 0xFE, 0xFF as the
// private-use U+F8F0 to U+F8F3. They stay no characters here, in both
// directions, as in the iconv build.
bool isFillerByte(unsigned char b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }
bool isFillerChar(wchar_t c) { return c == 0x80 || (c >= 0xF8F0 && c <= 0xF8F3); }

bool hasFillerByte(std::string_view cp932) {
  bool found = false;
  forEachChar(cp932, [&](std::size_t i, std::size_t length) {
    found = length == 1 && isFillerByte(static_cast<unsigned char>(cp932[i]));
    return !found;
  });
  return found;
}

bool toWide(UINT codePage, std::string_view in, std::wstring& out) {
  out.clear();
  if (in.empty()) return true;
  if (codePage == kCp932 && hasFillerByte(in)) return false;
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(),
                                    static_cast<int>(in.size()), nullptr, 0);
  if (n <= 0) return false;
  out.resize(static_cast<std::size_t>(n));
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()),
                      out.data(), n);
  return true;
}

// Code page 932 without best-fit mapping: a character the code page lacks
// must fail, not turn into a look-alike (U+00A5 into a backslash, say).
bool wideToCp932(std::wstring_view in, std::string& out) {
  out.clear();
  if (in.empty()) return true;
  if (std::any_of(in.begin(), in.end(), isFillerChar)) return false;
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, in.data(),
                                    static_cast<int>(in.size()), nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return false;
  out.resize(static_cast<std::size_t>(n));
  WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, in.data(), static_cast<int>(in.size()),
                      out.data(), n, nullptr, nullptr);
  return true;
}

std::string wideToUtf8(std::wstring_view in) {
  std::string out;
  if (in.empty()) return out;
  const int n = WideCharToMultiByte(CP_UTF8, 0, in.data(), static_cast<int>(in.size()), nullptr, 0,
                                    nullptr, nullptr);
  out.resize(static_cast<std::size_t>(n));
  WideCharToMultiByte(CP_UTF8, 0, in.data(), static_cast<int>(in.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::optional<Bytes> encode(std::string_view utf8, EncodeFailure* failure) {
  std::wstring wide;
  std::string out;
  if (toWide(CP_UTF8, utf8, wide) && wideToCp932(wide, out)) return out;
  // Find the first character that fails, for the message.
  if (failure) {
    for (std::size_t i = 0; i < utf8.size();) {
      const std::size_t len =
          std::min(utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
      std::wstring w;
      std::string one;
      if (!toWide(CP_UTF8, utf8.substr(i, len), w)) {
        *failure = {i, 0xFFFD};
        break;
      }
      if (!wideToCp932(w, one)) {
        *failure = {i, utf8CharAt(utf8, i)};
        break;
      }
      i += len;
    }
  }
  return std::nullopt;
}

std::optional<std::string> decode(std::string_view bytes, DecodeFailure* failure) {
  std::wstring wide;
  if (toWide(kCp932, bytes, wide)) return wideToUtf8(wide);
  if (failure) {
    forEachChar(bytes, [&](std::size_t i, std::size_t length) {
      std::wstring w;
      if (toWide(kCp932, bytes.substr(i, length), w)) return true;
      failure->offset = i;
      return false;
    });
  }
  return std::nullopt;
}

}  // namespace velquin::sjis
