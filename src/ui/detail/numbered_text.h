#pragma once

// A read-only text with its line numbers in a margin at its left, and marks
// on lines: a line's background and number take the colour of its mark, and
// the mark's text is the line's tooltip.

#include <QColor>
#include <QMap>
#include <QPlainTextEdit>
#include <QString>

namespace velquin::ui {

class NumberedText : public QPlainTextEdit {
 public:
  explicit NumberedText(QWidget* parent = nullptr);

  struct Mark {
    bool error = false;  // red; else amber
    QString text;        // the tooltip
  };
  // Marks by line, counted from 1; replaces the marks before.
  void setMarks(QMap<int, Mark> marks);
  const QMap<int, Mark>& marks() const { return marks_; }

  int marginWidth() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  class Margin;
  void paintMargin(QPaintEvent* event);

  Margin* margin_;
  QMap<int, Mark> marks_;
};

}  // namespace velquin::ui
