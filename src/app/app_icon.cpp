#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velquin::app {

QPixmap appIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);  // drawn on a grid of 32 × 32

  // The carton.
  QLinearGradient carton(0, 8, 0, 31);
  carton.setColorAt(0, QColor(214, 160, 92));
  carton.setColorAt(1, QColor(160, 104, 44));
  p.setPen(QPen(QColor(104, 64, 24), 1));
  p.setBrush(carton);
  p.drawRoundedRect(QRectF(2.5, 12.5, 27, 18), 2, 2);
  p.drawLine(QPointF(2.5, 17.5), QPointF(29.5, 17.5));

  // The settings sheet standing in it, with its folded corner and lines.
  QPainterPath sheet;
  sheet.moveTo(7.5, 1.5);
  sheet.lineTo(19.5, 1.5);
  sheet.lineTo(24.5, 6.5);
  sheet.lineTo(24.5, 22.5);
  sheet.lineTo(7.5, 22.5);
  sheet.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  p.drawLine(QPointF(19.5, 1.5), QPointF(19.5, 6.5));
  p.drawLine(QPointF(19.5, 6.5), QPointF(24.5, 6.5));
  p.setPen(QPen(QColor(128, 0, 0), 1.5));
  for (qreal y : {6.0, 10.0, 14.0}) p.drawLine(QPointF(10, y), QPointF(y < 7 ? 17 : 22, y));

  // The front of the carton over the sheet, and the red arrow of installing.
  p.setPen(QPen(QColor(104, 64, 24), 1));
  p.setBrush(carton);
  p.drawRoundedRect(QRectF(2.5, 17.5, 27, 13), 2, 2);
  QPainterPath arrow;
  arrow.moveTo(13, 19);
  arrow.lineTo(19, 19);
  arrow.lineTo(19, 23);
  arrow.lineTo(23, 23);
  arrow.lineTo(16, 30);
  arrow.lineTo(9, 23);
  arrow.lineTo(13, 23);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(140, 0, 0), 1));
  p.setBrush(QColor(230, 30, 30));
  p.drawPath(arrow);
  p.end();
  return pixmap;
}

QIcon appIcon() {
  QIcon icon;
  for (int size : kAppIconSizes) icon.addPixmap(appIconPixmap(size));
  return icon;
}

}  // namespace velquin::app
