// The dialog's marks follow the distribution folder while it is open: a
// listed file copied in or deleted shows as soon as a window is activated,
// and within a second without.

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <map>

#include "main_window_fixture.h"

namespace velquin::test {
namespace {

// The memo's underlined lines: true where red (an error).
std::map<int, bool> marks(QPlainTextEdit* memo) {
  std::map<int, bool> lines;
  for (const QTextEdit::ExtraSelection& s : memo->extraSelections())
    lines[s.cursor.block().blockNumber()] = s.format.underlineColor() == QColor(Qt::red);
  return lines;
}

TEST_F(MainWindowTest, MarksFollowTheFolderWhileTheDialogIsOpen) {
  QFile(pathIn(QStringLiteral("a.txt"))).open(QIODevice::WriteOnly);
  browseTo(pathIn(QStringLiteral("app.exe")));
  settings.setLines(ListField::MemoFiles, {"a.txt", "b.txt"});
  using Marks = std::map<int, bool>;
  QTimer::singleShot(0, [this] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    auto* memo = modal->findChild<QPlainTextEdit*>(QStringLiteral("MemoFiles"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(memo) == Marks{{1, true}}; }, 5000));

    // Activated again: the folder as it is, a moment after the window is up.
    QFile(pathIn(QStringLiteral("b.txt"))).open(QIODevice::WriteOnly);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(modal, &activate);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(memo) == Marks{}; }, 5000));

    // Left alone: the watch of the folder tells.
    QFile::remove(pathIn(QStringLiteral("a.txt")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(memo) == Marks{{0, true}}; }, 5000));
    modal->close();
  });
  click("ButtonShosai");
}

}  // namespace
}  // namespace velquin::test
