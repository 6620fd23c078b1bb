#pragma once

// The main window's marks of what the check before shipping finds (the
// core's Checker, checker.h): each of its fields with findings shows a marker
// at its end whose tooltip they are, painted as the dialog paints its
// single-line fields (field_marker.h): the fields of the table the window
// holds (the application's name, the install window title, the settings
// file's name) and the program to distribute, which the checker checks
// against the folder it holds.
//
// The marks only paint what the checker reports. When the checker is given
// new files they go, and come again in the next pass of the event loop while
// the window is shown, or once a window the marks were told to wait for has
// been painted (the dialog that Details shows is painted before the check of
// a long list).

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

#include "settings/check/checker.h"
#include "ui/common/field_marker.h"

class QWidget;

namespace velquin::ui {

class MainMarks : public QObject, private CheckListener {
 public:
  // Marks the fields of `window` (found by their control names).
  MainMarks(Checker& checker, QWidget* window);
  ~MainMarks() override;

  // The marks, taken away by new files, come again once `window` has been
  // painted (or closed), not before.
  void markAfterPaintOf(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Edit {
    TextField field;
    FieldMarker marker;
  };

  // CheckListener
  void findingsChanged(FieldRef field) override;
  void findingsReset() override;

  void markSoon();
  void showAll();

  Checker& checker_;
  QWidget* window_;
  std::vector<Edit> edits_;
  std::optional<FieldMarker> program_;
  bool marking_ = false;
  QPointer<QWidget> waitFor_;  // the window whose paint brings the marks back
};

}  // namespace velquin::ui
