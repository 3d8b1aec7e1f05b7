#pragma once

#include <QByteArray>
#include <QString>

namespace tidewell::channel {

// The bytes of a saved item article: the HTML source as text lines ending in CR LF, every character
// outside 7-bit ASCII written as a decimal character reference ("é" -> "&#233;", one reference per code
// point), so the file reads the same whatever encoding a browser assumes.
QByteArray articleHtmlBytes(const QString &html);

// Writes articleHtmlBytes(html) to path, whole or not at all. On failure returns false and, when
// errorText is given, sets it to the reason.
bool saveArticleHtml(const QString &path, const QString &html, QString *errorText = nullptr);

// "Link local document": the channel's web address, a "/" unless it already ends in one, and the file
// name part of the chosen local path.
QString localDocumentLink(const QString &channelLink, const QString &chosenPath);

} // namespace tidewell::channel
