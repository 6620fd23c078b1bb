// The real boxes, shown modally on the offscreen screen: what the author
// sees in them and how each answer is given.

#include "app/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/qt_prompts.h"

namespace velquin::app {
namespace {

using Answer = UserPrompts::Answer;

// Shows the box modally and runs `act` on it once it is up.
Answer askWhileUp(BoxKind kind, const QString& text, const std::function<void(QDialog*)>& act) {
  QTimer::singleShot(0, [act] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    act(box);
  });
  return MessageBox(kind, text).ask();
}

QList<QPushButton*> buttonsLeftToRight(QDialog* box) {
  QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(),
            [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
  return buttons;
}

QStringList captions(const QList<QPushButton*>& buttons) {
  QStringList out;
  for (auto* b : buttons) out << b->text();
  return out;
}

TEST(ConfirmationBox, OffersYesNoCancelLeftToRightWithYesAsDefault) {
  QStringList seen;
  bool yesIsDefault = false, yesHasFocus = false, hasIcon = false;
  QString title;
  const Answer a =
      askWhileUp(BoxKind::Confirmation, QStringLiteral("保存しますか？"), [&](QDialog* box) {
        title = box->windowTitle();
        const auto buttons = buttonsLeftToRight(box);
        seen = captions(buttons);
        yesIsDefault = buttons.value(0) && buttons[0]->isDefault();
        yesHasFocus = buttons.value(0) && box->focusWidget() == buttons[0];
        auto* icon = box->findChild<QLabel*>(QStringLiteral("Icon"));
        hasIcon = icon && !icon->pixmap().isNull();
        QTest::keyClick(box, Qt::Key_Return);
      });
  EXPECT_EQ(title, QStringLiteral("確認"));
  EXPECT_EQ(seen, (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"),
                               QStringLiteral("キャンセル")}));
  EXPECT_TRUE(yesIsDefault);
  EXPECT_TRUE(yesHasFocus);
  EXPECT_TRUE(hasIcon);
  EXPECT_EQ(a, Answer::Yes);
}

TEST(ConfirmationBox, EachButtonGivesItsAnswerAndEscOrClosingCancels) {
  const auto clickNth = [](int n) {
    return [n](QDialog* box) { buttonsLeftToRight(box).value(n)->click(); };
  };
  EXPECT_EQ(askWhileUp(BoxKind::Confirmation, QStringLiteral("q"), clickNth(0)), Answer::Yes);
  EXPECT_EQ(askWhileUp(BoxKind::Confirmation, QStringLiteral("q"), clickNth(1)), Answer::No);
  EXPECT_EQ(askWhileUp(BoxKind::Confirmation, QStringLiteral("q"), clickNth(2)), Answer::Cancel);
  EXPECT_EQ(askWhileUp(BoxKind::Confirmation, QStringLiteral("q"),
                       [](QDialog* box) { QTest::keyClick(box, Qt::Key_Escape); }),
            Answer::Cancel);
  EXPECT_EQ(
      askWhileUp(BoxKind::Confirmation, QStringLiteral("q"), [](QDialog* box) { box->close(); }),
      Answer::Cancel);
  // The access key of いいえ.
  EXPECT_EQ(askWhileUp(BoxKind::Confirmation, QStringLiteral("q"),
                       [](QDialog* box) {
                         QApplication::setActiveWindow(box);
                         QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
                       }),
            Answer::No);
}

// The information box and the error report: the tool's title, one OK button
// (the default, and Esc answers it too), and an icon on the error report alone.
TEST(InformationBox, HasTheTitleOneOkButtonAndAnIconOnlyForErrors) {
  for (const BoxKind kind : {BoxKind::Information, BoxKind::Error}) {
    QString title;
    QStringList seen;
    bool okIsDefault = false, hasIcon = false;
    askWhileUp(kind, QStringLiteral("作成しました。"), [&](QDialog* box) {
      title = box->windowTitle();
      const auto buttons = buttonsLeftToRight(box);
      seen = captions(buttons);
      okIsDefault = buttons.value(0) && buttons[0]->isDefault();
      auto* icon = box->findChild<QLabel*>(QStringLiteral("Icon"));
      hasIcon = icon && !icon->pixmap().isNull();
      QTest::keyClick(box, Qt::Key_Escape);  // Esc answers OK: the box goes
    });
    EXPECT_EQ(title, QStringLiteral("Velquin"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(okIsDefault);
    EXPECT_EQ(hasIcon, kind == BoxKind::Error);
  }
}

TEST(MessageBoxText, BreaksAtLineFeedWrapsAtHalfTheScreenAndSitsInTheMiddle) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QString shownText;
  int lines = 0;
  askWhileUp(BoxKind::Information, QStringLiteral("一行目\n二行目"), [&](QDialog* box) {
    auto* label = box->findChild<QLabel*>(QStringLiteral("Text"));
    shownText = label->text();
    lines = label->height() / label->fontMetrics().lineSpacing();
    box->close();
  });
  EXPECT_EQ(shownText, QStringLiteral("一行目\n二行目"));
  EXPECT_EQ(lines, 2);

  const QString longText = QString(200, QChar(u'長'));
  int labelWidth = 0, labelHeight = 0, lineSpacing = 0;
  QPoint centre;
  askWhileUp(BoxKind::Confirmation, longText, [&](QDialog* box) {
    auto* label = box->findChild<QLabel*>(QStringLiteral("Text"));
    labelWidth = label->width();
    labelHeight = label->height();
    lineSpacing = label->fontMetrics().lineSpacing();
    centre = box->geometry().center();
    box->close();
  });
  EXPECT_LE(labelWidth, screen.width() / 2);
  EXPECT_GE(labelWidth, screen.width() / 2 - 40);
  EXPECT_GE(labelHeight, 2 * lineSpacing);  // wrapped, not cut
  EXPECT_LE(std::abs(centre.x() - screen.center().x()), 2);
  EXPECT_LE(std::abs(centre.y() - screen.center().y()), 2);
}

}  // namespace
}  // namespace velquin::app
