#pragma once

// The preview that プレビュー opens from the detailed-settings dialog: what
// Create would write now, and what the installation will do, with the
// check's findings on both. It reads the record and changes nothing in it.
//
// 設定ファイル: the settings file's text as Create composes it (lists
// without their empty lines), with line numbers; a line with findings is
// tinted red or amber and shows them as its tooltip.
// インストール内容: the installation plan (install_plan.h) as a tree, each
// item with its target or state, its size and the entry it comes from.

#include <QDialog>
#include <functional>
#include <future>
#include <memory>

#include "settings/check/checker.h"
#include "settings/format/settings_file.h"
#include "settings/plan/install_plan.h"
#include "settings/record/install_settings.h"

namespace Ui {
class TFormPreview;
}

namespace velquin::ui {

class TFormPreview : public QDialog {
 public:
  TFormPreview(const InstallSettings& settings, const Checker& checker, QWidget* parent = nullptr);
  ~TFormPreview() override;

 protected:
  bool event(QEvent* event) override;

 private:
  void showSettingsFile(const SettingsFile& file, const std::vector<FileFinding>& findings);
  void setUpTree();
  void startPlan();
  void showPlan();  // once the plan is ready

  std::unique_ptr<Ui::TFormPreview> ui_;
  std::function<InstallPlan()> makePlan_;
  bool planStarted_ = false;
  std::future<InstallPlan> plan_;
};

}  // namespace velquin::ui
