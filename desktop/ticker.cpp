// SPDX-License-Identifier: MIT
#include "desktop/ticker.h"

#include <algorithm>

namespace tovimel {

void TickSchedule::start(std::int64_t now_ms, int interval_ms) {
  start_ = now_ms;
  interval_ = std::max(1, interval_ms);
  delivered_ = 0;
}

bool TickSchedule::take(std::int64_t now_ms) {
  if (now_ms < start_ + (delivered_ + 1) * interval_) return false;
  ++delivered_;
  return true;
}

std::int64_t TickSchedule::wait(std::int64_t now_ms) const {
  return std::max<std::int64_t>(0, start_ + (delivered_ + 1) * interval_ - now_ms);
}

Ticker::Ticker(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Ticker::wake);
}

void Ticker::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (running_) {
    running_ = false;
    setRunning(true);
  }
}

void Ticker::setRunning(bool running) {
  if (running == running_) return;
  running_ = running;
  if (!running) {
    timer_.stop();
    return;
  }
  clock_.start();
  schedule_.start(0, interval_);
  arm();
}

void Ticker::arm() {
  timer_.start(static_cast<int>(schedule_.wait(clock_.elapsed())));
}

void Ticker::wake() {
  if (!running_) return;
  // One tick per wake-up: after a stall the missed ticks follow one per pass of the event loop,
  // so other events still come between them.
  if (schedule_.take(clock_.elapsed())) emit ticked();
  if (running_) arm();
}

}  // namespace tovimel
