#include "blog/blogpublisherpages.h"

#include "platform/dbcursor.h"
#include "platform/fileerrors.h"
#include "platform/markupescape.h"
#include "platform/textcodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace tidewell::blog {

using platform::Result;
using platform::Status;

namespace {

// A template larger than this is not a page template; reading stops there.
constexpr qint64 kTemplateLimit = 16 * 1024 * 1024;
constexpr qsizetype kShownLength = 44;
constexpr qsizetype kReadMoreFrom = 200;
constexpr int kPasses = 5;

const QString kText = QStringLiteral("{$BLOG_TEXT}");

// The text of a template file: UTF-8, or Windows-1252 for a file saved by an older editor.
QString decodeTemplate(const QByteArray &bytes) {
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    return platform::isValidUtf8(view) ? QString::fromUtf8(bytes) : platform::decodeWindows1252(view);
}

} // namespace

Result<PublishedEntry> PublishedEntry::read(platform::DbCursor &cursor) {
    PublishedEntry entry;
    const std::pair<const char *, QString *> texts[] = {
        {"date", &entry.date},         {"time", &entry.time},
        {"author", &entry.author},     {"title", &entry.title},
        {"link", &entry.link},         {"linkdes", &entry.linkdes},
        {"blogtext", &entry.blogtext}, {"guid", &entry.guid},
        {"month", &entry.month},       {"shortblogtext", &entry.shortblogtext},
    };
    for (const auto &[column, target] : texts) {
        Result<QString> value = cursor.fieldText(QLatin1String(column));
        if (!value) {
            return Result<PublishedEntry>::failure(value.error());
        }
        *target = std::move(*value);
    }
    const Result<qint64> archived = cursor.fieldInteger(QStringLiteral("archived"));
    if (!archived) {
        return Result<PublishedEntry>::failure(archived.error());
    }
    entry.archived = *archived;
    return entry;
}

Result<QStringList> TemplateFiles::lines(const QString &name) {
    if (const auto found = m_loaded.constFind(name); found != m_loaded.constEnd()) {
        return *found;
    }
    const QString path = m_folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return Result<QStringList>::failure(tr("Cannot open file %1").arg(path));
    }
    const QByteArray bytes = file.read(kTemplateLimit);
    if (file.error() != QFileDevice::NoError) {
        return Result<QStringList>::failure(tr("Cannot open file %1").arg(path));
    }
    QStringList result;
    if (!bytes.isEmpty()) {
        result = decodeTemplate(bytes).split(QLatin1Char('\n'));
        // A last line end does not start another line.
        if (bytes.endsWith('\n')) {
            result.removeLast();
        }
        for (QString &line : result) {
            if (line.endsWith(QLatin1Char('\r'))) {
                line.chop(1);
            }
        }
    }
    m_loaded.insert(name, result);
    return result;
}

namespace placeholders {

void replaceAll(QString &line, const Replacements &replacements) {
    if (!line.contains(QLatin1String("{$"))) {
        return;
    }
    for (const auto &[placeholder, value] : replacements) {
        line.replace(placeholder, value);
    }
}

void replaceFiveTimes(QString &line, const Replacements &replacements) {
    for (int pass = 0; pass < kPasses; ++pass) {
        // A pass that changes nothing leaves the next ones nothing to change either.
        const QString before = line;
        replaceAll(line, replacements);
        if (line.size() == before.size() && line == before) {
            return;
        }
    }
}

QString shortened(const QString &text, const QString &suffix) {
    if (text.size() <= kShownLength) {
        return text;
    }
    // Never cut a character outside the basic plane in two.
    const qsizetype cut = text.at(kShownLength - 1).isHighSurrogate() ? kShownLength - 1 : kShownLength;
    return text.left(cut) + suffix;
}

QString titleLink(const PublishedEntry &entry) {
    return QLatin1String("<a href=\"") + entry.guid + QLatin1String(".htm\" title=\"") +
           platform::escapeMarkup(entry.title, platform::MarkupEscape::Attribute) + QLatin1String("\">") +
           shortened(entry.title, QStringLiteral(" >>")) + QLatin1String("</a>");
}

QString shortText(const PublishedEntry &entry) {
    if (entry.shortblogtext.size() < kReadMoreFrom) {
        return entry.shortblogtext;
    }
    return entry.shortblogtext + QLatin1String(" <a href=\"") + entry.guid +
           QLatin1String(".htm\" title=\"Read more here..\">&gt;&gt;</a>");
}

Replacements entryValues(const PublishedEntry &entry, bool dateWithTime) {
    return {
        {QStringLiteral("{$BLOG_LINK_DESC}"), shortened(entry.linkdes, QStringLiteral(".."))},
        {QStringLiteral("{$BLOG_AUTHOR}"), entry.author},
        {QStringLiteral("{$BLOG_DATE}"),
         dateWithTime ? entry.date + QLatin1String(" - ") + entry.time : entry.date},
        // An address is placed into href="..." by templates: escaped for an attribute, which shows the
        // same in text.
        {QStringLiteral("{$BLOG_LINK}"),
         platform::escapeMarkup(entry.link, platform::MarkupEscape::Attribute)},
        {QStringLiteral("{$BLOG_TITLE}"), titleLink(entry)},
    };
}

QString entryLines(const QStringList &lines, const PublishedEntry &entry, const QString &text) {
    const Replacements values = entryValues(entry);
    QString out;
    for (QString line : lines) {
        replaceFiveTimes(line, values);
        line.replace(kText, text);
        appendLine(out, line);
    }
    return out;
}

} // namespace placeholders

void appendLine(QString &out, const QString &line) {
    out += line;
    out += QLatin1String("\r\n");
}

Result<QString> entryPagePath(const QString &folder, const QString &guid) {
    const QString path = folder + QLatin1Char('/') + guid + QLatin1String(".htm");
    if (guid.isEmpty() || guid.startsWith(QLatin1Char('.')) || guid.contains(QLatin1Char('/')) ||
        guid.contains(QLatin1Char('\\'))) {
        return Result<QString>::failure(platform::FileErrors::cannotCreate(
            path, QCoreApplication::translate("BlogPublisher", "the entry's guid is not a file name")));
    }
    return path;
}

Status writeTextFile(const QString &path, const QString &text) {
    return writeTextFile(path, text.toUtf8());
}

Status writeTextFile(const QString &path, const QByteArray &bytes) {
    // A run writes thousands of small pages: a temporary file beside the page, renamed over it when
    // complete, so a page is there whole or not at all, at a few system calls per page (a QSaveFile
    // resolves the whole path and syncs every file, several times the cost of the page itself).
    static int counter = 0;
    static const QByteArray process = QByteArray::number(qint64(::getpid()));
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + '.' + process + '-' + QByteArray::number(++counter) + ".tmp";
    const auto failed = [&](int error) {
        ::unlink(temporary.constData());
        return Status::failure(
            platform::FileErrors::cannotCreate(path, QString::fromLocal8Bit(std::strerror(error))));
    };
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Status::failure(
            platform::FileErrors::cannotCreate(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return failed(error);
        }
        written += n;
    }
    if (::close(fd) != 0) {
        return failed(errno);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        return failed(errno);
    }
    return {};
}

} // namespace tidewell::blog
