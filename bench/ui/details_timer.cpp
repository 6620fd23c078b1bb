// Times the Details command as the author waits for it: from the click on
// 詳細設定 until the detailed-settings dialog has been painted, with the real
// main window and dialog. Beside it, in the same run, the floor of its window
// part: a bare QPlainTextEdit taking the same lines in one setPlainText and
// painting them. details_vs_floor.sh adds `find -type f` to that floor.
//
//   velquin_details_timer FOLDER [RUNS] [--settings-file ENTRIES]
//
// FOLDER is the distribution folder: with a Rivo.ini in it, Details loads the
// file; without, it scans the folder. --settings-file first writes a Rivo.ini
// with that many [Files] entries (and a twentieth of it in each shortcut
// list) into FOLDER. Prints one line:
//   details_ms bare_fill_ms lines marked_ms
// (best of RUNS each), where lines is what MemoFiles then holds and
// marked_ms the time from the click until the dialog has checked the fields
// it marks, which it does right after its first paint.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "../settings/bench_trees.h"
#include "settings/commands/details_command.h"
#include "settings/platform/paths.h"
#include "settings/text/lines.h"
#include "support/silent_prompts.h"
#include "ui/common/text.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

namespace {

using namespace velquin;

// Calls `then` once `watched` has been painted.
class OnPaint : public QObject {
 public:
  OnPaint(QWidget* watched, std::function<void()> then) : then_(std::move(then)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      watched->removeEventFilter(this);
      auto then = std::move(then_);
      then_ = nullptr;
      then();
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

struct Run {
  double ms = 0;
  double markedMs = 0;             // until the dialog has checked what it shows
  std::vector<std::string> lines;  // what MemoFiles holds afterwards
};

Run details(const std::filesystem::path& program) {
  InstallSettings settings;
  // The timer must never wait on a modal box.
  test::SilentPrompts prompts;
  Checker checker(settings);
  ui::TForm1 form1(settings, prompts, checker);
  ui::TForm2 form2(settings, prompts, checker, &form1);
  form1.setDetailsDialog([&form2] { return &form2; });
  form1.show();
  settings.setProgram(program);
  QApplication::processEvents();

  QElapsedTimer clock;
  double shownAfter = 0;
  double markedAfter = 0;
  OnPaint painted(&form2, [&] {
    shownAfter = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    // What the paint let the dialog do next (the check of its marks) comes
    // before the second of these calls.
    QMetaObject::invokeMethod(
        &form2,
        [&] {
          QMetaObject::invokeMethod(
              &form2,
              [&] {
                markedAfter = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                form2.reject();  // ends exec()
              },
              Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
  });
  clock.start();
  form1.ButtonShosaiClick();
  return {shownAfter, markedAfter, settings.lines(ListField::MemoFiles)};
}

double bareFill(const QString& text) {
  QPlainTextEdit memo;
  memo.setLineWrapMode(QPlainTextEdit::NoWrap);
  memo.resize(465, 225);
  QElapsedTimer clock;
  double shownAfter = 0;
  bool done = false;
  OnPaint painted(memo.viewport(), [&] {
    shownAfter = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    done = true;
  });
  clock.start();
  memo.setPlainText(text);
  memo.show();
  while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return shownAfter;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::filesystem::path folder = pathFromUtf8(argv[1]);
  const std::filesystem::path program = folder / "app.exe";
  if (argc > 4 && std::string_view(argv[3]) == "--settings-file")
    std::ofstream(folder / "Rivo.ini", std::ios::binary)
        << bench::largeSettingsFile(std::atoi(argv[4]));

  Run best{1e300, 0, {}};
  for (int i = 0; i < runs; ++i) {
    Run run = details(program);
    if (run.ms < best.ms) best = std::move(run);
  }
  // The same lines in a bare memo, as the dialog shows them.
  const QString text = ui::fromSjis(joinLines(best.lines, "\n"));
  double bare = 1e300;
  for (int i = 0; i < runs; ++i) bare = std::min(bare, bareFill(text));
  std::printf("%.1f %.1f %zu %.1f\n", best.ms, bare, best.lines.size(), best.markedMs);
  return 0;
}
