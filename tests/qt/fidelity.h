// SPDX-License-Identifier: MIT
// Checks that every widget of a bound window shows exactly what the model holds.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "desktop/binding.h"
#include "desktop/ticker.h"
#include "desktop/widgets/look.h"
#include "desktop/widgets/widgets.h"

namespace tovimel::testing {

inline void ExpectWidgetsMatchModel(const WindowBinding& binding) {
  const Form& form = binding.form();
  const Props& win = form.window().props;
  EXPECT_EQ(binding.window()->objectName().toStdString(), form.window().key());
  EXPECT_EQ(binding.window()->windowTitle().toStdString(), win.text);
  EXPECT_EQ(binding.window()->size(), QSize(Px(win.width), Px(win.height)));
  EXPECT_EQ(binding.window()->isEnabled(), win.enabled);
  for (const Control& c : form.controls()) {
    if (c.kind == Kind::Window) continue;
    SCOPED_TRACE(c.key());
    const Props& p = c.props;
    if (c.kind == Kind::Timer) {
      const Ticker* t = binding.timer(c.id());
      ASSERT_NE(t, nullptr);
      EXPECT_EQ(t->isRunning(), p.enabled);
      EXPECT_EQ(t->interval(), p.interval);
      continue;
    }
    const QWidget* w = binding.widget(c.id());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName().toStdString(), c.key());
    EXPECT_EQ(w->isVisibleTo(w->parentWidget()), p.visible);
    EXPECT_EQ(w->isEnabledTo(w->parentWidget()), p.enabled);
    const QString text = QString::fromStdString(p.text);
    switch (c.kind) {
      case Kind::Label: {
        const auto* label = qobject_cast<const LabelWidget*>(w);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->ownBackground(), p.back.has_value());
        if (p.back) {
          EXPECT_EQ(label->palette().color(QPalette::Window), ToQColor(*p.back));
        }
        if (p.fore) {
          EXPECT_EQ(label->palette().color(QPalette::WindowText), ToQColor(*p.fore));
        }
        break;
      }
      case Kind::TextBox: {
        const auto* edit = qobject_cast<const QLineEdit*>(w);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), text);
        if (p.back) {
          EXPECT_EQ(edit->palette().color(QPalette::Base), ToQColor(*p.back));
        }
        break;
      }
      case Kind::Button: {
        const auto* button = qobject_cast<const QPushButton*>(w);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), text);
        break;
      }
      case Kind::Option: {
        const auto* option = qobject_cast<const QRadioButton*>(w);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->isChecked(), p.selected);
        break;
      }
      case Kind::Frame: {
        const auto* frame = qobject_cast<const FrameWidget*>(w);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->caption(), text);
        break;
      }
      case Kind::ScrollBar: {
        const auto* bar = qobject_cast<const QScrollBar*>(w);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->value(), p.value);
        EXPECT_EQ(bar->minimum(), p.min);
        EXPECT_EQ(bar->maximum(), p.max);
        break;
      }
      case Kind::Line: {
        const auto* line = qobject_cast<const LineWidget*>(w);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->line(), QLineF(p.x1 / 15, p.y1 / 15, p.x2 / 15, p.y2 / 15));
        continue;  // its box is the line's, not a layout rectangle
      }
      case Kind::Image:
        EXPECT_NE(qobject_cast<const PictureWidget*>(w), nullptr);
        break;
      default:
        break;
    }
    // A label's widget also covers the room its caption may take above and below its box.
    const auto* label = qobject_cast<const LabelWidget*>(w);
    EXPECT_EQ(w->geometry(), label ? PxRect(p).marginsAdded(label->room()) : PxRect(p));
  }
}

}  // namespace tovimel::testing
