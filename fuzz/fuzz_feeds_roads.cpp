// libFuzzer target for the RSS import's two roads to a channel document: the usual feed's document is
// written while the scan runs, and a feed of unusual shape goes through the whole indented lines. For any
// bytes both roads must give the same document bytes, or the same error and warning.

#include "feeds/rssimport.h"

#include <cstdint>
#include <cstdlib>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using tidewell::feeds::RssImport;

namespace {
QByteArray run(const QString &path, RssImport::Road road) {
    const RssImport::Result result = RssImport::importFile(path, road);
    QFile document(result.outputPath);
    QByteArray out =
        QByteArray::number(result.ok) + '\0' + result.error.toUtf8() + '\0' + result.warning.toUtf8() + '\0';
    if (document.open(QIODevice::ReadOnly)) {
        out += document.readAll();
    }
    document.remove();
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("feed.rss"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::abort();
    }
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    if (run(path, RssImport::Road::Direct) != run(path, RssImport::Road::Lines)) {
        std::abort();
    }
    // Nothing but the source is left behind: no scratch file, no half-written document.
    if (QDir(dir.path()).entryList(QDir::Files).size() != 1) {
        std::abort();
    }
    return 0;
}
