// The main window as the author sees it: places, captions, fonts, colours,
// tab order, hints, and what it does not do (resize, answer Enter).

#include <QApplication>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QToolTip>
#include <QWindow>

#include "main_window_fixture.h"
#include "ui/common/hints.h"

namespace velquin::test {
namespace {

using LayoutTest = MainWindowTest;

TEST_F(LayoutTest, WindowHasItsCaptionPlaceAndFixedSize) {
  EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Velquin"));
  EXPECT_EQ(form.pos(), QPoint(198, 107));
  EXPECT_EQ(form.size(), QSize(424, 235));
  EXPECT_EQ(form.minimumSize(), QSize(424, 235));
  EXPECT_EQ(form.maximumSize(), QSize(424, 235));

  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

  // The desktop learns the constraints from the platform window.
  ASSERT_NE(form.windowHandle(), nullptr);
  EXPECT_EQ(form.windowHandle()->minimumSize(), QSize(424, 235));
  EXPECT_EQ(form.windowHandle()->maximumSize(), QSize(424, 235));
  form.resize(600, 400);
  EXPECT_EQ(form.size(), QSize(424, 235));
}

struct ButtonRow {
  const char* name;
  QRect geometry;
  QString caption;
  int pixelSize;
  QColor colour;
};

TEST_F(LayoutTest, ButtonsAndFieldsStandWhereTheLayoutPutsThem) {
  const QColor text = form.palette().color(QPalette::WindowText);
  const ButtonRow buttons[] = {
      {"ButtonSansho", {360, 24, 49, 25}, QStringLiteral("参照"), 12, text},
      {"ButtonShosai", {40, 192, 65, 33}, QStringLiteral("詳細設定"), 12, text},
      {"ButtonSakusei", {144, 192, 65, 33}, QStringLiteral("作成"), 13, QColor(255, 0, 0)},
  };
  for (const auto& row : buttons) {
    SCOPED_TRACE(row.name);
    auto* b = find<QPushButton>(row.name);
    EXPECT_EQ(b->geometry(), row.geometry);
    EXPECT_EQ(b->text(), row.caption);
    EXPECT_TRUE(b->font().bold());
    EXPECT_EQ(b->font().pixelSize(), row.pixelSize);
    EXPECT_EQ(b->palette().color(QPalette::ButtonText), row.colour);
    EXPECT_FALSE(b->isDefault());
    EXPECT_FALSE(b->autoDefault());
  }

  const std::pair<const char*, QRect> fields[] = {
      {"EditProgram", {24, 24, 321, 20}},
      {"EditInstallTitle", {24, 160, 385, 20}},
      {"EditName", {24, 64, 385, 20}},
      {"EditIniName", {24, 112, 385, 20}},
  };
  for (const auto& [name, geometry] : fields) {
    SCOPED_TRACE(name);
    EXPECT_EQ(edit(name)->geometry(), geometry);
    EXPECT_EQ(edit(name)->font().pixelSize(), 12);
    EXPECT_FALSE(edit(name)->font().bold());
  }
  EXPECT_EQ(edit("EditProgram")->text(), QString());
  EXPECT_EQ(edit("EditName")->text(), QString());
  EXPECT_EQ(edit("EditInstallTitle")->text(), QString());
  EXPECT_EQ(edit("EditIniName")->text(), QStringLiteral("Rivo.ini"));
}

TEST_F(LayoutTest, MaroonLabelsStandAboveTheirFieldsAndShowTheirWholeCaption) {
  struct Row {
    const char* name;
    QRect geometry;
    QString caption;
    int pixelSize;
    const char* field;
  };
  const Row labels[] = {
      {"Label1", {24, 8, 83, 13}, QStringLiteral("配布プログラム"), 13, "EditProgram"},
      {"Label3", {24, 48, 119, 12}, QStringLiteral("アプリケーションの名前"), 12, "EditName"},
      {"Label4",
       {24, 96, 238, 12},
       QStringLiteral("ini ファイルの名前（Rivo.ini 以外の場合は変更）"),
       12,
       "EditIniName"},
      {"Label2",
       {24, 144, 174, 12},
       QStringLiteral("インストール時のウィンドウタイトル"),
       12,
       "EditInstallTitle"},
  };
  for (const auto& row : labels) {
    SCOPED_TRACE(row.name);
    auto* l = find<QLabel>(row.name);
    EXPECT_EQ(l->text(), row.caption);
    EXPECT_EQ(l->pos(), row.geometry.topLeft());
    EXPECT_EQ(l->height(), row.geometry.height());
    // At least the layout's width, and never cutting the caption short.
    EXPECT_GE(l->width(), row.geometry.width());
    EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(row.caption));
    EXPECT_EQ(l->font().pixelSize(), row.pixelSize);
    EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(l->focusPolicy(), Qt::NoFocus);
    const QRect field = edit(row.field)->geometry();
    EXPECT_EQ(l->x(), field.x());
    EXPECT_LE(l->geometry().bottom(), field.top());
    EXPECT_GE(l->geometry().bottom(), field.top() - 5);
  }
}

TEST_F(LayoutTest, WindowFontShowsJapanese) {
  const QFont font = form.font();
  EXPECT_EQ(font.pixelSize(), 12);
  EXPECT_FALSE(font.bold());
  // MS P Gothic, or where it is missing the font with its metrics.
  const QStringList wanted{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                           QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
  ASSERT_FALSE(font.families().isEmpty());
  EXPECT_EQ(font.families(), wanted.mid(wanted.indexOf(font.families().first())));
  const QString resolved = QFontInfo(font).family();
  EXPECT_TRUE(wanted.contains(resolved)) << resolved.toStdString();
  // No caption comes out as boxes.
  const QFontMetrics metrics(font);
  for (const QChar c : QStringLiteral("配布プログラムアプリケーションの名前ini ファイル（Rivo.ini "
                                      "以外の場合は変更）インストール時のウィンドウタイトル参照"
                                      "詳細設定作成")) {
    EXPECT_TRUE(metrics.inFont(c)) << QString(c).toStdString();
  }
}

TEST_F(LayoutTest, TabGoesDownTheButtonsThenUpTheFields) {
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), edit("EditProgram"));
  const char* order[] = {"ButtonSansho", "ButtonShosai", "ButtonSakusei", "EditInstallTitle",
                         "EditName",     "EditIniName",  "EditProgram"};
  for (const char* name : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
  }
}

TEST_F(LayoutTest, ProgramFieldCanBeSelectedButNotEdited) {
  browseTo(pathIn(QStringLiteral("app.exe")));
  QLineEdit* program = edit("EditProgram");
  EXPECT_TRUE(program->isReadOnly());
  EXPECT_NE(program->focusPolicy(), Qt::NoFocus);
  typeText(program, QStringLiteral("x"));
  QTest::keyClick(program, Qt::Key_Backspace);
  EXPECT_EQ(program->text(), pathIn(QStringLiteral("app.exe")));
  program->selectAll();
  EXPECT_EQ(program->selectedText(), program->text());
}

TEST_F(LayoutTest, EnterInAFieldPressesNoButton) {
  for (const char* name : {"EditName", "EditInstallTitle", "EditIniName", "EditProgram"}) {
    QTest::keyClick(edit(name), Qt::Key_Return);
    QTest::keyClick(edit(name), Qt::Key_Escape);
  }
  EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'|').toStdString();
  EXPECT_TRUE(form.isVisible());
}

TEST_F(LayoutTest, HintsStayTwoMinutesAndWakeAfterHalfASecond) {
  const std::pair<const char*, QString> hints[] = {
      {"EditProgram",
       QStringLiteral("「参照」ボタンを押して配布プログラムファイル名を絶対パスで指定します。")},
      {"EditInstallTitle", QStringLiteral("例、Velquinのインストール")},
      {"EditName", QStringLiteral("例、Velquin")},
  };
  for (const auto& [name, hint] : hints) {
    SCOPED_TRACE(name);
    EXPECT_EQ(edit(name)->toolTip(), hint);
    EXPECT_EQ(edit(name)->toolTipDuration(), 120000);
  }
  for (const char* name : {"ButtonSansho", "ButtonShosai", "ButtonSakusei"})
    EXPECT_TRUE(find(name)->toolTip().isEmpty()) << name;

  QWidget* iniName = edit("EditIniName");
  EXPECT_EQ(iniName->toolTipDuration(), 120000);
  EXPECT_EQ(iniName->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, iniName), 500);

  // Resting on the field pops up its four lines.
  const QPoint inside = iniName->rect().center();
  QHelpEvent onIniName(QEvent::ToolTip, inside, iniName->mapToGlobal(inside));
  QApplication::sendEvent(iniName, &onIniName);
  ASSERT_TRUE(QToolTip::isVisible());
  const QStringList lines = QToolTip::text().split(u'\n');
  EXPECT_EQ(
      lines,
      (QStringList{QStringLiteral("設定ファイルのファイル名を Rivo.ini "
                                  "以外に変更した場合は、ファイル名のみ入力してください。"),
                   QStringLiteral("（なお、その場合はインストーラ本体のファイル名も設定ファイルと同"
                                  "じ名前にしてください。"),
                   QStringLiteral("＜例．設定ファイルが「setup.ini」の場合はインストーラ本体は「se"
                                  "tup.exe」＞）"),
                   QStringLiteral("例．setup.ini")}));
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));

  // Resting on 作成 shows nothing.
  QWidget* create = find("ButtonSakusei");
  QHelpEvent onCreate(QEvent::ToolTip, create->rect().center(),
                      create->mapToGlobal(create->rect().center()));
  QApplication::sendEvent(create, &onCreate);
  EXPECT_FALSE(QToolTip::isVisible());
}

}  // namespace
}  // namespace velquin::test
