// velquin.exe as Explorer shows it: the window's own icon, the product name
// and version in the file's properties, and a GUI program (no console window
// opens beside it).

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_icon.h"
#include "settings/platform/windows_api.h"
// ExtractIconExW, from the shell's part, which the wrapper leaves out.
#include <shellapi.h>

namespace {

const std::wstring kExecutable = QString::fromUtf8(VELQUIN_EXECUTABLE).toStdWString();

std::wstring versionString(const std::vector<char>& info, const wchar_t* name) {
  struct Translation {
    WORD language;
    WORD codePage;
  }* translations = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translations), &size) ||
      size < sizeof(Translation))
    return L"(no translation)";
  wchar_t key[128];
  swprintf(key, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translations->language,
           translations->codePage, name);
  wchar_t* value = nullptr;
  if (!VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&value), &size)) return L"(none)";
  return value;
}

TEST(WindowsExecutable, PropertiesShowProductNameAndVersion) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(kExecutable.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(kExecutable.c_str(), 0, size, info.data()));
  EXPECT_EQ(versionString(info, L"ProductName"), L"Velquin");
  EXPECT_EQ(versionString(info, L"ProductVersion"), QStringLiteral(VELQUIN_VERSION).toStdWString());
}

TEST(WindowsExecutable, ExplorerShowsTheWindowsIcon) {
  HICON large = nullptr;
  ASSERT_EQ(ExtractIconExW(kExecutable.c_str(), 0, &large, nullptr, 1), 1u);
  const QImage shown = QImage::fromHICON(large).convertToFormat(QImage::Format_ARGB32);
  DestroyIcon(large);
  const QImage drawn =
      velquin::app::appIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(shown.size(), drawn.size());
  // Fully transparent pixels may differ in colour; what shows must not.
  int differing = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (qAlpha(drawn.pixel(x, y)) != 0 || qAlpha(shown.pixel(x, y)) != 0)
        differing += shown.pixel(x, y) != drawn.pixel(x, y);
  EXPECT_EQ(differing, 0) << "src/app/velquin.ico is not the icon that app_icon.cpp draws; "
                             "write it again (see src/app/icon_writer.cpp)";
}

TEST(WindowsExecutable, IsAGuiProgramWithoutConsole) {
  std::ifstream in(std::filesystem::path(kExecutable), std::ios::binary);
  IMAGE_DOS_HEADER dos{};
  ASSERT_TRUE(in.read(reinterpret_cast<char*>(&dos), sizeof dos));
  ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
  IMAGE_NT_HEADERS64 nt{};
  in.seekg(dos.e_lfanew);
  ASSERT_TRUE(in.read(reinterpret_cast<char*>(&nt), sizeof nt));
  ASSERT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
