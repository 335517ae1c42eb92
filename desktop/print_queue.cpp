// SPDX-License-Identifier: MIT
#include "desktop/print_queue.h"

#include <cups/cups.h>

#include <QLibrary>
#include <memory>

namespace tovimel {
namespace {

// libcups, loaded at the first page rather than linked: it brings a dozen libraries (TLS,
// Kerberos, Avahi) that start-up should not wait for, and Qt itself loads it only to print.
struct Cups {
#define TOVIMEL_CUPS(name) decltype(&::name) name = nullptr;
#define TOVIMEL_CUPS_ALL             \
  TOVIMEL_CUPS(cupsGetNamedDest)     \
  TOVIMEL_CUPS(cupsFreeDests)        \
  TOVIMEL_CUPS(cupsGetOption)        \
  TOVIMEL_CUPS(cupsCreateJob)        \
  TOVIMEL_CUPS(cupsStartDocument)    \
  TOVIMEL_CUPS(cupsWriteRequestData) \
  TOVIMEL_CUPS(cupsFinishDocument)   \
  TOVIMEL_CUPS(cupsCancelJob2)       \
  TOVIMEL_CUPS(cupsLastErrorString)  \
  TOVIMEL_CUPS(cupsDoRequest)        \
  TOVIMEL_CUPS(httpAssembleURIf)     \
  TOVIMEL_CUPS(ippNewRequest)        \
  TOVIMEL_CUPS(ippAddString)         \
  TOVIMEL_CUPS(ippFindAttribute)     \
  TOVIMEL_CUPS(ippGetString)         \
  TOVIMEL_CUPS(ippDelete)
  TOVIMEL_CUPS_ALL
#undef TOVIMEL_CUPS
  bool loaded = false;
};

// Null when the machine has no libcups: then there is no scheduler to ask.
const Cups* TheCups() {
  static const Cups cups = [] {
    Cups c;
    QLibrary library(QStringLiteral("cups"), 2);
    if (!library.load()) return c;
    bool all = true;
#define TOVIMEL_CUPS(name)                                             \
  c.name = reinterpret_cast<decltype(c.name)>(library.resolve(#name)); \
  all = all && c.name != nullptr;
    TOVIMEL_CUPS_ALL
#undef TOVIMEL_CUPS
    c.loaded = all;
    return c;
  }();
  return cups.loaded ? &cups : nullptr;
}

struct FreeDest {
  void operator()(cups_dest_t* dest) const { TheCups()->cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, FreeDest>;

// A queue with the state the scheduler reports now; the default queue for an empty name.
Dest Named(const QString& queue) {
  const QByteArray name = queue.toUtf8();
  return Dest(TheCups()->cupsGetNamedDest(CUPS_HTTP_DEFAULT,
                                          queue.isEmpty() ? nullptr : name.constData(), nullptr));
}

QString Attribute(const cups_dest_t* dest, const char* name) {
  const char* value = TheCups()->cupsGetOption(name, dest->num_options, dest->options);
  return value ? QString::fromUtf8(value) : QString();
}

// What whoever stopped the queue or made it refuse jobs wrote (cupsreject -r, cupsdisable -r);
// the list of queues leaves it out.
QString StateMessage(const QString& queue) {
  char uri[HTTP_MAX_URI];
  TheCups()->httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                              "/printers/%s", queue.toUtf8().constData());
  ipp_t* request = TheCups()->ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  TheCups()->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  TheCups()->ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                          nullptr, "printer-state-message");
  ipp_t* response = TheCups()->cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  QString message;
  if (ipp_attribute_t* a =
          TheCups()->ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
    message = QString::fromUtf8(TheCups()->ippGetString(a, 0, nullptr));
  }
  TheCups()->ippDelete(response);
  return message;
}

// Why a queue did not take a job: its own message, else the scheduler's error.
QString Reason(const QString& queue, const QString& error) {
  const QString message = StateMessage(queue);
  return message.isEmpty() ? error : message;
}

QString LastError() {
  return QString::fromUtf8(TheCups()->cupsLastErrorString());
}

}  // namespace

QString DefaultQueue() {
  if (!TheCups()) return {};
  const Dest dest = Named({});
  return dest ? QString::fromUtf8(dest->name) : QString();
}

QueueReply SendToQueue(const QString& queue, const QString& title, const QByteArray& pdf) {
  if (!TheCups()) return {QueueReply::Took::No, QStringLiteral("libcups")};
  const QByteArray name = queue.toUtf8(), job_title = title.toUtf8();
  const int job = TheCups()->cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(),
                                           job_title.constData(), 0, nullptr);
  if (job == 0) {
    const QString error = LastError();
    return {QueueReply::Took::No, Reason(queue, error)};
  }
  const bool written =
      TheCups()->cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, job_title.constData(),
                                   CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
      TheCups()->cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) ==
          HTTP_STATUS_CONTINUE;
  const bool finished =
      TheCups()->cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) == IPP_STATUS_OK;
  if (!written || !finished) {
    const QString error = LastError();
    TheCups()->cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
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
