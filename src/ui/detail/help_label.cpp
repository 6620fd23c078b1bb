#include "help_label.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace velquin::ui {

void HelpLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
  painter.setPen(palette().color(group, QPalette::WindowText));
  layoutLines(width(), &painter);
}

int HelpLabel::layoutLines(int width, QPainter* painter) const {
  const int step = QFontInfo(font()).pixelSize();
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  int y = 0;
  int lines = 0;
  for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
    QTextLayout layout(paragraph, font());
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0, y));
      y += step;
      ++lines;
    }
    layout.endLayout();
    if (painter) layout.draw(painter, QPointF(0, 0));
  }
  if (lines == 0) return 0;
  // The last line keeps room for its descenders.
  return y + QFontMetrics(font()).height() - step;
}

}  // namespace velquin::ui
