#include "plan_model.h"

#include <QStyle>
#include <algorithm>

#include "settings/text/messages.h"
#include "ui/common/text.h"

namespace velquin::ui {
namespace {

enum Column { Label, Value, Size, Source, Columns };

bool hasError(const PlanItem& item) {
  return std::any_of(item.findings.begin(), item.findings.end(),
                     [](const FileFinding& f) { return f.weight == Weight::Error; });
}

}  // namespace

QColor findingColour(Weight weight) {
  return weight == Weight::Error ? QColor(Qt::red) : QColor(208, 128, 0);
}

QString weightText(Weight weight) {
  return fromUtf8(weight == Weight::Error ? messages::ship::kError : messages::ship::kWarning);
}

PlanModel::PlanModel(const QFont& font, const QStyle& style, QObject* parent)
    : QAbstractItemModel(parent),
      bold_(font),
      errorIcon_(style.standardIcon(QStyle::SP_MessageBoxCritical)),
      warningIcon_(style.standardIcon(QStyle::SP_MessageBoxWarning)) {
  bold_.setBold(true);
}

void PlanModel::setPlan(InstallPlan plan) {
  beginResetModel();
  places_.clear();
  root_.children = std::move(plan.groups);
  endResetModel();
}

const PlanItem* PlanModel::among(const QModelIndex& index) const {
  return static_cast<const PlanItem*>(index.internalPointer());
}

const PlanItem* PlanModel::itemAt(const QModelIndex& index) const {
  if (!index.isValid()) return &root_;
  const PlanItem* item = among(index);
  const auto row = static_cast<std::size_t>(index.row());
  return row < item->findings.size() ? nullptr : &item->children[row - item->findings.size()];
}

const FileFinding* PlanModel::findingAt(const QModelIndex& index) const {
  const auto row = static_cast<std::size_t>(index.row());
  return row < among(index)->findings.size() ? &among(index)->findings[row] : nullptr;
}

QModelIndex PlanModel::index(int row, int column, const QModelIndex& parent) const {
  if (!hasIndex(row, column, parent)) return {};
  const PlanItem* item = itemAt(parent);
  if (parent.isValid()) places_.try_emplace(item, Place{among(parent), parent.row()});
  return createIndex(row, column, item);
}

QModelIndex PlanModel::parent(const QModelIndex& child) const {
  const PlanItem* item = child.isValid() ? among(child) : &root_;
  if (item == &root_) return {};
  const Place& place = places_.at(item);
  return createIndex(place.row, 0, place.among);
}

int PlanModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  const PlanItem* item = itemAt(parent);
  return item ? static_cast<int>(item->findings.size() + item->children.size()) : 0;
}

int PlanModel::columnCount(const QModelIndex&) const { return Columns; }

QVariant PlanModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (const FileFinding* f = findingAt(index)) return findingData(*f, index.column(), role);
  return rowData(*itemAt(index), among(index) == &root_, index.column(), role);
}

QVariant PlanModel::rowData(const PlanItem& item, bool group, int column, int role) const {
  switch (role) {
    case Qt::DisplayRole:
      switch (column) {
        case Label: return fromUtf8(item.label);
        case Value: return fromUtf8(item.value);
        case Size: return item.size ? fromUtf8(sizeText(*item.size)) : QString();
        default: return fromUtf8(item.source);
      }
    case Qt::ToolTipRole: return column == Value ? QVariant(fromUtf8(item.value)) : QVariant();
    case Qt::TextAlignmentRole:
      return column == Size ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::DecorationRole:
      if (column != Label || item.findings.empty()) return {};
      return hasError(item) ? errorIcon_ : warningIcon_;
    case Qt::FontRole: return column == Label && group ? QVariant(bold_) : QVariant();
    default: return {};
  }
}

QVariant PlanModel::findingData(const FileFinding& f, int column, int role) {
  if (column == Label && role == Qt::DisplayRole) return weightText(f.weight);
  if (column == Label && role == Qt::ForegroundRole) return findingColour(f.weight);
  if (column == Value && role == Qt::DisplayRole)
    return fromUtf8(f.text).replace(QLatin1Char('\n'), QLatin1Char(' '));
  if (column == Value && role == Qt::ToolTipRole) return fromUtf8(f.text);
  return {};
}

QVariant PlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case Label: return QStringLiteral("項目");
    case Value: return QStringLiteral("内容");
    case Size: return QStringLiteral("サイズ");
    case Source: return QStringLiteral("設定ファイル");
    default: return {};
  }
}

}  // namespace velquin::ui
