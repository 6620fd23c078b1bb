#include "form2.h"

namespace velquin::ui {

TForm2::TForm2(InstallSettings& settings, FieldBinder&, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("詳細設定"));
  setFixedSize(536, 528);
}

}  // namespace velquin::ui
