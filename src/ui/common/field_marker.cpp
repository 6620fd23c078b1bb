#include "field_marker.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

#include "settings/text/messages.h"
#include "ui/common/text.h"

namespace velquin::ui {

QColor markColour(bool error) { return error ? QColor(Qt::red) : QColor(208, 128, 0); }

QString tipLine(Weight weight, std::string_view text) {
  return fromUtf8(weight == Weight::Error ? messages::ship::kError : messages::ship::kWarning) +
         QStringLiteral(": ") + fromUtf8(text);
}

void FieldMarker::show(bool error, const QString& tip) {
  if (tip.isEmpty()) {
    if (marker_) marker_->setVisible(false);
    return;
  }
  if (!marker_) marker_ = edit_->addAction(QIcon(), QLineEdit::TrailingPosition);
  marker_->setIcon(edit_->style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                      : QStyle::SP_MessageBoxWarning));
  marker_->setToolTip(tip);
  marker_->setVisible(true);
}

}  // namespace velquin::ui
