#include <QApplication>
#include <QFont>

#include "settings/platform/windows_api.h"
#include "system_face.h"
#include "ui/common/text.h"
#include "ui/common/tool_faces.h"
#include "ui/common/tool_font.h"

namespace velquin::app {

namespace {

int CALLBACK countFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return 0;
}

// True when the system has the windows' own face, MS P Gothic.
bool hasMsPGothic() {
  HDC dc = GetDC(nullptr);
  int count = 0;
  for (std::size_t i = 0; i < ui::kSystemFaceNames; ++i) {
    const std::wstring name = ui::fromUtf8(ui::kToolFaces[i]).toStdWString();
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    EnumFontFamiliesExW(dc, &wanted, countFace, reinterpret_cast<LPARAM>(&count), 0);
  }
  ReleaseDC(nullptr, dc);
  return count > 0;
}

}  // namespace

void chooseFontEngine() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !hasMsPGothic())
    qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

void addJapaneseFaceToSystemFont() {
  QFont font = QApplication::font();
  font.setFamilies(QStringList{font.family()} + ui::toolFont(12).families());
  QApplication::setFont(font);
}

}  // namespace velquin::app
