#include "blog/blogpublisherrefs.h"

#include "platform/progress.h"

#include <cstring>
#include <libxml/HTMLparser.h>
#include <limits>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tidewell::blog {

namespace {

// libxml2 takes chunks by int; pages are fed in slices well below that.
constexpr qsizetype kChunk = 1024 * 1024;

bool isReference(const char *name, const char *value) {
    if (qstricmp(name, "background") == 0 || qstricmp(name, "src") == 0) {
        return true;
    }
    if (qstricmp(name, "href") != 0) {
        return false;
    }
    // The extension as a file name has it: from the last '.' after the last '/' or '\'.
    const char *dot = std::strrchr(value, '.');
    if (!dot || std::strpbrk(dot, "/\\")) {
        return false;
    }
    return std::strcmp(dot, ".css") == 0;
}

void startElement(void *context, const xmlChar *, const xmlChar **attributes) {
    auto *references = static_cast<QStringList *>(context);
    for (const xmlChar **a = attributes; a && a[0]; a += 2) {
        const char *name = reinterpret_cast<const char *>(a[0]);
        const char *value = a[1] ? reinterpret_cast<const char *>(a[1]) : "";
        if (isReference(name, value)) {
            references->append(QString::fromUtf8(value));
        }
    }
}

// "https://...", "ftp://..." or "//host/...": never a file of the template folder, so it is skipped without
// looking on disk (a blog names a different picture on the web in nearly every entry).
bool isWebAddress(const QString &reference) {
    if (reference.startsWith(QLatin1String("//"))) {
        return true;
    }
    const qsizetype colon = reference.indexOf(QLatin1String("://"));
    if (colon <= 0) {
        return false;
    }
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = reference.at(i);
        const bool schemeChar =
            (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (i > 0 && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
                       c == QLatin1Char('-') || c == QLatin1Char('.')));
        if (!schemeChar) {
            return false;
        }
    }
    return true;
}

// The name a reference is copied under: the part after its last '/', '\' or ':'.
QString copyName(const QString &reference) {
    qsizetype from = 0;
    for (qsizetype i = reference.size() - 1; i >= 0; --i) {
        const QChar c = reference.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':')) {
            from = i + 1;
            break;
        }
    }
    return reference.mid(from);
}

} // namespace

QStringList referencedFiles(const QByteArray &html) {
    QStringList references;
    htmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.startElement = startElement;
    htmlParserCtxtPtr context =
        htmlCreatePushParserCtxt(&sax, &references, nullptr, 0, nullptr, XML_CHAR_ENCODING_UTF8);
    if (!context) {
        return references;
    }
    htmlCtxtUseOptions(context, HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                    HTML_PARSE_NOWARNING | HTML_PARSE_NOBLANKS | HTML_PARSE_COMPACT);
    for (qsizetype from = 0; from < html.size(); from += kChunk) {
        const qsizetype size = std::min(kChunk, html.size() - from);
        htmlParseChunk(context, html.constData() + from, int(size), 0);
    }
    htmlParseChunk(context, nullptr, 0, 1);
    htmlFreeParserCtxt(context);
    return references;
}

ReferencedFileCopier::ReferencedFileCopier(QString templateFolder, QString outputFolder)
    : m_templateFolder(QFileInfo(templateFolder).canonicalFilePath()),
      m_outputFolder(std::move(outputFolder)) {}

void ReferencedFileCopier::copyFrom(const QByteArray &html, platform::Progress &progress) {
    const QStringList references = referencedFiles(html);
    for (qsizetype i = 0; i < references.size(); ++i) {
        progress.status(tr("Copying image file # %1").arg(i));
        copyOne(references.at(i));
    }
}

void ReferencedFileCopier::copyOne(const QString &reference) {
    const QString name = copyName(reference);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        m_templateFolder.isEmpty() || isWebAddress(reference)) {
        return;
    }
    // Every entry page names the same few files: each reference is looked up once per run.
    auto found = m_sources.constFind(reference);
    if (found == m_sources.constEnd()) {
        found = m_sources.insert(reference, sourceFile(reference));
    }
    const QString &source = *found;
    if (source.isEmpty() || m_copied.value(name) == source) {
        return;
    }
    const QString target = m_outputFolder + QLatin1Char('/') + name;
    QFile::remove(target);
    if (QFile::copy(source, target)) {
        m_copied.insert(name, source);
    } else {
        m_copied.remove(name);
    }
}

QString ReferencedFileCopier::sourceFile(const QString &reference) const {
    // A reference written on Windows separates its folders with '\'.
    QString relative = reference;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Only a regular file inside the template folder is copied: a page must not carry any other file of
    // the user into the folder that is uploaded.
    const QFileInfo source(m_templateFolder + QLatin1Char('/') + relative);
    const QString canonical = source.canonicalFilePath();
    if (!source.isFile() || !canonical.startsWith(m_templateFolder + QLatin1Char('/'))) {
        return {};
    }
    return canonical;
}

} // namespace tidewell::blog
