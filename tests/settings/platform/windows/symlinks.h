#pragma once

// Symbolic links for the Windows tests. Windows makes them with
// CreateSymbolicLinkW (with developer mode, or as administrator). Wine's
// CreateSymbolicLinkW makes nothing and its RemoveDirectoryW leaves a link to
// a folder in place, but a Unix symbolic link looks to a Windows program as a
// link does, and Wine starts Unix programs: there ln and rm do it.
#include <filesystem>
#include <string>
#include <utility>

#include "settings/platform/windows_api.h"

namespace velquin::test {

class Symlink {
 public:
  // The link `link` to `target` (relative to the link's folder, or absolute).
  Symlink(const std::filesystem::path& target, std::filesystem::path link, bool folder)
      : link_(std::move(link)) {
    if (!wine()) {
      DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
      if (folder) flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
      made_ = CreateSymbolicLinkW(link_.c_str(), target.c_str(), flags);
      return;
    }
    const std::wstring to = target.is_absolute() ? unixPath(target) : target.generic_wstring();
    made_ = runUnix(L"ln", L"-s \"" + to + L"\" \"" + unixPath(link_) + L"\"", true);
  }
  ~Symlink() {
    if (!made_) return;
    if (!wine()) {
      if (!RemoveDirectoryW(link_.c_str())) DeleteFileW(link_.c_str());
    } else {
      runUnix(L"rm", L"\"" + unixPath(link_) + L"\"", false);
    }
  }
  Symlink(const Symlink&) = delete;
  Symlink& operator=(const Symlink&) = delete;

  bool made() const { return made_; }

 private:
  static bool wine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  }

  static std::wstring unixPath(const std::filesystem::path& p) {
    using UnixName = char* (*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName ? unixName(p.c_str()) : nullptr;
    std::wstring out = name ? std::filesystem::path(name).native() : std::wstring();
    HeapFree(GetProcessHeap(), 0, name);
    return out;
  }

  // Wine does not report the end of a Unix program: the link's coming or
  // going is awaited instead.
  bool runUnix(const std::wstring& program, const std::wstring& args, bool linkWanted) const {
    std::wstring command = program + L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW((L"Z:\\bin\\" + program).c_str(), command.data(), nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &si, &pi))
      return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    for (int i = 0; i < 500; ++i, Sleep(10)) {
      WIN32_FIND_DATAW found;
      const HANDLE h = FindFirstFileW(link_.c_str(), &found);
      if (h != INVALID_HANDLE_VALUE) FindClose(h);
      if ((h != INVALID_HANDLE_VALUE) == linkWanted) return true;
    }
    return false;
  }

  std::filesystem::path link_;
  bool made_ = false;
};

}  // namespace velquin::test
