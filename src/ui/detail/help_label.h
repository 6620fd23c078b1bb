#pragma once

#include <QLabel>

class QPainter;

namespace velquin::ui {

// A help label of the detailed-settings dialog (in form2.ui a QLabel promoted
// to this class): it wraps its text at its width and grows downward. Its
// lines stand one character height apart, with no extra leading: the long
// help texts of the dialog are laid out for that spacing and would otherwise
// run into the control below them.
class HelpLabel : public QLabel {
 public:
  using QLabel::QLabel;

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return layoutLines(width, nullptr); }
  QSize sizeHint() const override { return {width(), heightForWidth(width())}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Lays the text out at `width`; draws it when given a painter. Returns the
  // height the text takes.
  int layoutLines(int width, QPainter* painter) const;
};

}  // namespace velquin::ui
