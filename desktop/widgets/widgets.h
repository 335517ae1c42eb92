// SPDX-License-Identifier: MIT
// The few widgets Qt lacks for these windows: top-level window, clickable label, wrapping
// button, frame, picture, line and outline.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <string>
#include <utility>

#include "desktop/widgets/captions.h"
#include "windows/form.h"

namespace tovimel {

class WindowWidget final : public QWidget {
  Q_OBJECT
 public:
  explicit WindowWidget(Qt::WindowFlags flags);

 signals:
  // The window system asks to close; the window stays until the model decides.
  void closeRequested();
  void enterPressed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A caption too long for a fixed label is drawn whole in a smaller size, or on more lines in
// the room the design leaves around it (see captions.h). A label that takes the focus is clicked
// by Enter and Space, as a button is.
class LabelWidget final : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  // As a click of the mouse: for assistive technology's Press action.
  void click() { emit clicked(); }
  // Pixels above and below the label's box that its caption may take; the widget covers them,
  // its frame and contents stay the box.
  void setRoom(int above, int below);
  // Whether the label fills its background (its box, or as far as its caption spreads).
  void setBackground(bool own);
  bool ownBackground() const { return own_background_; }
  QMargins room() const { return {0, room_above_, 0, room_below_}; }
  // Pixels kept free between the caption and the box's left and right edges (inside its frame).
  void setInnerMargin(int margin);
  // A caption that never takes a second line: it shrinks further instead (see captions.h).
  void setOneLine(bool one) { one_line_ = one; }
  // The caption as this label draws it on `device` (nullptr: the screen), in the label's
  // direction.
  Caption laidOut(const QPaintDevice* device = nullptr) const;

 signals:
  void clicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void keepBox();
  int room_above_ = 0, room_below_ = 0;
  bool own_background_ = false;
  bool one_line_ = false;
  int inner_margin_ = 0;
};

// The room a label whose box one sees (a border or a background of its own) keeps between its
// caption and the box's sides.
inline constexpr int kInnerMargin = 2;

// The room above and below a caption label in pixels: the free height between it and the
// nearest controls over and under it in its container, less a 2-pixel gap. Captions are the
// labels designed with words; those with numbers or the student's data keep to their boxes.
std::pair<int, int> CaptionRoom(const Form& form, const Control& label);

// A text box that a click focuses keeps its whole text selected, as Tab leaves it: typing then
// replaces it, where the click would have put the caret where it landed. A text wider than the
// box is drawn in a smaller size, so that it stays whole instead of scrolling out of sight.
class BoxWidget final : public QLineEdit {
  Q_OBJECT
 public:
  explicit BoxWidget(QWidget* parent = nullptr);
  // The size the box was given; font() is smaller while the text needs it.
  const QFont& designFont() const { return design_font_; }
  // Pixels the text may take without scrolling.
  int textRoom() const;
  // Sets the font to the largest size, up to the design's, that shows the whole text.
  void fitText();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool clicked_in_ = false;  // from the focusing press to its release
  bool fitting_ = false;     // the font change is fitText's own
  QFont design_font_;
};

// Long captions wrap onto further lines, as "Print Results" needs in its narrow button, and fit
// the button as a label's do (see captions.h).
class ButtonWidget final : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
  // The caption as this button draws it, without its access-key mark; `key` (if given) is where
  // the marked letter stands in it, -1 for none.
  Caption laidOut(const QPaintDevice* device = nullptr, qsizetype* key = nullptr) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class FrameWidget final : public QWidget {
  Q_OBJECT
 public:
  FrameWidget(bool border, QWidget* parent);
  void setCaption(const QString& caption);
  const QString& caption() const { return caption_; }
  // The caption as the frame draws it over its top edge, fitted as a label's is.
  Caption laidOut(const QPaintDevice* device = nullptr) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool border_;
  QString caption_;
};

class PictureWidget final : public QWidget {
  Q_OBJECT
 public:
  // Shows what the image control `image` shows.
  PictureWidget(const Control& image, QWidget* parent);

 signals:
  // A left click, at a height in pixels from the top.
  void clicked(double y);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Control image_;
};

// A 3-pixel line between two points given in the container's coordinates; the widget covers
// just the line's bounding box.
class LineWidget final : public QWidget {
  Q_OBJECT
 public:
  static constexpr double kWidth = 3.0;
  explicit LineWidget(QWidget* parent);
  void setLine(const QLineF& line);
  QLineF line() const { return line_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLineF line_;
};

class OutlineWidget final : public QWidget {
  Q_OBJECT
 public:
  explicit OutlineWidget(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tovimel
