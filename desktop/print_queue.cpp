// SPDX-License-Identifier: MIT
#include "desktop/print_queue.h"

#include <cups/cups.h>

#include <memory>

namespace tovimel {
namespace {

struct FreeDest {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, FreeDest>;

// A queue with the state the scheduler reports now; the default queue for an empty name.
Dest Named(const QString& queue) {
  const QByteArray name = queue.toUtf8();
  return Dest(
      cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.isEmpty() ? nullptr : name.constData(), nullptr));
}

QString Attribute(const cups_dest_t* dest, const char* name) {
  const char* value = cupsGetOption(name, dest->num_options, dest->options);
  return value ? QString::fromUtf8(value) : QString();
}

// Why a queue did not take a job: what whoever stopped it wrote (cupsreject -r), else the
// scheduler's error.
QString Reason(const QString& queue, const QString& error) {
  const Dest dest = Named(queue);
  const QString message = dest ? Attribute(dest.get(), "printer-state-message") : QString();
  return message.isEmpty() ? error : message;
}

QString LastError() {
  return QString::fromUtf8(cupsLastErrorString());
}

}  // namespace

QString DefaultQueue() {
  const Dest dest = Named({});
  return dest ? QString::fromUtf8(dest->name) : QString();
}

QueueReply SendToQueue(const QString& queue, const QString& title, const QByteArray& pdf) {
  const QByteArray name = queue.toUtf8(), job_title = title.toUtf8();
  const int job =
      cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), job_title.constData(), 0, nullptr);
  if (job == 0) {
    const QString error = LastError();
    return {QueueReply::Took::No, Reason(queue, error)};
  }
  const bool written =
      cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, job_title.constData(),
                        CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
      cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) ==
          HTTP_STATUS_CONTINUE;
  const bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) == IPP_STATUS_OK;
  if (!written || !finished) {
    const QString error = LastError();
    cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
    return {QueueReply::Took::No, Reason(queue, error)};
  }
  // Taken, but a stopped queue keeps it until someone starts the printer.
  const Dest now = Named(queue);
  if (now && Attribute(now.get(), "printer-state") == QLatin1String("5")) {
    return {QueueReply::Took::Held, Attribute(now.get(), "printer-state-message")};
  }
  return {QueueReply::Took::Yes, {}};
}

}  // namespace tovimel
