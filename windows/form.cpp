// SPDX-License-Identifier: MIT
#include "windows/form.h"

#include <algorithm>
#include <stdexcept>

namespace tovimel {
namespace {

bool HiddenOrDisabled(const Control& c) {
  return !c.props.visible || !c.props.enabled;
}

}  // namespace

std::string ControlId::key() const {
  std::string key(name);
  if (index >= 0) key.append(1, '(').append(std::to_string(index)).append(1, ')');
  return key;
}

Form::Form(std::vector<Control> controls) : controls_(std::move(controls)) {
  if (controls_.empty() || controls_.front().kind != Kind::Window) {
    throw std::invalid_argument("a form starts with its window");
  }
  for (int i = 0; i < static_cast<int>(controls_.size()); ++i) {
    const Control& c = controls_[i];
    auto& slots = by_name_[c.name];
    const std::size_t slot = c.index < 0 ? 0 : static_cast<std::size_t>(c.index);
    if (slots.size() <= slot) slots.resize(slot + 1, -1);
    if (slots[slot] >= 0) throw std::invalid_argument("duplicate control " + c.key());
    slots[slot] = i;
  }
  for (const Control& c : controls_) {
    if (!c.container.empty() && find({c.container}) < 0) {
      throw std::invalid_argument(c.key() + " sits in unknown container " + c.container);
    }
  }
  focus_handlers_.resize(controls_.size());
  change_handlers_.resize(controls_.size());
  click_handlers_.resize(controls_.size());
  timer_handlers_.resize(controls_.size());
}

int Form::find(ControlId id) const {
  auto it = by_name_.find(id.name);
  if (it == by_name_.end()) return -1;
  const auto& slots = it->second;
  const std::size_t slot = id.index < 0 ? 0 : static_cast<std::size_t>(id.index);
  if (slot >= slots.size() || slots[slot] < 0) return -1;
  const int i = slots[slot];
  // A plain control is not reachable with an index, nor an array member without one.
  if ((id.index < 0) != (controls_[i].index < 0)) return -1;
  return i;
}

int Form::require(ControlId id) const {
  const int i = find(id);
  if (i < 0) throw std::out_of_range("no control " + id.key() + " on " + controls_.front().name);
  return i;
}

const Control& Form::control(ControlId id) const {
  return controls_[require(id)];
}

void Form::set(ControlId id, const std::function<void(Props&)>& edit) {
  const int i = require(id);
  Props next = controls_[i].props;
  edit(next);
  store(i, next);
}

void Form::store(int i, const Props& next) {
  Control& c = controls_[i];
  if (next == c.props) return;
  const bool text_changed = next.text != c.props.text;
  const bool value_changed = next.value != c.props.value;
  Props before = c.props;
  c.props = next;
  if (text_changed) {
    const int size = static_cast<int>(c.props.text.size());
    c.props.sel_start = std::min(c.props.sel_start, size);
    c.props.sel_length = std::min(c.props.sel_length, size - c.props.sel_start);
    if (c.look.auto_size && measure_) {
      const auto [w, h] = measure_(c);
      c.props.width = w;
      c.props.height = h;
    }
  }
  if (c.props == before) return;
  notify(c, Change::Props);
  // A control that can no longer hold the focus loses it, as it would on screen.
  if (focused_ >= 0 && !canFocus(controls_[focused_])) {
    focused_ = -1;
    notify(controls_.front(), Change::Focus);
  }
  const bool fires =
      (c.kind == Kind::TextBox && text_changed) || (c.kind == Kind::ScrollBar && value_changed);
  if (fires && change_handlers_[i]) change_handlers_[i]();
}

void Form::notify(const Control& c, Change what) {
  // Copy: an observer may unobserve while being told.
  const auto observers = observers_;
  for (const auto& [id, observer] : observers) observer(c, what);
}

void Form::setText(ControlId id, std::string text) {
  set(id, [&](Props& p) { p.text = std::move(text); });
}
void Form::setVisible(ControlId id, bool visible) {
  set(id, [&](Props& p) { p.visible = visible; });
}
void Form::setEnabled(ControlId id, bool enabled) {
  set(id, [&](Props& p) { p.enabled = enabled; });
}
void Form::setBack(ControlId id, std::optional<Rgb> colour) {
  set(id, [&](Props& p) { p.back = colour; });
}
void Form::setFore(ControlId id, std::optional<Rgb> colour) {
  set(id, [&](Props& p) { p.fore = colour; });
}
void Form::setLeft(ControlId id, int left) {
  set(id, [&](Props& p) { p.left = left; });
}
void Form::setValue(ControlId id, int value) {
  set(id, [&](Props& p) { p.value = value; });
}
void Form::setSelection(ControlId id, int start, int length) {
  set(id, [&](Props& p) {
    const int size = static_cast<int>(p.text.size());
    p.sel_start = std::clamp(start, 0, size);
    p.sel_length = std::clamp(length, 0, size - p.sel_start);
  });
}

void Form::select(ControlId id) {
  const int chosen = require(id);
  if (controls_[chosen].kind != Kind::Option) {
    throw std::invalid_argument(controls_[chosen].key() + " is not an option button");
  }
  // Clear first so that observers never see two selected buttons.
  for (int i = 0; i < static_cast<int>(controls_.size()); ++i) {
    if (i == chosen || controls_[i].kind != Kind::Option || !controls_[i].props.selected) continue;
    Props next = controls_[i].props;
    next.selected = false;
    store(i, next);
  }
  Props next = controls_[chosen].props;
  next.selected = true;
  store(chosen, next);
}

bool Form::canFocus(const Control& c) const {
  switch (c.kind) {
    case Kind::TextBox:
    case Kind::Button:
    case Kind::Option:
    case Kind::ScrollBar:
      break;
    case Kind::Label:
      // A label with a Click handler is reached by the keyboard where the binding lets it.
      if (c.look.clickable) break;
      return false;
    default:
      return false;
  }
  return !firstUp(c, HiddenOrDisabled);
}

void Form::setCue(Cue cue, int detail) {
  cue_ = cue;
  cue_detail_ = detail;
  ++cue_count_;
  notify(controls_.front(), Change::Props);
}

bool Form::focus(ControlId id) {
  const int i = require(id);
  if (!canFocus(controls_[i])) return false;
  if (focused_ == i) return true;
  focused_ = i;
  notify(controls_[i], Change::Focus);
  if (focus_handlers_[i]) focus_handlers_[i]();
  return true;
}

bool Form::hasFocus(ControlId id) const {
  return focused_ >= 0 && focused_ == find(id);
}

void Form::onFocus(ControlId id, std::function<void()> handler) {
  focus_handlers_[require(id)] = std::move(handler);
}

void Form::onChange(ControlId id, std::function<void()> handler) {
  change_handlers_[require(id)] = std::move(handler);
}

void Form::onClick(ControlId id, std::function<void()> handler) {
  click_handlers_[require(id)] = std::move(handler);
}

void Form::onTimer(ControlId id, std::function<void()> handler) {
  timer_handlers_[require(id)] = std::move(handler);
}

void Form::onClose(std::function<void()> handler) {
  close_handler_ = std::move(handler);
}

bool Form::operable(const Control& c) const {
  return controls_.front().props.enabled && !firstUp(c, HiddenOrDisabled);
}

bool Form::click(ControlId id) {
  const int i = require(id);
  if (!operable(controls_[i]) || !click_handlers_[i]) return false;
  // Copy: the handler may replace itself.
  const auto handler = click_handlers_[i];
  handler();
  return true;
}

bool Form::tick(ControlId id) {
  const int i = require(id);
  if (controls_[i].kind != Kind::Timer || !controls_[i].props.enabled || !timer_handlers_[i]) {
    return false;
  }
  const auto handler = timer_handlers_[i];
  handler();
  return true;
}

void Form::requestClose() {
  if (close_handler_) {
    const auto handler = close_handler_;
    handler();
  }
}

int Form::observe(Observer observer) {
  observers_.emplace_back(next_observer_, std::move(observer));
  return next_observer_++;
}

void Form::unobserve(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Form::setMeasure(Measure measure) {
  measure_ = std::move(measure);
}

void Form::setInkMeasure(InkMeasure measure) {
  ink_ = std::move(measure);
}

std::optional<InkBox> Form::ink(const Control& c) const {
  if (!ink_) return std::nullopt;
  return ink_(c);
}

}  // namespace tovimel
