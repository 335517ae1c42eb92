// SPDX-License-Identifier: MIT
// The print scheduler (CUPS), asked directly: Qt's printer sends a page and never says whether
// the queue took it, refused it or holds it stopped.
#pragma once

#include <QByteArray>
#include <QString>

namespace tovimel {

struct QueueReply {
  enum class Took { Yes, Held, No };
  Took took = Took::No;
  QString why;  // the scheduler's own reason when the queue did not take the page
};

// The default queue's name; empty when there is none or no scheduler answers.
QString DefaultQueue();
// Sends one PDF page to `queue` as a job titled `title`.
QueueReply SendToQueue(const QString& queue, const QString& title, const QByteArray& pdf);

}  // namespace tovimel
