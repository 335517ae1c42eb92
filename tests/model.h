// SPDX-License-Identifier: MIT
// Reading a window's model in tests: snapshots to compare, and the selected answer form.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "windows/form.h"

namespace tovimel::testing {

// Everything a window shows and holds: every control's props and where the focus is.
struct Snapshot {
  std::vector<std::pair<std::string, Props>> controls;
  std::string focus;
  bool operator==(const Snapshot&) const = default;
};

inline Snapshot Snap(const Form& form) {
  Snapshot s;
  for (const Control& c : form.controls()) s.controls.emplace_back(c.key(), c.props);
  if (const Control* f = form.focused()) s.focus = f->key();
  return s;
}

// The keys of the controls whose props differ, and the focus if it moved; empty when equal.
inline std::string Diff(const Snapshot& a, const Snapshot& b) {
  std::string out;
  for (std::size_t i = 0; i < a.controls.size() && i < b.controls.size(); ++i) {
    if (a.controls[i] != b.controls[i]) out += a.controls[i].first + " ";
  }
  if (a.controls.size() != b.controls.size()) out += "(control count) ";
  if (a.focus != b.focus) out += "(focus " + a.focus + " -> " + b.focus + ")";
  return out;
}

// One control's props as the snapshot holds them.
inline const Props& PropsIn(const Snapshot& s, const ControlId& id) {
  const std::string key = id.key();
  for (const auto& [k, props] : s.controls) {
    if (k == key) return props;
  }
  throw std::out_of_range("no control " + key + " in the snapshot");
}

// The snapshot without one control, for checks where a setter itself changed it.
inline Snapshot Without(Snapshot s, const ControlId& id) {
  const std::string key = id.key();
  std::erase_if(s.controls, [&](const auto& entry) { return entry.first == key; });
  return s;
}

// The selected option button of a window, nullptr when none is.
inline const Control* SelectedOption(const Form& form) {
  for (const Control& c : form.controls()) {
    if (c.kind == Kind::Option && c.props.selected) return &c;
  }
  return nullptr;
}

}  // namespace tovimel::testing
