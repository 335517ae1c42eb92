// SPDX-License-Identifier: MIT
// A window timer whose ticks keep to the wall clock: the n-th tick falls due n intervals after
// the start, however late the event loop wakes, so a clock built on it does not drift.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>

namespace tovimel {

// The arithmetic of the schedule, apart from any real clock.
class TickSchedule {
 public:
  void start(std::int64_t now_ms, int interval_ms);
  // Whether a tick is due at now_ms; if so it counts as delivered.
  bool take(std::int64_t now_ms);
  // Milliseconds from now_ms until the next tick falls due (0 when one is overdue).
  std::int64_t wait(std::int64_t now_ms) const;
  std::int64_t delivered() const { return delivered_; }

 private:
  std::int64_t start_ = 0;
  std::int64_t interval_ = 1000;
  std::int64_t delivered_ = 0;
};

class Ticker final : public QObject {
  Q_OBJECT
 public:
  explicit Ticker(QObject* parent = nullptr);
  void setInterval(int ms);
  void setRunning(bool running);
  bool isRunning() const { return running_; }
  int interval() const { return interval_; }

 signals:
  void ticked();

 private:
  void wake();
  void arm();

  QTimer timer_;
  QElapsedTimer clock_;
  TickSchedule schedule_;
  int interval_ = 1000;
  bool running_ = false;
};

}  // namespace tovimel
