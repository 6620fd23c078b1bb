// The look of the detailed-settings dialog: frame, pages, every control at
// its place with its text and font, the help texts and the hints.

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

#include "form2_fixture.h"
#include "settings/sjis.h"

namespace velquin::ui::test {
namespace {

struct Place {
  const char* page;
  const char* name;
  int x, y, w, h;  // w and h 0: a label that takes the size of its text
};

// Every control of the six pages, page by page, at its place in its page.
const Place kPlaces[] = {
    {"TabSheet2", "Label5", 8, 8, 489, 0},
    {"TabSheet2", "MemoFiles", 8, 224, 465, 225},

    {"TabSheet1", "Label2", 16, 8, 0, 0},
    {"TabSheet1", "EditInstallTextFail", 16, 24, 481, 20},
    {"TabSheet1", "Label21", 16, 56, 0, 0},
    {"TabSheet1", "EditInstallDir", 16, 72, 481, 20},
    {"TabSheet1", "Label22", 16, 104, 0, 0},
    {"TabSheet1", "EditInstallDirReg", 16, 120, 481, 20},
    {"TabSheet1", "Label23", 16, 152, 0, 0},
    {"TabSheet1", "RadioGroupFileDel", 16, 168, 313, 49},
    {"TabSheet1", "Label3", 16, 232, 0, 0},
    {"TabSheet1", "EditInstallProgram", 16, 248, 481, 20},
    {"TabSheet1", "Label4", 16, 280, 0, 0},
    {"TabSheet1", "RBAllUsersNoCheck", 32, 296, 81, 17},
    {"TabSheet1", "RBAllUsersCheck", 32, 312, 113, 17},
    {"TabSheet1", "RBAllUsersKotei", 32, 328, 249, 17},
    {"TabSheet1", "RBAllUsersMishiyo", 32, 344, 289, 17},
    {"TabSheet1", "Label26", 16, 376, 0, 0},
    {"TabSheet1", "EditInstallMessage", 16, 392, 481, 20},

    {"TabSheet3", "Label6", 8, 8, 0, 0},
    {"TabSheet3", "RadioButtonStartCheck", 32, 24, 121, 17},
    {"TabSheet3", "RadioButtonStartNoCheck", 160, 24, 129, 17},
    {"TabSheet3", "RadioButtonStartMuko", 304, 24, 137, 17},
    {"TabSheet3", "Label7", 8, 64, 489, 0},
    {"TabSheet3", "EditGroupInfo", 16, 96, 481, 20},
    {"TabSheet3", "Label8", 8, 128, 0, 0},
    {"TabSheet3", "EditGroupName", 16, 144, 481, 20},
    {"TabSheet3", "Label1", 8, 176, 492, 0},
    {"TabSheet3", "MemoGroupItem", 16, 264, 481, 161},
    {"TabSheet3", "CheckBox1", 24, 432, 449, 17},

    {"TabSheet5", "Label9", 8, 8, 0, 0},
    {"TabSheet5", "RadioButtonStartupCheck", 32, 24, 129, 17},
    {"TabSheet5", "RadioButtonStartupNoCheck", 152, 24, 113, 17},
    {"TabSheet5", "RadioButtonStartupMuko", 280, 24, 137, 17},
    {"TabSheet5", "Label10", 8, 64, 440, 0},
    {"TabSheet5", "EditStartupInfo", 24, 96, 465, 20},
    {"TabSheet5", "Label11", 8, 128, 492, 0},
    {"TabSheet5", "MemoStartupItem", 24, 216, 465, 233},

    {"TabSheet6", "Label12", 8, 8, 0, 0},
    {"TabSheet6", "RadioButtonDesktopCheck", 24, 24, 113, 17},
    {"TabSheet6", "RadioButtonDesktopNocheck", 152, 24, 121, 17},
    {"TabSheet6", "RadioButtonDesktopMuko", 288, 24, 105, 17},
    {"TabSheet6", "Label13", 8, 64, 440, 0},
    {"TabSheet6", "EditDesktopInfo", 32, 96, 465, 20},
    {"TabSheet6", "Label14", 8, 128, 492, 0},
    {"TabSheet6", "MemoDesktopItem", 32, 224, 457, 225},

    {"TabSheet4", "Label15", 8, 8, 492, 0},
    {"TabSheet4", "EditUninstallKey", 24, 32, 457, 20},
    {"TabSheet4", "Label16", 8, 56, 0, 0},
    {"TabSheet4", "EditUninstallName", 24, 72, 457, 20},
    {"TabSheet4", "Label17", 8, 96, 0, 0},
    {"TabSheet4", "EditUninstallTitle", 24, 112, 457, 20},
    {"TabSheet4", "Label18", 8, 136, 0, 0},
    {"TabSheet4", "RadioGroupUninstallAll", 8, 152, 489, 41},
    {"TabSheet4", "Label19", 8, 200, 0, 0},
    {"TabSheet4", "RadioGroupUninstallRebootDlg", 8, 216, 497, 33},
    {"TabSheet4", "Label25", 8, 256, 0, 0},
    {"TabSheet4", "RadioGroupNotAdmin", 8, 272, 489, 33},
    {"TabSheet4", "Label24", 8, 312, 0, 0},
    {"TabSheet4", "MemoRmDir", 24, 328, 449, 49},
    {"TabSheet4", "Label20", 8, 379, 492, 0},
    {"TabSheet4", "MemoUninstallRegKey", 24, 432, 449, 49},
};

QStringList shownLines(QWidget* w) {
  const auto* label = qobject_cast<QLabel*>(w);
  return (label ? label->text() : w->toolTip()).split(QLatin1Char('\n'));
}

TEST_F(Form2Test, FrameIsAFixedDialogWithCloseBoxOnly) {
  EXPECT_EQ(form->objectName(), QStringLiteral("Form2"));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("詳細設定"));
  EXPECT_EQ(form->size(), QSize(536, 528));
  EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the author cannot resize it";
  EXPECT_EQ(form->pos(), QPoint(211, 14));
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                        Qt::WindowContextHelpButtonHint));

  EXPECT_EQ(pages()->geometry(), QRect(8, 0, 513, 505));
  auto* ok = find<QPushButton>("ButtonOK");
  EXPECT_EQ(ok->text(), QStringLiteral("閉じる"));
  EXPECT_EQ(ok->geometry(), QRect(32, 505, 65, 23));
  EXPECT_TRUE(ok->font().bold());
  EXPECT_FALSE(ok->isDefault());
  EXPECT_FALSE(ok->autoDefault());
}

TEST_F(Form2Test, SixPagesInOrderWithTheirCaptions) {
  const std::pair<const char*, const char*> expected[] = {
      {"TabSheet2", "ファイル"},         {"TabSheet1", "インストール"},
      {"TabSheet3", "スタートメニュー"}, {"TabSheet5", "スタートアップ"},
      {"TabSheet6", "デスクトップ"},     {"TabSheet4", "アンインストール"}};
  QTabWidget* tabs = pages();
  ASSERT_EQ(tabs->count(), 6);
  form->show();
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(tabs->widget(i)->objectName(), QLatin1String(expected[i].first));
    EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(expected[i].second));
    // All six captions stand in one row, none hidden behind scroll arrows.
    EXPECT_LE(tabs->tabBar()->tabRect(i).right(), tabs->width()) << i;
  }
  // The lowest controls of a page (y 432 + 49) fit inside it.
  tabs->setCurrentIndex(5);
  EXPECT_GE(tabs->currentWidget()->height(), 481);
}

TEST_F(Form2Test, EveryControlAtItsPlaceOnItsPage) {
  for (const Place& p : kPlaces) {
    QWidget* w = find(p.name);
    if (!w) continue;
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.page)) << p.name;
    EXPECT_EQ(w->pos(), QPoint(p.x, p.y)) << p.name;
    if (p.h) {
      EXPECT_EQ(w->size(), QSize(p.w, p.h)) << p.name;
    }
  }
}

TEST_F(Form2Test, FixedCaptionsOfLabelsAndButtons) {
  const std::pair<const char*, const char*> captions[] = {
      {"Label2", "インストール時に最初に表示するテキストファイルの名前"},
      {"Label22", "ユーザーが指定したインストール先ディレクトリを保存するレジストリのキー"},
      {"Label4", "All Users にショートカットを登録(Wimdows2000/XP以降の環境でのみ有効)"},
      {"RBAllUsersKotei", "チェック固定（チェックがはずせなくなる）"},
      {"Label6", "インストール時「スタートメニューにプログラムグループを登録」チェックボックスに"},
      {"RadioButtonStartNoCheck", "チェックをつけない"},
      {"CheckBox1", "アンインストールのショートカットを作成する"},
      {"Label9", "インストール時、「スタートアップにプログラムを登録」チェックボックスに"},
      {"RadioButtonDesktopMuko", "無効化"},
      {"Label16", "「アプリケーションの追加と削除」のリストに実際に表示される名前"},
      {"Label25", "Windows2000/XPで管理者(Administrators)以外のユーザがアンインストーラを"},
      {"Label24", "アンインストール時に削除したいディレクトリを改行区切りで入力してください。"},
  };
  for (const auto& [name, text] : captions) {
    QWidget* w = find(name);
    const QString shown = qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                   : qobject_cast<QAbstractButton*>(w)->text();
    EXPECT_EQ(shown, QString::fromUtf8(text)) << name;
    // A plain label shows its whole caption on one line.
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << name;
    }
  }
}

TEST_F(Form2Test, RadioGroupsFillColumnByColumnAndShowWholeCaptions) {
  struct Group {
    const char* name;
    QStringList items;
  };
  const Group groups[] = {
      {"RadioGroupFileDel", {QStringLiteral("削除しない"), QStringLiteral("削除する")}},
      {"RadioGroupUninstallAll",
       {QStringLiteral("削除しない（ファイルのみ削除）"), QStringLiteral("すべて削除"),
        QStringLiteral("サブディレクトリも含めてすべて削除")}},
      {"RadioGroupUninstallRebootDlg",
       {QStringLiteral("「完了しました」というダイアログのみ"),
        QStringLiteral("Windows を再起動するか確認するダイアログ")}},
      {"RadioGroupNotAdmin", {QStringLiteral("実行できない"), QStringLiteral("実行できる")}},
  };
  for (const Group& g : groups) {
    auto* box = find<QGroupBox>(g.name);
    EXPECT_TRUE(box->title().isEmpty()) << g.name;
    auto* buttons = box->findChild<QButtonGroup*>();
    ASSERT_TRUE(buttons) << g.name;
    ASSERT_EQ(buttons->buttons().size(), g.items.size()) << g.name;
    for (int i = 0; i < g.items.size(); ++i) {
      QAbstractButton* b = buttons->button(i);
      ASSERT_TRUE(b) << g.name << " item " << i;
      EXPECT_EQ(b->text(), g.items[i]) << g.name;
      EXPECT_TRUE(box->rect().contains(b->geometry())) << g.name << " item " << i;
      EXPECT_GE(b->width(), b->sizeHint().width()) << g.name << " item " << i << " is cut";
      EXPECT_GE(b->height(), 15) << g.name << " item " << i;
    }
  }
  auto item = [&](const char* group, int i) {
    return find<QGroupBox>(group)->findChild<QButtonGroup*>()->button(i)->geometry();
  };
  // One column: items one below the other.
  EXPECT_EQ(item("RadioGroupFileDel", 0).x(), item("RadioGroupFileDel", 1).x());
  EXPECT_GE(item("RadioGroupFileDel", 1).top(), item("RadioGroupFileDel", 0).bottom());
  // Two columns, three items: 0 and 1 on the left, 2 alone on the right.
  const QRect a = item("RadioGroupUninstallAll", 0), b = item("RadioGroupUninstallAll", 1),
              c = item("RadioGroupUninstallAll", 2);
  EXPECT_EQ(a.x(), b.x());
  EXPECT_GE(b.top(), a.bottom());
  EXPECT_EQ(c.y(), a.y());
  EXPECT_GE(c.left(), a.right());
  // Two columns, two items: side by side.
  EXPECT_EQ(item("RadioGroupNotAdmin", 0).y(), item("RadioGroupNotAdmin", 1).y());
  EXPECT_GT(item("RadioGroupNotAdmin", 1).x(), item("RadioGroupNotAdmin", 0).right());
}

TEST_F(Form2Test, FontsAndMaroonLabels) {
  const QFont dialog = form->font();
  EXPECT_EQ(dialog.pixelSize(), 12);
  // Whatever face stands in, it must hold Japanese characters.
  EXPECT_TRUE(QFontMetrics(dialog).inFontUcs4(U'設'));
  for (const char* memo : {"MemoFiles", "MemoGroupItem", "MemoStartupItem", "MemoDesktopItem"})
    EXPECT_EQ(find(memo)->font().pixelSize(), 15) << memo;
  for (const char* memo : {"MemoRmDir", "MemoUninstallRegKey"})
    EXPECT_EQ(find(memo)->font().pixelSize(), 12) << memo;
  for (const char* edit : {"EditInstallDir", "EditUninstallKey"})
    EXPECT_EQ(find(edit)->font().pixelSize(), 12) << edit;

  const QColor maroon(128, 0, 0);
  for (QLabel* label : form->findChildren<QLabel*>()) {
    if (label->objectName().isEmpty()) continue;  // parts of other controls
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), maroon)
        << label->objectName().toStdString();
    // A disabled label is drawn greyed, not maroon.
    EXPECT_NE(label->palette().color(QPalette::Disabled, QPalette::WindowText), maroon)
        << label->objectName().toStdString();
  }
}

TEST_F(Form2Test, MemosScrollBothWaysAndNeverWrap) {
  for (auto* memo : form->findChildren<QPlainTextEdit*>()) {
    const std::string name = memo->objectName().toStdString();
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap) << name;
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
  }
  EXPECT_EQ(form->findChildren<QPlainTextEdit*>().size(), 6);
}

// The Tab key walks each page in its own order; a radio group is one stop.
TEST_F(Form2Test, TabOrderOfEachPage) {
  const std::vector<std::vector<const char*>> orders = {
      {"MemoFiles"},
      {"EditInstallTextFail", "EditInstallProgram", "RBAllUsersNoCheck", "RBAllUsersCheck",
       "RBAllUsersKotei", "RBAllUsersMishiyo", "EditInstallDir", "EditInstallDirReg",
       "RadioGroupFileDel", "EditInstallMessage"},
      {"RadioButtonStartCheck", "RadioButtonStartNoCheck", "EditGroupInfo", "EditGroupName",
       "MemoGroupItem", "CheckBox1", "RadioButtonStartMuko"},
      {"RadioButtonStartupCheck", "RadioButtonStartupNoCheck", "EditStartupInfo", "MemoStartupItem",
       "RadioButtonStartupMuko"},
      {"RadioButtonDesktopNocheck", "RadioButtonDesktopCheck", "EditDesktopInfo", "MemoDesktopItem",
       "RadioButtonDesktopMuko"},
      {"EditUninstallKey", "EditUninstallName", "EditUninstallTitle", "RadioGroupUninstallAll",
       "RadioGroupUninstallRebootDlg", "MemoUninstallRegKey", "MemoRmDir", "RadioGroupNotAdmin"},
  };
  for (int i = 0; i < 6; ++i) {
    QWidget* page = pages()->widget(i);
    std::vector<std::string> chain;
    QWidget* w = form.get();
    do {
      w = w->nextInFocusChain();
      if (!page->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
      QWidget* stop = qobject_cast<QGroupBox*>(w->parentWidget()) ? w->parentWidget() : w;
      const std::string name = stop->objectName().toStdString();
      if (chain.empty() || chain.back() != name) chain.push_back(name);
    } while (w != form.get());
    EXPECT_EQ(chain, std::vector<std::string>(orders[i].begin(), orders[i].end())) << "page " << i;
  }
}

TEST_F(Form2Test, HelpTextsAreShownLineByLine) {
  form->show();
  const QStringList help1 = shownLines(find("Label5"));
  ASSERT_EQ(help1.size(), 15);
  EXPECT_EQ(help1[0], QStringLiteral("インストールするファイルを改行区切りで入力してください。"));
  EXPECT_EQ(help1[4], QStringLiteral("   %WINDIR%     ：Windowsディレクトリ"));
  EXPECT_EQ(help1[9], QStringLiteral("   %環境変数%   ：任意の環境変数（例：%USERPROFILE%）"));
  EXPECT_EQ(help1[11], QStringLiteral("   0：上書きコピーしない"));
  EXPECT_EQ(help1[12], QStringLiteral("\u3000 1：上書きコピーする"));
  EXPECT_EQ(
      help1[13],
      QStringLiteral("\u3000 2：コピー元ファイルのタイムスタンプが新しい場合のみ上書きコピーする"));
  // The special directory names are padded so that their colons line up on
  // a fixed-pitch screen: 13 bytes after the three blanks in code page 932.
  for (int i = 4; i <= 9; ++i) {
    const auto bytes = sjis::encode(help1[i].toStdString());
    ASSERT_TRUE(bytes) << i;
    EXPECT_EQ(bytes->find("\x81\x46"), 16u) << help1[i].toStdString();
  }

  const QStringList help5 = shownLines(find("Label11"));
  ASSERT_EQ(help5.size(), 3);
  EXPECT_TRUE(help5[0].startsWith(QStringLiteral("スタートアップに登録するショートカット")));
  EXPECT_EQ(help5[1], shownLines(find("Label1"))[1]);
  EXPECT_EQ(help5[2], shownLines(find("Label14"))[2]);
  EXPECT_EQ(shownLines(find("Label20"))[1],
            QStringLiteral("削除できるレジストリキーは HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, "
                           "HKEY_CLASSES_ROOT のキーです。"));
  EXPECT_EQ(
      shownLines(find("Label15")),
      (QStringList{
          QStringLiteral("コントロールパネルの「アプリケーションの追加と削除」に登録するキー名"),
          QStringLiteral("(他のアプリケーションと重複しないようなキー名にすること)")}));
}

// A help label keeps its width, wraps its text there and grows downward; its
// text must end before the control below it begins.
TEST_F(Form2Test, HelpLabelsWrapAtTheirWidthsAndFitAboveTheNextControl) {
  form->show();
  const struct {
    const char* label;
    int width;
    const char* below;
  } help[] = {{"Label5", 489, "MemoFiles"},           {"Label7", 489, "EditGroupInfo"},
              {"Label1", 492, "MemoGroupItem"},       {"Label10", 440, "EditStartupInfo"},
              {"Label11", 492, "MemoStartupItem"},    {"Label13", 440, "EditDesktopInfo"},
              {"Label14", 492, "MemoDesktopItem"},    {"Label15", 492, "EditUninstallKey"},
              {"Label20", 492, "MemoUninstallRegKey"}};
  for (const auto& h : help) {
    auto* label = find<QLabel>(h.label);
    EXPECT_TRUE(label->wordWrap()) << h.label;
    EXPECT_EQ(label->width(), h.width) << h.label;
    EXPECT_EQ(label->height(), label->heightForWidth(h.width)) << h.label;
    // The last line's glyphs end a pixel above the bottom of its descenders.
    EXPECT_LE(label->geometry().bottom(), find(h.below)->y()) << h.label;
  }
  // A long line wraps: help text 1 needs more lines than it has.
  auto* label5 = find<QLabel>("Label5");
  EXPECT_GT(label5->height(), 15 * QFontInfo(label5->font()).pixelSize());
}

TEST_F(Form2Test, HintsOfTheLayoutAndOfEveryShowing) {
  form->show();
  EXPECT_EQ(find("MemoFiles")->toolTip(), QStringLiteral("例、help\\Tessaly.hlp,2"));
  EXPECT_EQ(find("MemoUninstallRegKey")->toolTip(),
            QStringLiteral("例、HKEY_CURRENT_USER\\Software\\Tessaly"));
  EXPECT_EQ(find("EditUninstallTitle")->toolTip(), QStringLiteral("例、Velquinのアンインストール"));

  const QStringList dir = shownLines(find("EditInstallDir"));
  ASSERT_EQ(dir.size(), 7);
  EXPECT_EQ(dir[1],
            QStringLiteral(
                "デフォルトで C:\\Program Files 内に指定した名前のディレクトリを作成します。"));
  EXPECT_EQ(shownLines(find("EditInstallDirReg")).size(), 7);
  EXPECT_EQ(shownLines(find("EditInstallProgram")).value(3),
            QStringLiteral("   実行ファイル名,起動パラメータ"));
  EXPECT_EQ(shownLines(find("MemoGroupItem")).value(1),
            QStringLiteral("     Velquinのヘルプ,help\\Tessaly.hlp"));

  // The hint on deleting the source files reads as one sentence over three lines.
  const QStringList fileDel = shownLines(find("RadioGroupFileDel"));
  ASSERT_EQ(fileDel.size(), 4);
  EXPECT_EQ(fileDel[0], QStringLiteral("通常は「削除する」で良いと思いますが，FDやCD-"
                                       "ROMなどからインストーラを実行するような場合や，"));
  EXPECT_FALSE(fileDel[1].isEmpty());
  EXPECT_EQ(fileDel[2], QStringLiteral("にした場合は，「削除しない」を指定して下さい。"));
  EXPECT_EQ(fileDel[3],
            QStringLiteral(
                "※「インストール先ディレクトリ」を指定しない場合は，この項目は無視されます。"));

  // The four All Users buttons share one four-line hint.
  const QString allUsers = find("RBAllUsersNoCheck")->toolTip();
  EXPECT_EQ(allUsers.count(QLatin1Char('\n')), 3);
  EXPECT_TRUE(allUsers.startsWith(QStringLiteral("「All Usersにショートカットを登録」")));
  for (const char* b : {"RBAllUsersCheck", "RBAllUsersKotei", "RBAllUsersMishiyo"})
    EXPECT_EQ(find(b)->toolTip(), allUsers) << b;

  // Eleven hints of the layout and thirteen of the showing; no other control
  // has one, and each stays up long enough to be read.
  int withHint = 0;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (w->toolTip().isEmpty()) continue;
    ++withHint;
    EXPECT_EQ(w->toolTipDuration(), 120000) << w->objectName().toStdString();
  }
  EXPECT_EQ(withHint, 24);
  for (const char* none : {"Label5", "RadioButtonStartCheck", "CheckBox1", "RadioGroupUninstallAll",
                           "RadioGroupUninstallRebootDlg", "ButtonOK"})
    EXPECT_TRUE(find(none)->toolTip().isEmpty()) << none;
}

// What the author sees of every control: place, size, label text, hint.
QStringList looks(const QWidget& form) {
  QStringList all;
  for (QWidget* w : form.findChildren<QWidget*>()) {
    const auto* label = qobject_cast<QLabel*>(w);
    all << QStringLiteral("%1 %2,%3 %4x%5 %6 %7")
               .arg(w->objectName())
               .arg(w->x())
               .arg(w->y())
               .arg(w->width())
               .arg(w->height())
               .arg(label ? label->text() : QString(), w->toolTip());
  }
  return all;
}

TEST_F(Form2Test, SecondShowingLeavesHelpTextsAndHintsAsTheFirst) {
  form->show();
  const QStringList first = looks(*form);
  form->close();
  form->show();
  EXPECT_EQ(looks(*form), first);
}

}  // namespace
}  // namespace velquin::ui::test
