#include "channel/categoryfile.h"

#include "platform/fileerrors.h"
#include "platform/folders.h"
#include "platform/textcodec.h"

#include <algorithm>
#include <QFile>
#include <QSaveFile>

namespace tidewell::channel {

namespace {
bool lessThan(const QString &a, const QString &b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}
} // namespace

QString CategoryFile::defaultPath() {
    return platform::Folders::dataDirectory() + QStringLiteral("/category.dat");
}

QStringList CategoryFile::load(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringList entries;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            end = bytes.size();
        }
        qsizetype stop = end;
        if (stop > start && bytes.at(stop - 1) == '\r') {
            --stop;
        }
        entries.append(
            platform::displayText(std::string_view(bytes.constData() + start, size_t(stop - start))));
        start = end + 1;
    }
    sort(entries);
    return entries;
}

bool CategoryFile::save(const QString &path, const QStringList &entries, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) {
            *error = platform::FileErrors::cannotCreate(file);
        }
        return false;
    }
    QByteArray bytes;
    for (const QString &entry : entries) {
        bytes += entry.toUtf8();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) {
            *error = platform::FileErrors::cannotCreate(file);
        }
        return false;
    }
    return true;
}

bool CategoryFile::add(QStringList &entries, const QString &text) {
    if (entries.contains(text, Qt::CaseSensitive)) {
        return false;
    }
    entries.insert(std::upper_bound(entries.begin(), entries.end(), text, lessThan), text);
    return true;
}

void CategoryFile::sort(QStringList &entries) {
    std::stable_sort(entries.begin(), entries.end(), lessThan);
}

} // namespace tidewell::channel
