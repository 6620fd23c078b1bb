#include <algorithm>
#include <cstddef>
#include <string>

#include "console_output.h"
#include "settings/platform/windows_api.h"

namespace velquin::app {
namespace {

std::wstring wideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string codePage932(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

// The output handle; for a window program started without one, that of the
// console of the program that started it.
HANDLE outputHandle(bool toErrorOutput) {
  const DWORD which = toErrorOutput ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
  HANDLE out = GetStdHandle(which);
  if (out && out != INVALID_HANDLE_VALUE) return out;
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
    return nullptr;  // no console to write to (ACCESS_DENIED: attached already)
  out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return nullptr;
  SetStdHandle(which, out);
  return out;
}

// In pieces, as older consoles refuse long writes; a piece never ends
// between the two halves of a character outside the BMP. False when the
// console did not take all of it.
bool writeToConsole(HANDLE out, const std::wstring& text) {
  for (std::size_t done = 0; done < text.size();) {
    std::size_t piece = std::min<std::size_t>(text.size() - done, 8192);
    if (done + piece < text.size() && IS_HIGH_SURROGATE(text[done + piece - 1])) --piece;
    DWORD written = 0;
    if (!WriteConsoleW(out, text.data() + done, static_cast<DWORD>(piece), &written, nullptr) ||
        written == 0)
      return false;
    done += written;
  }
  return true;
}

// False when the file or pipe did not take all of it (a full disk, a pipe
// closed by its reader).
bool writeBytes(HANDLE out, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                   nullptr) ||
        written == 0)
      return false;
    done += written;
  }
  return true;
}

}  // namespace

bool printText(std::string_view utf8, bool toErrorOutput) {
  const HANDLE out = outputHandle(toErrorOutput);
  if (!out) return false;
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) return writeToConsole(out, wideFromUtf8(utf8));
  return writeBytes(out, codePage932(wideFromUtf8(withCrLf(utf8))));
}

}  // namespace velquin::app
