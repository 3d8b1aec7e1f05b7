// libFuzzer target for the OPML import's address extraction and the feed file names made from the
// addresses: one address per "<outline" line, each a part of its line with its character references
// decoded (never longer than the line; a double quote only from a reference), and every name a usable
// file name in the data directory, distinct within one batch.

#include "feeds/feedfilename.h"
#include "feeds/opmlimport.h"

#include <cstdint>
#include <cstdlib>
#include <QSet>

using tidewell::feeds::OpmlImport;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = OpmlImport::textLines(text);
    const QStringList addresses = OpmlImport::extractAddresses(lines);
    qsizetype outlines = 0;
    for (const QString &line : lines) {
        if (!line.contains(QLatin1String("<outline"))) {
            continue;
        }
        const QString &address = addresses.value(outlines++);
        if ((address.contains(QLatin1Char('"')) && !line.contains(QLatin1Char('&'))) ||
            address.size() > line.size() || (!line.contains(QLatin1Char('&')) && !line.contains(address))) {
            std::abort();
        }
    }
    if (outlines != addresses.size()) {
        std::abort();
    }
    tidewell::feeds::BatchFileNames names;
    QSet<QString> seen;
    for (const QString &address : addresses) {
        const QString name = names.claim(tidewell::feeds::feedFileName(address));
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
            name.contains(QLatin1Char('/')) || name.contains(QChar(0)) || seen.contains(name)) {
            std::abort();
        }
        seen.insert(name);
    }
    return 0;
}
