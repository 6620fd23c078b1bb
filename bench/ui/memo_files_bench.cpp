// The file list of a large application in the detailed-settings dialog:
// 20,000 lines put into the record (as the folder scan or loading does) and
// shown in MemoFiles, and one key press of the author read back into the
// record. Both must stay well under 100 ms for the memo to feel responsive.
//
// Runs on Qt's offscreen platform unless a display is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <string>
#include <vector>

#include "ui/detail/form2.h"

namespace velquin::ui {
namespace {

constexpr int kLines = 20000;

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

struct Dialog {
  InstallSettings settings;
  TForm2 form{settings, nullptr};
  QPlainTextEdit* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("MemoFiles"));

  Dialog() {
    form.show();  // on the file page, as every showing opens
    QApplication::processEvents();
  }
};

void typeKey(QWidget* w, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void BM_FillMemoFilesThroughTheRecord(benchmark::State& state) {
  Dialog d;
  const std::vector<std::string> lists[] = {fileList(kLines, "a"), fileList(kLines, "b")};
  int n = 0;
  for (auto _ : state) {
    // Alternate two lists so that every round is a real change.
    d.settings.setLines(ListField::MemoFiles, lists[n++ % 2]);
    QApplication::processEvents();  // the memo lays out and paints
  }
  if (d.memo->blockCount() < kLines) state.SkipWithError("the memo does not show the list");
}
BENCHMARK(BM_FillMemoFilesThroughTheRecord)->Unit(benchmark::kMillisecond);

void BM_ReadAnEditOfMemoFilesBack(benchmark::State& state) {
  Dialog d;
  d.settings.setLines(ListField::MemoFiles, fileList(kLines, ""));
  QApplication::processEvents();
  d.memo->setFocus();
  QTextCursor middle(d.memo->document()->findBlockByNumber(kLines / 2));
  middle.movePosition(QTextCursor::EndOfBlock);
  d.memo->setTextCursor(middle);
  bool typed = false;
  for (auto _ : state) {
    // One key press in the middle of the list, typing or deleting a character.
    if (typed)
      typeKey(d.memo, Qt::Key_Backspace, {});
    else
      typeKey(d.memo, Qt::Key_X, QStringLiteral("x"));
    typed = !typed;
    QApplication::processEvents();
  }
  if (d.settings.lines(ListField::MemoFiles).size() != static_cast<std::size_t>(kLines))
    state.SkipWithError("the record lost lines");
}
BENCHMARK(BM_ReadAnEditOfMemoFilesBack)->Unit(benchmark::kMillisecond);

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
