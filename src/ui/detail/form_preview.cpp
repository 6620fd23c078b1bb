#include "form_preview.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "numbered_text.h"
#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_format.h"
#include "settings/format/settings_writer.h"
#include "settings/plan/install_plan.h"
#include "settings/text/messages.h"
#include "ui/common/text.h"
#include "ui/common/window_look.h"
#include "ui_form_preview.h"

namespace velquin::ui {
namespace {

QColor colourOf(bool error) { return error ? QColor(Qt::red) : QColor(208, 128, 0); }

QString weightOf(const Finding& f) {
  return fromUtf8(f.weight == Weight::Error ? messages::ship::kError : messages::ship::kWarning);
}

// The line of the file that holds what the finding concerns: the entry of
// its Item number or key, or its section's header (the list as a whole).
std::size_t lineOf(const SettingsFileReader& file, const Finding& f) {
  const FieldInfo& info = fieldInfo(f.field);
  const std::string_view section = kSections[static_cast<std::size_t>(info.section)].name;
  if (f.item > 0) return file.lineOf(section, std::string(kItemKey) + std::to_string(f.item));
  if (!info.key.empty()) return file.lineOf(section, info.key);
  for (const SettingsFileReader::SectionAt& at : file.sections())
    if (SettingsFileReader::sameName(at.name, section)) return at.line;
  return 0;
}

// Rows as high as their values wrapped at the width of their column (the
// tree asks for a row's height without the width, and unwrapped).
class WrappingDelegate : public QStyledItemDelegate {
 public:
  explicit WrappingDelegate(QTreeView* tree) : QStyledItemDelegate(tree), tree_(tree) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.column() > 1) return QStyledItemDelegate::sizeHint(option, index);
    // The first column loses the indentation of the item's level.
    int width = tree_->columnWidth(index.column());
    if (index.column() == 0)
      for (QModelIndex up = index; up.isValid(); up = up.parent()) width -= tree_->indentation();
    QStyleOptionViewItem wrapped = option;
    wrapped.rect = QRect(0, 0, qMax(1, width), 1);
    wrapped.features |= QStyleOptionViewItem::WrapText;
    return QStyledItemDelegate::sizeHint(wrapped, index);
  }

 private:
  QTreeView* tree_;
};

void addItem(QTreeWidgetItem* parent, const PlanItem& item, const QStyle* style) {
  auto* row = new QTreeWidgetItem(parent);
  row->setText(0, fromUtf8(item.label));
  row->setText(1, fromUtf8(item.value));
  row->setToolTip(1, fromUtf8(item.value));
  if (item.size) row->setText(2, fromUtf8(sizeText(*item.size)));
  row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  row->setText(3, fromUtf8(item.source));
  bool error = false;
  for (const Finding& f : item.findings) {
    error = error || f.weight == Weight::Error;
    auto* finding = new QTreeWidgetItem(row);
    finding->setText(0, weightOf(f));
    finding->setForeground(0, colourOf(f.weight == Weight::Error));
    finding->setText(1, fromUtf8(f.text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    finding->setToolTip(1, fromUtf8(f.text));
  }
  if (!item.findings.empty())
    row->setIcon(0, style->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                              : QStyle::SP_MessageBoxWarning));
  for (const PlanItem& child : item.children) addItem(row, child, style);
}

}  // namespace

TFormPreview::TFormPreview(const InstallSettings& settings, const Checker& checker, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TFormPreview>()) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint);
  ui_->setupUi(this);
  applyWindowLook(this);
  connect(ui_->ButtonClose, &QPushButton::clicked, this, &QDialog::accept);

  const std::string& iniFileName = settings.text(TextField::EditIniName);
  const std::vector<Finding> findings = checker.findings();
  showSettingsFile(composeSettingsFile(settings, iniFileName), findings);
  showPlan(settings, iniFileName, findings);
}

TFormPreview::~TFormPreview() = default;

void TFormPreview::showSettingsFile(const std::string& text, const std::vector<Finding>& findings) {
  // Lines as the file holds them, each of which ends in CR LF.
  QString shown = fromSjis(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
  ui_->MemoSettingsFile->setPlainText(shown);

  const SettingsFileReader file = SettingsFileReader::fromBytes(text);
  QMap<int, NumberedText::Mark> marks;
  std::size_t errors = 0;
  for (const Finding& f : findings) {
    const bool error = f.weight == Weight::Error;
    errors += error ? 1 : 0;
    const std::size_t line = lineOf(file, f);
    if (line == 0) continue;
    NumberedText::Mark& mark = marks[static_cast<int>(line)];
    mark.error = mark.error || error;
    if (!mark.text.isEmpty()) mark.text += QLatin1Char('\n');
    mark.text += weightOf(f) + QStringLiteral("：") + fromUtf8(f.text);
  }
  ui_->MemoSettingsFile->setMarks(marks);
  ui_->LabelCounts->setText(fromUtf8(messages::ship::counts(errors, findings.size() - errors)));
}

void TFormPreview::showPlan(const InstallSettings& settings, const std::string& iniFileName,
                            const std::vector<Finding>& findings) {
  const ScannedPlanFolder scanned = scanPlanFolder(settings.distDir(), iniFileName);
  const InstallPlan plan = makeInstallPlan(settings, iniFileName, scanned.folder, findings);
  QTreeWidget* tree = ui_->TreePlan;
  for (const PlanItem& group : plan.groups) {
    addItem(tree->invisibleRootItem(), group, style());
    QTreeWidgetItem* top = tree->topLevelItem(tree->topLevelItemCount() - 1);
    QFont bold = tree->font();
    bold.setBold(true);
    top->setFont(0, bold);
  }
  tree->expandAll();
  // The values take what the other columns leave, and wrap where they need
  // more; the items keep a width of their own that the author may change.
  QHeaderView* header = tree->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Interactive);
  header->resizeSection(0, fontMetrics().averageCharWidth() * 36);
  // Sizes and entries take the width of their longest text, measured on the
  // texts rather than on every row of a long list.
  const int margin = 4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
  header->resizeSection(2,
                        fontMetrics().horizontalAdvance(fromUtf8(sizeText(9999999999))) + margin);
  header->resizeSection(
      3, fontMetrics().horizontalAdvance(QStringLiteral("[Install] IsFileDelAfterInst")) + margin);
  header->setSectionResizeMode(1, QHeaderView::Stretch);
  tree->setTextElideMode(Qt::ElideNone);
  tree->setItemDelegate(new WrappingDelegate(tree));
  // Rows take the height of their wrapped values anew when a column's width
  // changes.
  connect(header, &QHeaderView::sectionResized, tree, [tree] { tree->doItemsLayout(); });
}

}  // namespace velquin::ui
