// SPDX-License-Identifier: MIT
#include "desktop/widgets/widgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QtMath>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "desktop/widgets/captions.h"
#include "desktop/widgets/look.h"
#include "desktop/widgets/page.h"
#include "desktop/widgets/pictures.h"

namespace tovimel {
namespace {

// The gap each side of a frame's caption over its edge.
constexpr int kCaptionPad = 2;

// The text flag that runs a caption in `direction`, whatever its first letter.
int Forced(Qt::LayoutDirection direction) {
  return direction == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
}

}  // namespace

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

BoxWidget::BoxWidget(QWidget* parent) : QLineEdit(parent), design_font_(font()) {
  connect(this, &QLineEdit::textChanged, this, &BoxWidget::fitText);
}

int BoxWidget::textRoom() const {
  // As QLineEdit measures it: its contents less the text margins and 2 pixels a side; the text
  // scrolls once it and the 1-pixel cursor are wider.
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                             .marginsRemoved(textMargins());
  constexpr int kMargin = 2, kCursor = 1;
  return contents.width() - 2 * kMargin - kCursor;
}

void BoxWidget::fitText() {
  QFont fitted = design_font_;
  const int design = design_font_.pixelSize();
  if (design > 0) {
    // Down to a size still readable; the numbers of these boxes fit long before it.
    constexpr int kSmallest = 6;
    for (int size = design; size >= kSmallest; --size) {
      fitted.setPixelSize(size);
      if (std::ceil(QFontMetricsF(fitted).horizontalAdvance(text())) <= textRoom()) break;
    }
  }
  if (fitted == font()) return;
  fitting_ = true;
  setFont(fitted);
  fitting_ = false;
}

void BoxWidget::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange && !fitting_) {
    design_font_ = font();
    fitText();
  }
}

void BoxWidget::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  fitText();
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

void LabelWidget::setRoom(int above, int below) {
  room_above_ = above;
  room_below_ = below;
  keepBox();
  setBackground(own_background_);
}

void LabelWidget::setInnerMargin(int margin) {
  inner_margin_ = margin;
  keepBox();
}

void LabelWidget::keepBox() {
  // The frame and contents keep to the box. Qt recomputes the margins when the style or frame
  // changes, taking a frame too small for its contents for none: set them again after it.
  if (room().isNull() && inner_margin_ == 0) return;
  const int edge = frameWidth(), side = edge + inner_margin_;
  setContentsMargins(room() + QMargins(side, edge, side, edge));
}

void LabelWidget::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  keepBox();
}

void LabelWidget::setBackground(bool own) {
  own_background_ = own;
  // With room around it, the label fills only what it uses.
  setAutoFillBackground(own && room().isNull());
  update();
}

std::pair<int, int> CaptionRoom(const Form& form, const Control& label) {
  const Props& p = label.props;
  const Control& holder =
      label.container.empty() ? form.controls().front() : form.control({label.container});
  // Letters of any script (UTF-8's lead and trail bytes are all above 127).
  const bool words = std::any_of(p.text.begin(), p.text.end(), [](char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte >= 0x80 || std::isalpha(byte);
  });
  if (label.kind != Kind::Label || label.look.auto_size || !words) return {0, 0};
  // A framed container's caption and edge are not room.
  const bool framed = holder.kind == Kind::Frame && holder.look.border;
  int over = framed ? QFontMetrics(DefaultFont()).height() : 0;
  int under = Px(holder.props.height) - (framed ? 2 : 0);
  const int top = Px(p.top), bottom = Px(p.top) + Px(p.height);
  const int left = Px(p.left), right = Px(p.left) + Px(p.width);
  for (const Control& c : form.controls()) {
    if (&c == &label || c.container != label.container || c.kind == Kind::Window ||
        c.kind == Kind::Timer || c.kind == Kind::Shape) {
      continue;
    }
    const Props& q = c.props;
    QRect r = PxRect(q);
    if (c.kind == Kind::Line) {
      r = QRectF(QPointF(q.x1, q.y1) / kTwipsPerPixel, QPointF(q.x2, q.y2) / kTwipsPerPixel)
              .normalized()
              .toAlignedRect();
    }
    if (r.x() >= right || r.x() + r.width() <= left) continue;
    // One that overlaps the label's own box ends the room on the side it reaches out of; one
    // that spans it from above to below (the key beside the level caption) leaves it.
    const int r_top = r.y(), r_bottom = r.y() + r.height();
    if (r_bottom <= top) {
      over = std::max(over, r_bottom);
    } else if (r_top >= bottom) {
      under = std::min(under, r_top);
    } else if (r_top > top) {
      under = std::min(under, bottom);
    } else if (r_bottom < bottom) {
      over = std::max(over, top);
    }
  }
  constexpr int kGap = 2;
  return {std::max(0, top - over - kGap), std::max(0, under - bottom - kGap)};
}

Caption LabelWidget::laidOut(const QPaintDevice* device) const {
  if (one_line_) {
    return FitCaption(text(), font(), contentsRect(), alignment(), true, device, {},
                      {layoutDirection(), kOneLineFloor});
  }
  return FitCaption(text(), font(), contentsRect(), alignment(), true, device,
                    QRectF(rect()).adjusted(0, frameWidth(), 0, -frameWidth()),
                    {layoutDirection()});
}

void LabelWidget::paintEvent(QPaintEvent* event) {
  // An auto-size label is as wide as its text.
  if (!wordWrap()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const bool page = OnPage(painter);
  const Caption caption = laidOut(painter.device());
  // The box, or as far as the caption spreads into the room around it.
  QRect used = frameRect();
  if (caption.spread && !caption.lines.empty()) {
    const QFontMetricsF metrics(caption.font, painter.device());
    const double top = caption.lines.front().origin.y() - metrics.ascent();
    const double bottom = caption.lines.back().origin.y() + metrics.descent();
    used |= QRectF(0, top, width(), bottom - top)
                .toAlignedRect()
                .adjusted(0, -frameWidth(), 0, frameWidth());
    used &= rect();
  }
  if (own_background_ && !room().isNull()) {
    painter.fillRect(used, palette().color(backgroundRole()));
  }
  // QLabel runs a caption the way its first letter does; a right-to-left window's caption that
  // starts with Latin ("#ID") must still run right to left.
  const auto own = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
  if (caption.as_designed && !page && caption.direction == own) {
    painter.end();
    QLabel::paintEvent(event);
    return;
  }
  QStyleOption option;
  option.initFrom(this);
  if (frameShape() != QFrame::NoFrame) {
    if (page || used != frameRect()) {
      PaintSunkenPanel(painter, used, option.palette);
    } else {
      drawFrame(&painter);
    }
  }
  painter.setPen(option.palette.color(foregroundRole()));
  PaintCaption(painter, caption);
}

Caption ButtonWidget::laidOut(const QPaintDevice* device, qsizetype* key) const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  // Without its access-key marks ("&&" is a plain "&").
  const QString& caption = option.text;
  QString plain;
  qsizetype marked = -1;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != u'&' && marked < 0) marked = plain.size();
    }
    plain += caption[i];
  }
  if (key) *key = marked;
  Caption fitted =
      FitCaption(plain, font(), box, Qt::AlignHCenter, true, device, {}, {layoutDirection()});
  if (fitted.as_designed || fitted.lines.empty()) return fitted;
  // Smaller or on more lines: in the middle of the button.
  const QFontMetricsF metrics(fitted.font, device);
  const double block =
      static_cast<double>(fitted.lines.size() - 1) * metrics.lineSpacing() + metrics.height();
  const double shift =
      box.top() + (box.height() - block) / 2 - (fitted.lines.front().origin.y() - metrics.ascent());
  for (CaptionLine& line : fitted.lines) line.origin.ry() += shift;
  return fitted;
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
  qsizetype key = -1;
  const Caption shown = laidOut(painter.device(), &key);
  if (shown.as_designed) {
    // Access keys stay underlined, as the captions promise Alt+letter.
    const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    style()->drawItemText(
        &painter, box,
        Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap | Forced(shown.direction),
        palette(), isEnabled(), caption, QPalette::ButtonText);
    return;
  }
  // Smaller or on more lines, the key still underlined.
  const QFontMetricsF metrics(shown.font, painter.device());
  painter.setPen(option.palette.color(QPalette::ButtonText));
  PaintCaption(painter, shown);
  for (const CaptionLine& line : shown.lines) {
    const qsizetype at = key - line.start;
    if (key < 0 || at < 0 || at >= line.text.size() || shown.elided) continue;
    const double x = line.origin.x() + metrics.horizontalAdvance(line.text.left(at));
    const double w = metrics.horizontalAdvance(line.text.mid(at, 1));
    painter.fillRect(
        QRectF(x, line.origin.y() + metrics.underlinePos(), w, std::max(1.0, metrics.lineWidth())),
        option.palette.color(QPalette::ButtonText));
  }
}

FrameWidget::FrameWidget(bool border, QWidget* parent) : QWidget(parent), border_(border) {}

void FrameWidget::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

Caption FrameWidget::laidOut(const QPaintDevice* device) const {
  // From 8 pixels in, with a gap either side, short of the frame's right edge.
  const QFontMetricsF metrics(font(), device);
  const QRectF box(8 + kCaptionPad, 0, width() - 8 - 2 * kCaptionPad - 2, metrics.height());
  // A frame whose contents read left to right still captions in the window's direction.
  const QWidget* around = parentWidget() ? parentWidget() : this;
  return FitCaption(caption_, font(), box, Qt::AlignLeft, true, device, {},
                    {around->layoutDirection()});
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
  const Caption fitted = laidOut(painter.device());
  if (fitted.lines.empty()) return;
  const int wide =
      fitted.as_designed ? metrics.horizontalAdvance(caption_) : qCeil(fitted.lines.front().width);
  QRect text(8, 0, wide + 2 * kCaptionPad, metrics.height());
  // The caption belongs to the window around the frame: a frame whose mathematics reads left to
  // right still has it at the right in a right-to-left window.
  const QWidget* around = parentWidget() ? parentWidget() : this;
  if (around->isRightToLeft()) text.moveRight(width() - 1 - 8);
  painter.fillRect(text, palette().color(QPalette::Window));
  if (fitted.as_designed) {
    style()->drawItemText(&painter, text,
                          Qt::AlignCenter | Qt::TextShowMnemonic | Forced(fitted.direction),
                          palette(), isEnabled(), caption_, QPalette::WindowText);
    return;
  }
  painter.setPen(palette().color(QPalette::WindowText));
  painter.translate(text.left() - 8, 0);  // laid out from the left edge
  PaintCaption(painter, fitted);
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
