// The file list of a large application in the detailed-settings dialog, at
// 10,000 and 100,000 lines, each figure beside its floor: the same work done
// by a bare QPlainTextEdit that no record watches.
// - Fill: the list put into the record (as the folder scan or loading does)
//   and shown in MemoFiles; the floor is setPlainText of the same text.
// - Key press: one key in the middle of the list, read back into the record
//   (goal: under 2 ms at 100,000 lines); and the same with the dialog's marks
//   following it, checked against a folder that lacks every tenth file of
//   the list and holds files the list does not (goal: under 2 ms as well).
// - Paste: 10,000 lines pasted into the middle (goal: under 50 ms).
//
// Runs on Qt's offscreen platform unless a display is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <memory>
#include <string>
#include <vector>

#include "settings/text/lines.h"
#include "support/silent_prompts.h"
#include "ui/common/text.h"
#include "ui/detail/form2.h"

namespace velquin::ui {
namespace {

// Paths as a scan finds them; one in twenty carries Japanese (Shift-JIS).
std::vector<std::string> fileList(int count, const std::string& tag) {
  std::vector<std::string> lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) {
    std::string line = "data\\level" + std::to_string(i % 50) + "\\asset_" + std::to_string(i);
    if (i % 20 == 0) line += "\x90\xE0\x96\xBE";  // 説明
    lines.push_back(line + tag + ".bin");
  }
  return lines;
}

QString shown(const std::vector<std::string>& lines) { return fromSjis(joinLines(lines, "\n")); }

// MemoFiles of the dialog, bound to a record; or, for the floor, a bare memo
// of the same look.
struct Memo {
  explicit Memo(bool bound) {
    if (bound) {
      form = std::make_unique<TForm2>(settings, prompts, checker);
      form->show();  // on the file page, as every showing opens
      widget = form->findChild<QPlainTextEdit*>(QStringLiteral("MemoFiles"));
    } else {
      bare = std::make_unique<QPlainTextEdit>();
      bare->setLineWrapMode(QPlainTextEdit::NoWrap);
      bare->resize(465, 225);
      bare->show();
      widget = bare.get();
    }
    QApplication::processEvents();
  }
  void fill(const std::vector<std::string>& lines) {
    if (form)
      settings.setLines(ListField::MemoFiles, lines);
    else
      widget->setPlainText(shown(lines));
    QApplication::processEvents();  // the memo lays out and paints
  }
  void cursorToMiddle() {
    QTextCursor middle(widget->document()->findBlockByNumber(widget->blockCount() / 2));
    middle.movePosition(QTextCursor::EndOfBlock);
    widget->setTextCursor(middle);
    widget->setFocus();
  }

  InstallSettings settings;
  Checker checker{settings};
  test::SilentPrompts prompts;
  std::unique_ptr<TForm2> form;
  std::unique_ptr<QPlainTextEdit> bare;
  QPlainTextEdit* widget = nullptr;
};

void typeKey(QWidget* w, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void fill(benchmark::State& state, bool bound) {
  const int count = static_cast<int>(state.range(0));
  Memo m(bound);
  const std::vector<std::string> lists[] = {fileList(count, "a"), fileList(count, "b")};
  int n = 0;
  // Alternate two lists so that every round is a real change.
  for (auto _ : state) m.fill(lists[n++ % 2]);
  if (m.widget->blockCount() < count) state.SkipWithError("the memo does not show the list");
}
void BM_Fill_MemoFiles(benchmark::State& state) { fill(state, true); }
void BM_Fill_BareMemo(benchmark::State& state) { fill(state, false); }

// Each iteration types or deletes a character, in turn, and lets the events
// it caused run.
void typeAndDelete(benchmark::State& state, QPlainTextEdit* widget) {
  bool typed = false;
  for (auto _ : state) {
    if (typed)
      typeKey(widget, Qt::Key_Backspace, {});
    else
      typeKey(widget, Qt::Key_X, QStringLiteral("x"));
    typed = !typed;
    QApplication::processEvents();
  }
}

void keyPress(benchmark::State& state, bool bound) {
  const int count = static_cast<int>(state.range(0));
  Memo m(bound);
  m.fill(fileList(count, ""));
  m.cursorToMiddle();
  typeAndDelete(state, m.widget);
  if (bound && m.settings.lines(ListField::MemoFiles).size() != static_cast<std::size_t>(count))
    state.SkipWithError("the record lost lines");
}
void BM_KeyPress_MemoFiles(benchmark::State& state) { keyPress(state, true); }

void BM_KeyPress_MemoFilesMarked(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  Memo m(true);
  const std::vector<std::string> lines = fileList(count, "");
  m.fill(lines);
  std::vector<std::string> folder = fileList(count / 100, "new");
  for (int i = 0; i < count; ++i)
    if (i % 10 != 5) folder.push_back(lines[std::size_t(i)]);
  m.checker.setFolderFiles(std::move(folder), "Rivo.ini");
  m.cursorToMiddle();
  // The paint, the check it lets run, the underlines in view.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  if (m.widget->extraSelections().isEmpty()) state.SkipWithError("no line is marked");
  typeAndDelete(state, m.widget);  // the marks in view are drawn again too
}
void BM_KeyPress_BareMemo(benchmark::State& state) { keyPress(state, false); }

void paste(benchmark::State& state, bool bound) {
  const int count = static_cast<int>(state.range(0));
  Memo m(bound);
  m.fill(fileList(count, ""));
  const QString pasted = shown(fileList(10000, "p"));
  for (auto _ : state) {
    state.PauseTiming();
    m.cursorToMiddle();
    state.ResumeTiming();
    m.widget->insertPlainText(pasted);
    QApplication::processEvents();
    state.PauseTiming();
    m.widget->undo();  // back to the list as it was
    QApplication::processEvents();
    state.ResumeTiming();
  }
  if (bound && m.settings.lines(ListField::MemoFiles).size() != static_cast<std::size_t>(count))
    state.SkipWithError("the record lost lines");
}
void BM_Paste10000_MemoFiles(benchmark::State& state) { paste(state, true); }
void BM_Paste10000_BareMemo(benchmark::State& state) { paste(state, false); }

#define VELQUIN_MEMO_BENCH(name) \
  BENCHMARK(name)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
VELQUIN_MEMO_BENCH(BM_Fill_MemoFiles);
VELQUIN_MEMO_BENCH(BM_Fill_BareMemo);
VELQUIN_MEMO_BENCH(BM_KeyPress_MemoFiles);
VELQUIN_MEMO_BENCH(BM_KeyPress_MemoFilesMarked);
VELQUIN_MEMO_BENCH(BM_KeyPress_BareMemo);
VELQUIN_MEMO_BENCH(BM_Paste10000_MemoFiles);
VELQUIN_MEMO_BENCH(BM_Paste10000_BareMemo);

}  // namespace
}  // namespace velquin::ui

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
