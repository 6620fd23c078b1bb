// The field table against both windows: each row is bound to exactly one
// control of its kind, no editing control is left out of the table, and a
// label that names its field says what the tool's messages say.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "main_window_fixture.h"
#include "ui/common/text.h"

namespace velquin::test {
namespace {

using ui::fromUtf8;

TEST_F(MainWindowTest, EveryRowOfTheTableIsBoundToOneControlOfItsKind) {
  const auto one = [&](std::string_view name) -> QWidget* {
    const QList<QWidget*> found = form.findChildren<QWidget*>(fromUtf8(name));
    EXPECT_EQ(found.size(), 1) << name;
    return found.value(0);
  };
  for (const FieldInfo& info : kFields) {
    SCOPED_TRACE(std::string(info.control));
    const FieldRef f = info.field;
    QWidget* control = f.kind == FieldKind::Choice ? nullptr : one(info.control);
    // Each control shows the value the record takes: it is bound.
    switch (f.kind) {
      case FieldKind::Text: {
        auto* edit = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(edit, nullptr);
        settings.setText(f.text(), "bound");
        EXPECT_EQ(edit->text(), QStringLiteral("bound"));
        break;
      }
      case FieldKind::Lines: {
        auto* memo = qobject_cast<QPlainTextEdit*>(control);
        ASSERT_NE(memo, nullptr);
        settings.setLines(f.list(), {"bound"});
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("bound\n"));
        break;
      }
      case FieldKind::Index: {
        auto* box = qobject_cast<QGroupBox*>(control);
        ASSERT_NE(box, nullptr);
        const auto items = box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(items.size(), info.itemCount);
        settings.setIndex(f.index(), info.itemCount - 1);
        EXPECT_TRUE(items.back()->isChecked());
        break;
      }
      case FieldKind::Choice:
        for (const OptionInfo& o : kOptions) {
          if (o.choice != f.choice()) continue;
          auto* button = qobject_cast<QRadioButton*>(one(o.control));
          ASSERT_NE(button, nullptr) << o.control;
          settings.select(o.option);
          EXPECT_TRUE(button->isChecked()) << o.control;
        }
        break;
      case FieldKind::Check: {
        auto* box = qobject_cast<QCheckBox*>(control);
        ASSERT_NE(box, nullptr);
        settings.setChecked(f.check(), !info.startChecked);
        EXPECT_EQ(box->isChecked(), !info.startChecked);
        break;
      }
    }
  }
}

TEST_F(MainWindowTest, NoEditingControlIsMissingFromTheTable) {
  QStringList known{QStringLiteral("EditProgram")};
  for (const FieldInfo& info : kFields) known << fromUtf8(info.control);
  for (const OptionInfo& o : kOptions) known << fromUtf8(o.control);
  QStringList unknown;
  for (QWidget* w : form.findChildren<QWidget*>()) {
    if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
        !qobject_cast<QRadioButton*>(w) && !qobject_cast<QCheckBox*>(w) &&
        !qobject_cast<QGroupBox*>(w))
      continue;
    // A radio group's items belong to the group's row.
    const bool item = qobject_cast<QRadioButton*>(w) && qobject_cast<QGroupBox*>(w->parent()) &&
                      known.contains(w->parent()->objectName());
    if (!item && !known.contains(w->objectName())) unknown << w->objectName();
  }
  EXPECT_TRUE(unknown.isEmpty()) << unknown.join(u' ').toStdString();
}

// Messages name a field by its caption; where the field's label names it (a
// label, not a sentence of help), the label starts with the same words.
TEST_F(MainWindowTest, LabelsThatNameAFieldSayItsCaption) {
  int compared = 0;
  for (const FieldInfo& info : kFields) {
    if (info.caption.empty()) continue;
    QWidget* control = form.findChild<QWidget*>(fromUtf8(info.control));
    for (QLabel* label : form.findChildren<QLabel*>()) {
      if (label->buddy() != control || label->text().isEmpty() ||
          label->text().endsWith(QStringLiteral("。")))
        continue;
      EXPECT_TRUE(label->text().startsWith(fromUtf8(info.caption)))
          << label->objectName().toStdString() << ": " << label->text().toStdString();
      ++compared;
    }
  }
  EXPECT_GE(compared, 11);
}

}  // namespace
}  // namespace velquin::test
