// Times プレビュー as the author waits for it: from the click on the
// detailed-settings dialog's button until the preview window has been
// painted, with the real main window, dialog and preview, the dialog showing
// a folder's files (the Details command's scan). The window is watched from
// outside its code: an event filter on the application sees its first paint,
// and a call queued from there runs once that paint is done. Then the
// インストール内容 page is opened at once, and the time from the click until
// it has been painted with the plan's rows taken the same way. Beside them, in the
// same run, the floor: a bare QPlainTextEdit of the same size taking the
// same text in one setPlainText and painting it. preview_vs_floor.sh adds
// `find -type f` (the plan reads the folder) to that floor.
//
//   velquin_preview_timer FOLDER [RUNS]
//
// FOLDER is the distribution folder, without a Rivo.ini. Prints one line:
//   preview_ms plan_ms bare_fill_ms lines
// (best of RUNS each), where lines is the number of lines of the previewed
// settings file.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "settings/commands/details_command.h"
#include "settings/platform/paths.h"
#include "support/silent_prompts.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

namespace {

using namespace velquin;

double msOf(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

// Calls `then`, queued, once a widget of the window named `window` has
// been painted: the queued call runs after the whole paint of the window.
class OnWindowPaint : public QObject {
 public:
  OnWindowPaint(QString window, std::function<void(QWidget*)> then)
      : window_(std::move(window)), then_(std::move(then)) {
    qApp->installEventFilter(this);
  }
  ~OnWindowPaint() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || !then_ || !watched->isWidgetType()) return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window->objectName() != window_) return false;
    auto then = std::move(then_);
    then_ = nullptr;
    QMetaObject::invokeMethod(
        window, [then = std::move(then), window] { then(window); }, Qt::QueuedConnection);
    return false;
  }

 private:
  QString window_;
  std::function<void(QWidget*)> then_;
};

struct Run {
  double previewMs = 0;
  double planMs = 0;
  QString text;  // the settings file the preview shows
  QSize memoSize;
};

// Runs `f` once the event loop has handled what is queued now, twice over:
// the check that the dialog runs right after its first paint is done by then.
void afterSettling(QObject* context, std::function<void()> f) {
  QTimer::singleShot(0, context,
                     [context, f = std::move(f)] { QTimer::singleShot(0, context, f); });
}

// Watches the plan page, opened as soon as the preview has been painted,
// until it has been painted with the plan's rows.
struct PlanWatch {
  QElapsedTimer& clock;
  Run& run;
  const QAbstractItemView* tree = nullptr;
  std::unique_ptr<OnWindowPaint> next{};

  void watch() {
    next = std::make_unique<OnWindowPaint>(QStringLiteral("FormPreview"),
                                           [this](QWidget* shown) { painted(shown); });
  }
  void painted(QWidget* shown) {
    if (tree->model()->rowCount() == 0) return watch();  // the plan is not there yet
    run.planMs = msOf(clock);
    static_cast<QDialog*>(shown)->reject();
  }
};

// The file page as the preview opens, then the plan page.
void timePreview(QWidget* preview, Run& run, PlanWatch& plan) {
  run.previewMs = msOf(plan.clock);
  auto* memo = preview->findChild<QPlainTextEdit*>(QStringLiteral("MemoSettingsFile"));
  run.text = memo->toPlainText();
  run.memoSize = memo->size();
  plan.tree = preview->findChild<QAbstractItemView*>(QStringLiteral("TreePlan"));
  plan.watch();
  preview->findChild<QTabWidget*>(QStringLiteral("PagePreview"))->setCurrentIndex(1);
}

Run preview(const std::filesystem::path& program) {
  InstallSettings settings;
  test::SilentPrompts prompts;  // the timer must never wait on a modal box
  Checker checker(settings);
  ui::TForm1 form1(settings, prompts, checker);
  ui::TForm2 form2(settings, prompts, checker, &form1);
  form1.setDetailsDialog([&form2] { return &form2; });
  form1.show();
  settings.setProgram(program);
  QApplication::processEvents();

  Run run;
  QElapsedTimer clock;
  auto* button = form2.findChild<QAbstractButton*>(QStringLiteral("ButtonPreview"));
  PlanWatch plan{clock, run};
  OnWindowPaint previewPainted(QStringLiteral("FormPreview"),
                               [&](QWidget* shown) { timePreview(shown, run, plan); });
  OnWindowPaint detailsPainted(QStringLiteral("Form2"), [&](QWidget*) {
    afterSettling(&form2, [&] {
      clock.start();
      button->click();  // returns when the preview has closed
      form2.reject();
    });
  });
  form1.ButtonShosaiClick();
  return run;
}

double bareFill(const QString& text, QSize size) {
  QPlainTextEdit memo;
  memo.setLineWrapMode(QPlainTextEdit::NoWrap);
  memo.resize(size);
  QElapsedTimer clock;
  double shownAfter = 0;
  bool done = false;
  memo.setObjectName(QStringLiteral("BareFill"));
  OnWindowPaint painted(QStringLiteral("BareFill"), [&](QWidget*) {
    shownAfter = msOf(clock);
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
  const std::filesystem::path program = pathFromUtf8(argv[1]) / "app.exe";

  Run best{1e300, 1e300, {}, {}};
  for (int i = 0; i < runs; ++i) {
    Run run = preview(program);
    best.planMs = std::min(best.planMs, run.planMs);
    if (run.previewMs < best.previewMs) {
      best.previewMs = run.previewMs;
      best.text = std::move(run.text);
      best.memoSize = run.memoSize;
    }
  }
  double bare = 1e300;
  for (int i = 0; i < runs; ++i) bare = std::min(bare, bareFill(best.text, best.memoSize));
  std::printf("%.1f %.1f %.1f %lld\n", best.previewMs, best.planMs, bare,
              static_cast<long long>(best.text.count(QLatin1Char('\n')) + 1));
  return 0;
}
