#pragma once

// The detailed-settings dialog. (Stand-in until the six pages are built.)

#include <QDialog>

#include "settings/install_settings.h"

namespace velquin::ui {

class FieldBinder;

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  TForm2(InstallSettings& settings, FieldBinder& binder, QWidget* parent = nullptr);

 private:
  InstallSettings& settings_;
};

}  // namespace velquin::ui
