#pragma once

// How both windows paint what the check before shipping finds (checker.h):
// the colour of a mark, red for an error and amber for warnings only; the
// findings as a tooltip, one a line with its weight first; and the marker of
// a single-line field, an icon at its end whose tooltip its findings are.
// The marks paint what the checker reports and decide nothing.

#include <QColor>
#include <QString>
#include <algorithm>
#include <string_view>
#include <vector>

#include "settings/check/ship_check.h"

class QAction;
class QLineEdit;

namespace velquin::ui {

QColor markColour(bool error);

// A finding as a line of a tooltip.
QString tipLine(Weight weight, std::string_view text);

// Findings of a field, a line or the program to distribute.
template <class Found>
bool hasError(const std::vector<Found>& found) {
  return std::any_of(found.begin(), found.end(),
                     [](const Found& f) { return f.weight == Weight::Error; });
}
template <class Found>
QString tipOf(const std::vector<Found>& found) {
  QStringList lines;
  for (const Found& f : found) lines << tipLine(f.weight, f.text);
  return lines.join(u'\n');
}

class FieldMarker {
 public:
  explicit FieldMarker(QLineEdit* edit) : edit_(edit) {}

  // The marker of these findings, or none when there are none.
  template <class Found>
  void show(const std::vector<Found>& found) {
    show(hasError(found), tipOf(found));
  }

 private:
  void show(bool error, const QString& tip);  // an empty tip hides it

  QLineEdit* edit_;
  QAction* marker_ = nullptr;  // made when first shown
};

}  // namespace velquin::ui
