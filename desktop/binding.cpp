// SPDX-License-Identifier: MIT
#include "desktop/binding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QFocusFrame>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>

#include "desktop/accessibility.h"
#include "desktop/placement.h"
#include "desktop/ticker.h"
#include "desktop/translations.h"
#include "desktop/widgets/colours.h"
#include "desktop/widgets/ink.h"
#include "desktop/widgets/look.h"
#include "desktop/widgets/pictures.h"
#include "desktop/widgets/widgets.h"
#include "windows/accessibility.h"
#include "windows/layouts.h"

namespace tovimel {
namespace {

class Applying {
 public:
  explicit Applying(int& depth) : depth_(depth) { ++depth_; }
  ~Applying() { --depth_; }
  Applying(const Applying&) = delete;
  Applying& operator=(const Applying&) = delete;

 private:
  int& depth_;
};

// The widget behind a slot's typed pointer; nullptr for a timer.
template <class Variant>
QWidget* AsWidget(const Variant& typed) {
  return std::visit(
      [](auto* w) -> QWidget* {
        if constexpr (std::is_base_of_v<QWidget, std::remove_pointer_t<decltype(w)>>) {
          return w;
        } else {
          return nullptr;
        }
      },
      typed);
}

bool TakesFocus(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::Button || kind == Kind::Option ||
         kind == Kind::ScrollBar;
}

// Left and right as the widget's direction has them. Absolute, because Qt would otherwise
// mirror a label's alignment by its text's direction rather than the window's.
Qt::Alignment Horizontal(Align a, const QWidget& w) {
  const bool mirrored = w.isRightToLeft();
  switch (a) {
    case Align::Center:
      return Qt::AlignHCenter;
    case Align::Right:
      return (mirrored ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute;
    case Align::Left:
      break;
  }
  return (mirrored ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
}

// A right-to-left container holds its controls mirrored: each x becomes the container's width
// less the control's right edge. Qt itself mirrors only what its layouts place, never a fixed
// geometry.
bool Mirrored(const QWidget& w) {
  const QWidget* parent = w.parentWidget();
  return parent && !w.isWindow() && parent->isRightToLeft();
}

QRect Placed(const QWidget& w, QRect r) {
  if (Mirrored(w)) r.moveLeft(w.parentWidget()->width() - r.x() - r.width());
  return r;
}

// A widget's box from the layout; a label's takes the room it may spread its caption into.
template <typename W>
QRect DesignBox(const W& w, const Props& p) {
  QRect box = PxRect(p);
  if constexpr (std::is_same_v<W, LabelWidget>) box = box.marginsAdded(w.room());
  return box;
}

QLineF Placed(const QWidget& w, QLineF line) {
  if (Mirrored(w)) {
    const double width = w.parentWidget()->width();
    line.setLine(width - line.x1(), line.y1(), width - line.x2(), line.y2());
  }
  return line;
}

// (start, length) of a line edit's selection, or (cursor, 0) when nothing is selected.
std::pair<int, int> WidgetSelection(const QLineEdit& edit) {
  if (edit.hasSelectedText()) {
    return {edit.selectionStart(), static_cast<int>(edit.selectedText().size())};
  }
  return {edit.cursorPosition(), 0};
}

}  // namespace

WindowBinding::WindowBinding(Form& form, Frame frame) : form_(form), frame_(frame) {
  InstallTranslationHook();
  InstallAccessibleInterfaces();
  build();
  form_.setMeasure([](const Control& c) {
    const QFontMetrics metrics(FontFor(c));
    const int border = c.look.border ? 4 : 0;  // the sunken edge, two pixels a side
    const int w = metrics.horizontalAdvance(ToQString(ShownText(c))) + border;
    const int h = metrics.height() + border;
    return std::pair<int, int>(static_cast<int>(w * kTwipsPerPixel),
                               static_cast<int>(h * kTwipsPerPixel));
  });
  form_.setInkMeasure(
      [this](const Control& c) { return MeasureInk(c, window_->devicePixelRatioF()); });
  observer_ = form_.observe([this](const Control& c, Change what) { onModel(c, what); });
  std::vector<QWidget*> widgets;
  for (const Slot& slot : slots_) widgets.push_back(slot.widget);
  accessible_ =
      std::make_unique<AccessibleMirror>(form_, std::move(widgets), frame_ == Frame::Borderless);
  if (const auto exit = EscapePresses(form_)) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
    connect(escape, &QShortcut::activated, this, [this, id = *exit] { press(id); });
  }
  if (const auto problem = SayAgainPresses(form_)) {
    auto* again = new QShortcut(QKeySequence(Qt::Key_F2), window_.get());
    connect(again, &QShortcut::activated, this, [this, id = *problem] { press(id); });
  }
}

WindowBinding::~WindowBinding() {
  accessible_.reset();
  form_.unobserve(observer_);
  form_.setMeasure({});
  form_.setInkMeasure({});
  ++applying_;  // widgets going away must not reach the model
  window_.reset();
}

QWidget* WindowBinding::window() const {
  return window_.get();
}

QWidget* WindowBinding::widget(ControlId id) const {
  return slots_[indexOf(form_.control(id))].widget;
}

Ticker* WindowBinding::timer(ControlId id) const {
  const Slot& slot = slots_[indexOf(form_.control(id))];
  return std::holds_alternative<Ticker*>(slot.typed) ? std::get<Ticker*>(slot.typed) : nullptr;
}

int WindowBinding::indexOf(const Control& c) const {
  return static_cast<int>(&c - form_.controls().data());
}

const Control* WindowBinding::controlOf(const QObject* widget) const {
  const auto it = by_widget_.find(widget);
  return it == by_widget_.end() ? nullptr : &form_.controls()[it->second];
}

void WindowBinding::build() {
  const Applying guard(applying_);
  const auto& controls = form_.controls();
  Qt::WindowFlags flags = Qt::Window;
  if (frame_ == Frame::Borderless) {
    // A dialog, tied to its owner by stayAbove(): the type of window that desktops keep over
    // its owner and out of the task bar.
    flags = Qt::Dialog | Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  }
  window_ = std::make_unique<WindowWidget>(flags);
  window_->setObjectName(ToQString(form_.window().key()));
  window_->setAutoFillBackground(true);
  if (frame_ == Frame::Titled) window_->setWindowIcon(RadicalIcon());
  // Set before the children exist, so they inherit it without a second font pass.
  window_->setFont(DefaultFont());
  connect(window_.get(), &WindowWidget::closeRequested, this, [this] { form_.requestClose(); });
  connect(window_.get(), &WindowWidget::enterPressed, this, &WindowBinding::enter);

  options_ = new QButtonGroup(window_.get());
  options_->setExclusive(true);
  connect(options_, &QButtonGroup::idClicked, this, &WindowBinding::optionClicked);

  slots_.resize(controls.size());
  slots_[0].typed = window_.get();
  slots_[0].widget = window_.get();
  by_widget_[window_.get()] = 0;
  for (std::size_t i = 1; i < controls.size(); ++i) {
    const Control& c = controls[i];
    QWidget* parent =
        c.container.empty() ? window_.get() : slots_[indexOf(form_.control({c.container}))].widget;
    Slot& slot = slots_[i];
    slot.typed = create(c, parent);
    if (auto* const* ticker = std::get_if<Ticker*>(&slot.typed)) {
      (*ticker)->setObjectName(ToQString(c.key()));
      continue;
    }
    QWidget* w = AsWidget(slot.typed);
    w->setObjectName(ToQString(c.key()));
    // Controls in the default font inherit it; resolving a font per widget is a large part
    // of the start-up time.
    if (!c.look.font_family.empty()) w->setFont(FontFor(c));
    w->setFocusPolicy(TakesFocus(c.kind) && c.look.tab_index >= 0 ? Qt::StrongFocus : Qt::NoFocus);
    if (TakesFocus(c.kind) || c.look.clickable) w->installEventFilter(this);
    if (c.look.clickable) clickable_.push_back(static_cast<int>(i));
    slot.widget = w;
    by_widget_[w] = static_cast<int>(i);
  }
  for (const Control& c : controls) apply(c, true);
  orderFocus();
  // A translation loaded later, or a test, may turn the application's direction.
  window_->installEventFilter(this);
}

void WindowBinding::mirror() {
  const Applying guard(applying_);
  for (const Control& c : form_.controls()) {
    std::visit(
        [&](auto* w) {
          using W = std::remove_pointer_t<decltype(w)>;
          if constexpr (std::is_same_v<W, LineWidget>) {
            applyContent(*w, c, Changes{c.props, c.props, true});
          } else if constexpr (std::is_base_of_v<QWidget, W> && !std::is_same_v<W, WindowWidget>) {
            w->setGeometry(Placed(*w, DesignBox(*w, c.props)));
            align(*w, c);
            w->update();  // a frame's caption changes sides where the frame stays
          }
        },
        slots_[indexOf(c)].typed);
  }
}

void WindowBinding::align(QWidget& w, const Control& c) {
  if (auto* label = qobject_cast<QLabel*>(&w)) {
    label->setAlignment(Horizontal(c.look.align, w) | Qt::AlignTop);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
    edit->setAlignment(Horizontal(c.look.align, w) | Qt::AlignVCenter);
  }
}

WindowBinding::Widget WindowBinding::create(const Control& c, QWidget* parent) {
  const int i = indexOf(c);
  switch (c.kind) {
    case Kind::Label: {
      auto* label = new LabelWidget(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(!c.look.auto_size);
      // Qt would indent a framed label's text by half an "x", pushing it down out of sight.
      label->setIndent(0);
      if (c.look.border) {
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      }
      label->setOneLine(c.look.one_line);
      // A caption in a box one sees keeps off its sides; the student's data keeps every pixel
      // for the letters it may have to cut.
      const auto& window_back = form_.window().props.back;
      if (c.look.translated && !c.look.auto_size &&
          (c.look.border || (c.props.back && c.props.back != window_back))) {
        label->setInnerMargin(kInnerMargin);
      }
      const auto [above, below] = c.look.one_line ? std::pair(0, 0) : CaptionRoom(form_, c);
      label->setRoom(above, below);
      if (c.look.clickable) connect(label, &LabelWidget::clicked, this, [this, i] { click(i); });
      return label;
    }
    case Kind::TextBox: {
      auto* edit = new BoxWidget(parent);
      // Typed, pasted, or set by assistive technology (voice control, braille): one path.
      connect(edit, &QLineEdit::textChanged, this, [this, i] { textChanged(i); });
      connect(edit, &QLineEdit::selectionChanged, this, [this, i] { selectionMoved(i); });
      connect(edit, &QLineEdit::cursorPositionChanged, this, [this, i] { selectionMoved(i); });
      return edit;
    }
    case Kind::Button: {
      auto* button = new ButtonWidget(parent);
      button->setDefault(c.look.default_button);
      connect(button, &QPushButton::clicked, this, [this, i] { click(i); });
      return button;
    }
    case Kind::Option: {
      auto* option = new QRadioButton(parent);
      options_->addButton(option, i);
      // Assistive technology's Toggle action checks the button without a click: the same choice.
      // A click's own toggle is followed by the click, which the model answers first.
      connect(option, &QRadioButton::toggled, this, [this, i, option](bool on) {
        if (!on || applying_ > 0) return;
        QTimer::singleShot(0, option, [this, i, option] {
          if (option->isChecked() && !form_.controls()[i].props.selected) optionClicked(i);
        });
      });
      return option;
    }
    case Kind::Frame: {
      auto* frame = new FrameWidget(c.look.border, parent);
      if (c.look.left_to_right) frame->setLayoutDirection(Qt::LeftToRight);
      return frame;
    }
    case Kind::Image: {
      auto* picture = new PictureWidget(c, parent);
      if (PictureSelects(form_, c, 0)) {
        connect(picture, &PictureWidget::clicked, this, [this, i](double y) {
          const Control& image = form_.controls()[i];
          const auto at = static_cast<int>(y * kTwipsPerPixel);
          if (const auto option = PictureSelects(form_, image, at)) press(*option);
        });
      }
      return picture;
    }
    case Kind::Line:
      return new LineWidget(parent);
    case Kind::ScrollBar: {
      auto* bar = new QScrollBar(Qt::Vertical, parent);
      bar->setSingleStep(1);
      bar->setPageStep(1);
      connect(bar, &QScrollBar::valueChanged, this, [this, i](int v) { scrolled(i, v); });
      return bar;
    }
    case Kind::Shape:
      return new OutlineWidget(parent);
    case Kind::Timer: {
      auto* ticker = new Ticker(this);
      connect(ticker, &Ticker::ticked, this, [this, i] { form_.tick(form_.controls()[i].id()); });
      return ticker;
    }
    case Kind::Window:
      break;
  }
  return window_.get();  // a form has one window, its first control
}

void WindowBinding::orderFocus() {
  std::vector<std::pair<int, QWidget*>> chain;
  for (const Control& c : form_.controls()) {
    if (c.look.tab_index >= 0 && slots_[indexOf(c)].widget) {
      chain.emplace_back(c.look.tab_index, slots_[indexOf(c)].widget);
    }
  }
  std::sort(chain.begin(), chain.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t k = 1; k < chain.size(); ++k) {
    QWidget::setTabOrder(chain[k - 1].second, chain[k].second);
  }
}

void WindowBinding::onModel(const Control& c, Change what) {
  const Applying guard(applying_);
  if (what == Change::Focus) {
    // What the new focus says must stand before the toolkit announces it.
    accessible_->refresh();
    onFocus(c);
    return;
  }
  apply(c, false);
  for (const int k : clickable_) {
    const Control& label = form_.controls()[k];
    QWidget* w = slots_[k].widget;
    const Qt::FocusPolicy policy = TakesKeyboardFocus(form_, label) ? Qt::TabFocus : Qt::NoFocus;
    if (w->focusPolicy() != policy) w->setFocusPolicy(policy);
  }
}

void WindowBinding::onFocus(const Control& c) {
  if (c.kind == Kind::Window) {
    if (QWidget* focused = window_->focusWidget()) focused->clearFocus();
    return;
  }
  if (QWidget* w = slots_[indexOf(c)].widget) {
    w->setFocus(Qt::OtherFocusReason);
    focus_moved_.start();
  }
}

void WindowBinding::apply(const Control& c, bool all) {
  Slot& slot = slots_[indexOf(c)];
  const Changes changed{c.props, slot.shown, all};
  std::visit([&](auto* w) { applyTo(*w, c, changed); }, slot.typed);
  slot.shown = c.props;
}

// A control inside the window: place, state and colours, then what its kind shows, then
// whether it shows at all.
template <class W>
void WindowBinding::applyTo(W& w, const Control& c, const Changes& changed) {
  const Props& p = c.props;
  // A line's widget covers the line's own box, which its end points give.
  if constexpr (!std::is_same_v<W, LineWidget>) {
    if (changed(&Props::left) || changed(&Props::top) || changed(&Props::width) ||
        changed(&Props::height)) {
      w.setGeometry(Placed(w, DesignBox(w, p)));
    }
  }
  if (changed.all) align(w, c);
  if (changed(&Props::enabled)) w.setEnabled(p.enabled);
  if (changed(&Props::back) || changed(&Props::fore) || changed(&Props::enabled)) {
    applyColours(c, w);
  }
  applyContent(w, c, changed);
  if (changed(&Props::visible)) w.setVisible(p.visible);
}

void WindowBinding::applyTo(WindowWidget& w, const Control& c, const Changes& changed) {
  const Props& p = c.props;
  if (changed(&Props::text)) w.setWindowTitle(ToQString(ShownText(c)));
  if (changed(&Props::width) || changed(&Props::height)) w.setFixedSize(Px(p.width), Px(p.height));
  if (changed(&Props::back) || changed(&Props::fore)) applyColours(c, w);
  if (changed(&Props::enabled)) {
    w.setEnabled(p.enabled);
    // Disabling cleared the keyboard focus; enabled again, it goes where the model's focus is.
    if (p.enabled && !changed.all) settle();
  }
  // The first pass leaves the window hidden; show() places it on the screen.
  if (!changed.all && changed(&Props::visible)) {
    if (p.visible) {
      slots_[0].shown.visible = true;
      showWindow();
    } else {
      w.hide();
      if (owner_ && owner_->window_->isVisible()) owner_->window_->activateWindow();
    }
  }
}

void WindowBinding::applyTo(Ticker& t, const Control& c, const Changes&) {
  t.setInterval(c.props.interval);
  t.setRunning(c.props.enabled);
}

void WindowBinding::applyContent(QWidget&, const Control&, const Changes&) {
  // Pictures and outlines show nothing the model changes.
}

void WindowBinding::applyContent(LabelWidget& w, const Control& c, const Changes& changed) {
  if (!changed(&Props::text)) return;
  w.setText(ToQString(ShownText(c)));
  // Shown at once, before whatever the running handler does next.
  if (!changed.all && w.isVisible()) w.repaint();
}

void WindowBinding::applyContent(QLineEdit& w, const Control& c, const Changes& changed) {
  const QString text = ToQString(c.props.text);
  if (changed(&Props::text) && w.text() != text) {
    const QSignalBlocker block(&w);
    w.setText(text);
    // Blocked, the box does not hear of its new text: it fits it here.
    if (auto* box = qobject_cast<BoxWidget*>(&w)) box->fitText();
  }
  applySelection(c, w);
}

void WindowBinding::applyContent(ButtonWidget& w, const Control& c, const Changes& changed) {
  if (changed(&Props::text)) w.setText(ToQString(ShownText(c)));
}

void WindowBinding::applyContent(QRadioButton& w, const Control& c, const Changes& changed) {
  if (!changed(&Props::selected)) return;
  // Tab enters the group of answer forms at the selected one, as in any radio group.
  w.setFocusPolicy(c.props.selected ? Qt::StrongFocus : Qt::ClickFocus);
  if (w.isChecked() == c.props.selected) return;
  // An exclusive group refuses to clear its checked button.
  options_->setExclusive(false);
  w.setChecked(c.props.selected);
  options_->setExclusive(true);
}

void WindowBinding::applyContent(FrameWidget& w, const Control& c, const Changes& changed) {
  if (changed(&Props::text)) w.setCaption(ToQString(ShownText(c)));
}

void WindowBinding::applyContent(LineWidget& w, const Control& c, const Changes& changed) {
  const Props& p = c.props;
  if (changed(&Props::x1) || changed(&Props::y1) || changed(&Props::x2) || changed(&Props::y2)) {
    w.setLine(Placed(w, QLineF(p.x1 / kTwipsPerPixel, p.y1 / kTwipsPerPixel, p.x2 / kTwipsPerPixel,
                               p.y2 / kTwipsPerPixel)));
  }
}

void WindowBinding::applyContent(QScrollBar& w, const Control& c, const Changes& changed) {
  const QSignalBlocker block(&w);
  if (changed(&Props::min) || changed(&Props::max)) w.setRange(c.props.min, c.props.max);
  if (w.value() != c.props.value) w.setValue(c.props.value);
}

void WindowBinding::applyColours(const Control& c, QWidget& widget) {
  widget.setPalette(PaletteFor(form_, c));
  if (auto* label = qobject_cast<LabelWidget*>(&widget))
    label->setBackground(c.props.back.has_value());
  if (c.kind == Kind::Frame) widget.setAutoFillBackground(true);
}

void WindowBinding::applySelection(const Control& c, QLineEdit& edit) {
  const std::string& text = c.props.text;
  const int start = Utf16Index(text, c.props.sel_start);
  const int length = Utf16Index(text, c.props.sel_start + c.props.sel_length) - start;
  if (WidgetSelection(edit) == std::pair(start, length)) return;
  const QSignalBlocker block(&edit);
  if (length > 0) {
    edit.setSelection(start, length);
  } else {
    edit.setCursorPosition(start);
  }
}

void WindowBinding::showWindow() {
  if (!form_.window().props.visible) return;
  if (!placed_) {
    placed_ = true;
    const QWidget* owner = owner_ && owner_->window_->isVisible() ? owner_->window_.get() : nullptr;
    QScreen* screen = (owner ? owner : window_.get())->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
      const QRect area = screen->availableGeometry();
      // Centred over the owner wherever it went. A Wayland compositor ignores both and places
      // the window itself, by the tie to its owner.
      window_->move(owner ? PlaceOver(window_->size(), owner->frameGeometry(), area)
                          : PlaceOnScreen(window_->size(), area));
    }
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void WindowBinding::stayAbove(const WindowBinding& owner) {
  owner_ = &owner;
  window_->winId();
  owner.window_->winId();
  if (QWindow* handle = window_->windowHandle()) {
    handle->setTransientParent(owner.window_->windowHandle());
  }
  owner.window_->installEventFilter(this);
}

bool WindowBinding::eventFilter(QObject* watched, QEvent* event) {
  // Sent to the window after all its widgets have taken the new direction.
  if (watched == window_.get() && event->type() == QEvent::LayoutDirectionChange) {
    mirror();
    return false;
  }
  // A window manager may focus the owner after this window (mutter 48 maps the owner late, once
  // its frame is drawn): while this window is up, the keyboard belongs here.
  if (owner_ && watched == owner_->window_.get() && event->type() == QEvent::WindowActivate) {
    if (window_->isVisible()) {
      window_->raise();
      window_->activateWindow();
    }
    return false;
  }
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
  const Control* c = controlOf(watched);
  if (c && c->kind == Kind::ScrollBar) {
    // The scroll bar shows that it has the focus. Made on first use: most runs never put the
    // focus there.
    if (!focus_frame_) focus_frame_ = new QFocusFrame(window_.get());
    focus_frame_->setWidget(event->type() == QEvent::FocusIn ? static_cast<QWidget*>(watched)
                                                             : nullptr);
  }
  if (event->type() != QEvent::FocusIn || applying_ > 0) return false;
  // An option button reports its click instead: merely passing it with Tab must not pick it.
  // An arrow key focuses it after the click, whose cue must stay.
  if (!c || c->kind == Kind::Option) return false;
  switch (static_cast<QFocusEvent*>(event)->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::ActiveWindowFocusReason:
      // The student moves on: what the last event told is no longer news.
      form_.setCue(Cue::None);
      form_.focus(c->id());
      break;
    default:
      break;
  }
  return false;
}

void WindowBinding::press(ControlId id) {
  const Control& c = form_.control(id);
  if (c.kind == Kind::Option) {
    optionClicked(indexOf(c));
  } else {
    click(indexOf(c));
  }
}

void WindowBinding::click(int i) {
  const Control& c = form_.controls()[i];
  form_.click(c.id());
  settle();
}

void WindowBinding::optionClicked(int i) {
  const Control& c = form_.controls()[i];
  form_.click(c.id());
  // The model decides what is selected: undo the toolkit's own check if it did not follow.
  {
    const Applying guard(applying_);
    for (const Control& o : form_.controls()) {
      if (o.kind != Kind::Option) continue;
      auto* option = std::get<QRadioButton*>(slots_[indexOf(o)].typed);
      if (option->isChecked() == o.props.selected) continue;
      options_->setExclusive(false);
      option->setChecked(o.props.selected);
      options_->setExclusive(true);
    }
  }
  settle();
  // An arrow key clicks the next button first and focuses it afterwards; settle once more
  // when that is done, so the focus ends where the handler put it.
  QTimer::singleShot(0, this, &WindowBinding::settle);
}

void WindowBinding::textChanged(int i) {
  const Control& c = form_.controls()[i];
  const auto* edit = std::get<QLineEdit*>(slots_[i].typed);
  const QString text = edit->text();
  const auto [start, length] = WidgetSelection(*edit);
  const int start8 = Utf8Offset(text, start);
  const int length8 = Utf8Offset(text, start + length) - start8;
  form_.set(c.id(), [&](Props& p) {
    p.text = text.toStdString();
    p.sel_start = start8;
    p.sel_length = length8;
  });
}

void WindowBinding::selectionMoved(int i) {
  if (applying_ > 0) return;
  const Control& c = form_.controls()[i];
  const auto* edit = std::get<QLineEdit*>(slots_[i].typed);
  const QString text = edit->text();
  if (text.toStdString() != c.props.text) return;  // the text's own change brings it along
  const auto [start, length] = WidgetSelection(*edit);
  const int start8 = Utf8Offset(text, start);
  form_.setSelection(c.id(), start8, Utf8Offset(text, start + length) - start8);
}

void WindowBinding::scrolled(int i, int value) {
  if (applying_ > 0) return;
  const Control& c = form_.controls()[i];
  form_.setValue(c.id(), value);
  auto* bar = std::get<QScrollBar*>(slots_[i].typed);
  if (bar->value() != c.props.value) {
    const Applying guard(applying_);
    const QSignalBlocker block(bar);
    bar->setValue(c.props.value);
  }
  settle();
}

void WindowBinding::enter() {
  // Every Enter the focused widget leaves comes here: a focused button takes it, an answer box
  // presses what the model says (or nothing), anything else goes to the window's default button.
  const Control* focused = controlOf(QApplication::focusWidget());
  if (focused && focused->kind == Kind::Button) {
    // The same key pressed twice must not carry on past what the first one did.
    if (GuardsDoubledEnter(*focused) && focus_moved_.isValid() &&
        focus_moved_.elapsed() < kDoubledEnterMs) {
      return;
    }
    click(indexOf(*focused));
    return;
  }
  if (focused && EnterIsOwn(*focused)) {
    if (const auto target = EnterPresses(form_, *focused)) press(*target);
    return;
  }
  for (const Control& c : form_.controls()) {
    if (c.kind == Kind::Button && c.look.default_button) {
      click(indexOf(c));
      return;
    }
  }
}

void WindowBinding::settle() {
  const Control* focused = form_.focused();
  if (!focused || focused->kind == Kind::Window) return;
  QWidget* w = slots_[indexOf(*focused)].widget;
  if (!w || window_->focusWidget() == w || !w->isVisible() || !w->isEnabled()) return;
  const Applying guard(applying_);
  w->setFocus(Qt::OtherFocusReason);
}

}  // namespace tovimel
