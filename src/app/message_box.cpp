#include "message_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app_texts.h"
#include "ui/common/app_title.h"
#include "ui/common/text.h"

namespace velquin::app {

using Answer = UserPrompts::Answer;

namespace {

QScreen* screenFor(const QWidget* parent) {
  if (parent && parent->screen()) return parent->screen();
  return QGuiApplication::primaryScreen();
}

}  // namespace

MessageBox::MessageBox(BoxKind kind, const QString& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("MessageBox"));
  setWindowTitle(kind == BoxKind::Confirmation ? ui::fromUtf8(texts::kConfirmationTitle)
                                               : ui::appTitle());
  setModal(true);

  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  if (kind != BoxKind::Information) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Icon"));
    const auto pixmap = kind == BoxKind::Confirmation ? QStyle::SP_MessageBoxQuestion
                                                      : QStyle::SP_MessageBoxCritical;
    icon->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon, 0, Qt::AlignTop);
  }
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("Text"));
  text->setTextFormat(Qt::PlainText);
  text->setText(message);
  text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  fitText(text, screenFor(parent)->geometry().width() / 2);
  top->addWidget(text, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const auto addButton = [&](const char* name, std::string_view caption, Answer a) {
    auto* b = new QPushButton(ui::fromUtf8(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(75);
    connect(b, &QPushButton::clicked, this, [this, a] { answer(a); });
    buttons->addWidget(b);
    return b;
  };
  QPushButton* first = nullptr;
  if (kind == BoxKind::Confirmation) {
    first = addButton("ButtonYes", texts::kYes, Answer::Yes);
    addButton("ButtonNo", texts::kNo, Answer::No);
    addButton("ButtonCancel", texts::kCancel, Answer::Cancel);
  } else {
    first = addButton("ButtonOK", texts::kOk, Answer::Yes);
    answer_ = Answer::Yes;  // Esc and closing answer OK too
  }
  buttons->addStretch(1);
  first->setDefault(true);
  first->setFocus();

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->setSpacing(16);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

void MessageBox::fitText(QLabel* text, int widthLimit) {
  // A text that fits stays on its own lines; a longer one wraps at the limit.
  if (text->sizeHint().width() <= widthLimit) return;
  text->setWordWrap(true);
  text->setFixedWidth(widthLimit);
}

void MessageBox::answer(Answer a) {
  answer_ = a;
  accept();
}

Answer MessageBox::ask() {
  layout()->activate();
  adjustSize();
  const QRect screen = screenFor(parentWidget())->availableGeometry();
  move(screen.center() - QPoint(width() / 2, height() / 2));
  exec();
  return answer_;
}

}  // namespace velquin::app
