// The installation plan as the preview's tree shows it: rows of items, the
// findings of an item as rows of their own before its items.

#include "ui/detail/plan_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QStyle>

namespace velquin::ui::test {
namespace {

// Each row as "label|value|size|source", indented by two blanks a level.
QStringList rowsOf(const QAbstractItemModel& model, const QModelIndex& parent = {},
                   const QString& indent = {}) {
  QStringList rows;
  for (int row = 0; row < model.rowCount(parent); ++row) {
    QStringList texts;
    for (int column = 0; column < model.columnCount(parent); ++column)
      texts << model.index(row, column, parent).data().toString();
    rows << indent + texts.join(QLatin1Char('|'));
    const QModelIndex child = model.index(row, 0, parent);
    EXPECT_EQ(model.parent(child), parent) << rows.back().toStdString();
    rows << rowsOf(model, child, indent + QStringLiteral("  "));
  }
  return rows;
}

TEST(PlanModel, ShowsItemsWithTheirFindingsFirst) {
  PlanItem files{"インストールするファイル", "2 個"};
  files.size = 40960;
  files.source = "[Files]";
  PlanItem app{"app.exe", "app.exe に"};
  app.size = 40960;
  app.source = "[Files] Item1";
  PlanItem gone{"gone.dll", "配布フォルダにありません"};
  gone.source = "[Files] Item2";
  gone.findings = {{9, Weight::Warning, "Files", "Item2", "twice"},
                   {9, Weight::Error, "Files", "Item2", "not in the\nfolder"}};
  gone.children = {PlanItem{"part", "of it"}};
  files.children = {app, gone};
  InstallPlan plan;
  plan.groups = {files, PlanItem{"アンインストール"}};

  PlanModel model(QApplication::font(), *QApplication::style());
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(model.rowCount({}), 0);
  model.setPlan(plan);
  EXPECT_EQ(rowsOf(model), (QStringList{
                               "インストールするファイル|2 個|40,960 バイト|[Files]",
                               "  app.exe|app.exe に|40,960 バイト|[Files] Item1",
                               "  gone.dll|配布フォルダにありません||[Files] Item2",
                               "    警告|twice||",
                               "    エラー|not in the folder||",
                               "    part|of it||",
                               "アンインストール|||",
                           }));
  // Every column is named in the header, each by a name of its own.
  QStringList headers;
  for (int column = 0; column < model.columnCount({}); ++column)
    headers << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  const std::string named = headers.join(QLatin1Char('|')).toStdString();
  EXPECT_FALSE(headers.contains(QString())) << named;
  EXPECT_EQ(headers.removeDuplicates(), 0) << named;

  const QModelIndex group = model.index(0, 0, {});
  const QModelIndex goneRow = model.index(1, 0, group);
  EXPECT_TRUE(group.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(goneRow.data(Qt::FontRole).isValid());
  EXPECT_EQ(model.index(0, 2, group).data(Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignRight | Qt::AlignVCenter));
  // An item with findings bears the icon of the worst of them; a finding
  // its colour, and its whole text as its tooltip.
  EXPECT_FALSE(model.index(0, 0, group).data(Qt::DecorationRole).isValid());
  EXPECT_EQ(
      goneRow.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage(),
      QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(16).toImage());
  EXPECT_EQ(model.index(0, 0, goneRow).data(Qt::ForegroundRole).value<QColor>(),
            QColor(208, 128, 0));
  EXPECT_EQ(model.index(1, 0, goneRow).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
  EXPECT_EQ(model.index(1, 1, goneRow).data(Qt::ToolTipRole).toString(),
            QStringLiteral("not in the\nfolder"));
}

}  // namespace
}  // namespace velquin::ui::test
