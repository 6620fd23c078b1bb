#include "form_preview.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <chrono>

#include "numbered_text.h"
#include "plan_model.h"
#include "settings/check/file_check.h"
#include "settings/format/engine_reading.h"
#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_writer.h"
#include "settings/plan/install_plan.h"
#include "settings/text/messages.h"
#include "ui/common/text.h"
#include "ui/common/window_look.h"
#include "ui_form_preview.h"

namespace velquin::ui {
namespace {

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

// The installation plan of what the engine will read of the text Create
// would write, as `velquin --plan` makes it of a file, with the distribution
// folder read as it stands and the findings where the check of that text
// places them.
InstallPlan planOf(const std::string& text, const std::string& iniFileName,
                   const std::filesystem::path& distDir, const std::vector<FileFinding>& findings) {
  const SettingsFile file = SettingsFile::fromText(text, iniFileName);
  const EngineReading reading(file);
  const ScannedPlanFolder scanned = scanPlanFolder(distDir, iniFileName);
  return makeInstallPlan(reading, scanned.folder, findings);
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
  std::string text = composeSettingsFile(settings, iniFileName);
  std::vector<FileFinding> placed;
  placed.reserve(findings.size());
  {
    const SettingsFile file = SettingsFile::fromText(text, iniFileName);
    for (const Finding& f : findings)
      placed.push_back(placeInFile(f, file, ItemNumbering::AsWritten));
    showSettingsFile(file, placed);
  }
  setUpTree();
  makePlan_ = [text = std::move(text), iniFileName, distDir = settings.distDir(),
               placed = std::move(placed)] { return planOf(text, iniFileName, distDir, placed); };
}

TFormPreview::~TFormPreview() {
  // The plan's thread reads the record and calls back: it ends first.
  if (plan_.valid() && plan_.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
    plan_.wait();
}

// The plan reads the folder and the size of every file it installs: on a
// long list that takes longer than the text. It is made once the window has
// been painted, on a thread of its own, so the text can be read meanwhile
// (where no thread can be started, at once); the tree takes it when it is
// ready. The window is modal: nothing changes the record while it is open.
bool TFormPreview::event(QEvent* event) {
  if (event->type() == QEvent::Paint && !planStarted_) {
    planStarted_ = true;
    QMetaObject::invokeMethod(
        this, [this] { startPlan(); }, Qt::QueuedConnection);
  }
  return QDialog::event(event);
}

void TFormPreview::startPlan() {
  plan_ = std::async(std::launch::async | std::launch::deferred, [this] {
    InstallPlan plan = makePlan_();
    QMetaObject::invokeMethod(
        this, [this] { showPlan(); }, Qt::QueuedConnection);
    return plan;
  });
  if (plan_.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) showPlan();
}

void TFormPreview::showSettingsFile(const SettingsFile& file,
                                    const std::vector<FileFinding>& findings) {
  // Lines as the file holds them, each of which ends in CR LF (the text
  // takes a CR LF as one break), in one fill.
  QString shown = fromSjis(file.reader().text());
  if (shown.endsWith(QStringLiteral("\r\n"))) shown.chop(2);
  ui_->MemoSettingsFile->setPlainText(shown);

  // Each finding on the line where the check of the file, once written,
  // places it.
  QMap<int, NumberedText::Mark> marks;
  std::size_t errors = 0;
  for (const FileFinding& f : findings) {
    const bool error = f.weight == Weight::Error;
    errors += error ? 1 : 0;
    const std::size_t line = f.line;
    if (line == 0) continue;
    NumberedText::Mark& mark = marks[static_cast<int>(line)];
    mark.error = mark.error || error;
    if (!mark.text.isEmpty()) mark.text += QLatin1Char('\n');
    mark.text += weightText(f.weight) + QStringLiteral("：") + fromUtf8(f.text);
  }
  ui_->MemoSettingsFile->setMarks(marks);
  ui_->LabelCounts->setText(fromUtf8(messages::ship::counts(errors, findings.size() - errors)));
}

void TFormPreview::setUpTree() {
  QTreeView* tree = ui_->TreePlan;
  tree->setModel(new PlanModel(tree->font(), *style(), tree));
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

void TFormPreview::showPlan() {
  if (!plan_.valid()) return;  // taken already
  QTreeView* tree = ui_->TreePlan;
  static_cast<PlanModel*>(tree->model())->setPlan(plan_.get());
  tree->expandAll();
}

}  // namespace velquin::ui
