#include "numbered_text.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>

namespace velquin::ui {
namespace {

QColor markColour(bool error) { return error ? QColor(Qt::red) : QColor(208, 128, 0); }
QColor lineColour(bool error) { return error ? QColor(255, 228, 228) : QColor(255, 241, 214); }

}  // namespace

class NumberedText::Margin : public QWidget {
 public:
  explicit Margin(NumberedText* text) : QWidget(text), text_(text) {}

 protected:
  void paintEvent(QPaintEvent* event) override { text_->paintMargin(event); }

 private:
  NumberedText* text_;
};

NumberedText::NumberedText(QWidget* parent) : QPlainTextEdit(parent), margin_(new Margin(this)) {
  setReadOnly(true);
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  connect(this, &QPlainTextEdit::blockCountChanged, this,
          [this] { setViewportMargins(marginWidth(), 0, 0, 0); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      margin_->scroll(0, dy);
    } else {
      margin_->update(0, rect.y(), margin_->width(), rect.height());
    }
  });
  setViewportMargins(marginWidth(), 0, 0, 0);
}

int NumberedText::marginWidth() const {
  const int digits = static_cast<int>(QString::number(qMax(1, blockCount())).size());
  return 12 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(2, digits);
}

void NumberedText::setMarks(QMap<int, Mark> marks) {
  marks_ = std::move(marks);
  QList<QTextEdit::ExtraSelection> lines;
  for (auto it = marks_.cbegin(); it != marks_.cend(); ++it) {
    const QTextBlock block = document()->findBlockByNumber(it.key() - 1);
    if (!block.isValid()) continue;
    QTextEdit::ExtraSelection line;
    line.cursor = QTextCursor(block);
    line.format.setBackground(lineColour(it->error));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    lines << line;
  }
  setExtraSelections(lines);
  margin_->update();
}

void NumberedText::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  margin_->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

bool NumberedText::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = viewport()->mapFrom(this, help->pos());
    const int line = cursorForPosition(at).blockNumber() + 1;
    if (marks_.contains(line) && viewport()->rect().contains(at)) {
      QToolTip::showText(help->globalPos(), marks_[line].text, this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QPlainTextEdit::event(event);
}

void NumberedText::paintMargin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), palette().window());
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  const int width = margin_->width() - 6;
  const int height = fontMetrics().height();
  while (block.isValid() && top <= event->rect().bottom()) {
    const int bottom = top + qRound(blockBoundingRect(block).height());
    if (block.isVisible() && bottom >= event->rect().top()) {
      const int line = block.blockNumber() + 1;
      QFont font = this->font();
      if (marks_.contains(line)) {
        painter.setPen(markColour(marks_[line].error));
        font.setBold(true);
      } else {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
      }
      painter.setFont(font);
      painter.drawText(0, top, width, height, Qt::AlignRight, QString::number(line));
    }
    block = block.next();
    top = bottom;
  }
}

}  // namespace velquin::ui
