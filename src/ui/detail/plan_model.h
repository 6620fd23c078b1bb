#pragma once

// The installation plan (install_plan.h) as the preview's tree shows it: a
// row for each item, with its label, value, size and entry, and the check's
// findings of the item as rows of their own below it, before its items. The
// model keeps the plan and makes a row's texts only when the view asks for
// them, so a list of 100,000 files costs no object per row; all it keeps is
// where each item stands whose rows the view has asked for.

#include <QAbstractItemModel>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <unordered_map>

#include "settings/plan/install_plan.h"

class QStyle;

namespace velquin::ui {

// A finding's colour (red for an error, amber for a warning) and its word,
// as the preview shows them on both pages.
QColor findingColour(Weight weight);
QString weightText(Weight weight);

class PlanModel : public QAbstractItemModel {
 public:
  // Without rows until it is given a plan. The groups' labels in `font`
  // made bold; the icons of items with findings from `style`.
  PlanModel(const QFont& font, const QStyle& style, QObject* parent = nullptr);
  void setPlan(InstallPlan plan);

  // The view always passes every argument; no defaults of their own.
  QModelIndex index(int row, int column, const QModelIndex& parent) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  // An index points to the item whose rows it is among (the plan's groups
  // are the rows of root_); an item's own place is kept once the view has
  // asked for its rows, which it does before it asks for their parent.
  struct Place {
    const PlanItem* among;
    int row;
  };
  const PlanItem* among(const QModelIndex& index) const;
  const PlanItem* itemAt(const QModelIndex& index) const;        // none for a finding
  const FileFinding* findingAt(const QModelIndex& index) const;  // none for an item
  QVariant rowData(const PlanItem& item, bool group, int column, int role) const;
  static QVariant findingData(const FileFinding& finding, int column, int role);

  PlanItem root_;
  QFont bold_;
  QIcon errorIcon_;
  QIcon warningIcon_;
  mutable std::unordered_map<const PlanItem*, Place> places_;
};

}  // namespace velquin::ui
