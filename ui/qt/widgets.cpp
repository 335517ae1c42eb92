// SPDX-License-Identifier: MIT
#include "ui/qt/widgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <utility>

#include "ui/qt/captions.h"
#include "ui/qt/page.h"
#include "ui/qt/pictures.h"

namespace tovimel {

WindowWidget::WindowWidget(Qt::WindowFlags flags) : QWidget(nullptr, flags) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    emit enterPressed();
    return;
  }
  QWidget::keyPressEvent(event);
}

void LabelWidget::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void BoxWidget::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  clicked_in_ = event->reason() == Qt::MouseFocusReason;
}

void BoxWidget::mousePressEvent(QMouseEvent* event) {
  if (!clicked_in_) {
    QLineEdit::mousePressEvent(event);
    return;
  }
  selectAll();
  event->accept();
}

void BoxWidget::mouseMoveEvent(QMouseEvent* event) {
  if (clicked_in_) {
    event->accept();
    return;
  }
  QLineEdit::mouseMoveEvent(event);
}

void BoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (clicked_in_) {
    clicked_in_ = false;
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void LabelWidget::paintEvent(QPaintEvent* event) {
  // An auto-size label is as wide as its text.
  if (!wordWrap()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const bool page = OnPage(painter);
  const Caption caption =
      FitCaption(text(), font(), contentsRect(), alignment(), true, painter.device());
  if (caption.as_designed && !page) {
    painter.end();
    QLabel::paintEvent(event);
    return;
  }
  QStyleOption option;
  option.initFrom(this);
  if (frameShape() != QFrame::NoFrame) {
    if (page) {
      PaintSunkenPanel(painter, rect(), option.palette);
    } else {
      drawFrame(&painter);
    }
  }
  painter.setPen(option.palette.color(foregroundRole()));
  PaintCaption(painter, caption);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  if (OnPage(painter)) {
    PaintButtonFace(painter, option);
  } else {
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
  }
  const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  // Access keys stay underlined, as the captions promise Alt+letter.
  style()->drawItemText(&painter, box, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap,
                        palette(), isEnabled(), caption, QPalette::ButtonText);
}

FrameWidget::FrameWidget(bool border, QWidget* parent) : QWidget(parent), border_(border) {}

void FrameWidget::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
  // Without a border neither frame nor caption is drawn; the background is the palette's.
  if (!border_) return;
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect outer = rect().adjusted(0, top, -2, -2);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(outer);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(outer.translated(1, 1));
  if (caption_.isEmpty()) return;
  const int pad = 2;
  QRect text(8, 0, metrics.horizontalAdvance(caption_) + 2 * pad, metrics.height());
  // The caption belongs to the window around the frame: a frame whose mathematics reads left to
  // right still has it at the right in a right-to-left window.
  const QWidget* around = parentWidget() ? parentWidget() : this;
  if (around->isRightToLeft()) text.moveRight(width() - 1 - 8);
  painter.fillRect(text, palette().color(QPalette::Window));
  style()->drawItemText(&painter, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), caption_, QPalette::WindowText);
}

PictureWidget::PictureWidget(const Control& image, QWidget* parent)
    : QWidget(parent), image_(image) {}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked(event->position().y());
  }
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintPicture(painter, image_, QRectF(rect()), palette().color(QPalette::WindowText));
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLine(const QLineF& line) {
  line_ = line;
  const double margin = kWidth;
  setGeometry(QRectF(line.p1(), line.p2())
                  .normalized()
                  .adjusted(-margin, -margin, margin, margin)
                  .toAlignedRect());
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::WindowText), kWidth, Qt::SolidLine, Qt::FlatCap));
  // Half a pixel moves an odd-width pen onto whole pixels, so level lines stay sharp.
  const QPointF offset = QPointF(0.5, 0.5) - QPointF(pos());
  painter.drawLine(line_.translated(offset));
}

OutlineWidget::OutlineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tovimel
