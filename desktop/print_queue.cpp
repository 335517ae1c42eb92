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

// What whoever stopped the queue or made it refuse jobs wrote (cupsreject -r, cupsdisable -r);
// the list of queues leaves it out.
QString StateMessage(const QString& queue) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                   "/printers/%s", queue.toUtf8().constData());
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-state-message");
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  QString message;
  if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
    message = QString::fromUtf8(ippGetString(a, 0, nullptr));
  }
  ippDelete(response);
  return message;
}

// Why a queue did not take a job: its own message, else the scheduler's error.
QString Reason(const QString& queue, const QString& error) {
  const QString message = StateMessage(queue);
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
    return {QueueReply::Took::Held, StateMessage(queue)};
  }
  return {QueueReply::Took::Yes, {}};
}

}  // namespace tovimel
