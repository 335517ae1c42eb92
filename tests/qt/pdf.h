// SPDX-License-Identifier: MIT
// Reading back the PDF pages the printer writes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

namespace tovimel::testing {

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects in the file ("/Type /Page", not the "/Pages" tree).
inline int PdfPageCount(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  int n = 0;
  for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++n;
  return n;
}

// What pdftotext prints of a page with one option; empty when pdftotext is missing.
inline QString Pdftotext(const QString& path, const QString& option) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return {};
  QProcess p;
  p.start(tool, {option, path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The page's text as poppler extracts it.
inline QString PdfText(const QString& path) {
  return Pdftotext(path, QStringLiteral("-layout"));
}

// Every word on the page with its box, as pdftotext's HTML: <word xMin=".." yMin=".." xMax=".."
// yMax="..">text</word>, in points from the page's top-left corner.
inline QString PdfWords(const QString& path) {
  return Pdftotext(path, QStringLiteral("-bbox"));
}

}  // namespace tovimel::testing
