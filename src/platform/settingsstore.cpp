#include "platform/settingsstore.h"

#include "platform/fileerrors.h"
#include "platform/folders.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <iterator>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tidewell::platform {

namespace {
// The context of the settings store's messages, as the translation tools see it.
struct SettingsText {
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)
};
} // namespace

// File format, one item per line (UTF-8, '#' starts a comment line):
//   [software\hollicore\tidewell]
//   "name" = string "Jo \"J\" Doe"
//   "loadarticle" = integer 1
// Names and string data are quoted with the escapes \\ \" \n \r \t.
//
// Writers take turns: each one holds an exclusive lock on the file "<settings file>.lock" while it reads
// the file, applies its own change and writes the file back, so two programs writing at once never
// overwrite what the other wrote. Readers need no lock: the file is replaced whole, never written in place.

namespace {

struct Key {
    QString path;
    QList<SettingsValue> values;
};

struct Document {
    QList<Key> keys;
};

bool samePath(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString normalisedPath(const QString &path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

QString displayPath(const QString &normalised) {
    return QLatin1Char('\\') + normalised;
}

Key *findKey(Document &doc, const QString &path) {
    for (Key &key : doc.keys) {
        if (samePath(key.path, path)) {
            return &key;
        }
    }
    return nullptr;
}

SettingsValue *findValue(Key &key, const QString &name) {
    for (SettingsValue &value : key.values) {
        if (samePath(value.name, name)) {
            return &value;
        }
    }
    return nullptr;
}

// Makes the key and its missing parents.
Key &ensureKey(Document &doc, const QString &path) {
    const QStringList segments = path.split(QLatin1Char('\\'));
    QString partial;
    for (const QString &segment : segments) {
        partial = partial.isEmpty() ? segment : partial + QLatin1Char('\\') + segment;
        if (!findKey(doc, partial)) {
            doc.keys.append({partial, {}});
        }
    }
    return *findKey(doc, path);
}

// The characters a quoted text writes as a backslash and a letter, and those letters.
struct Escape {
    char16_t raw;
    char16_t letter;
};
constexpr Escape kEscapes[] = {{u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\t', u't'}};

QString quoted(const QString &text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [c](const Escape &e) { return e.raw == c.unicode(); });
        if (escape != std::end(kEscapes)) {
            out += QLatin1Char('\\');
            out += QChar(escape->letter);
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

// The length of the valid UTF-8 sequence at bytes[i], or 0 when the byte there does not start one.
int utf8SequenceLength(QByteArrayView bytes, qsizetype i) {
    const auto at = [&](qsizetype k) { return i + k < bytes.size() ? uchar(bytes[i + k]) : 0; };
    const auto tail = [&](qsizetype k) { return at(k) >= 0x80 && at(k) <= 0xBF; };
    const uchar b = at(0);
    if (b < 0x80) {
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        return tail(1) ? 2 : 0;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        // No overlong forms (E0 needs A0 or more) and no surrogates (ED needs 9F or less).
        const bool second = b == 0xE0 ? at(1) >= 0xA0 && at(1) <= 0xBF
                                      : (b == 0xED ? at(1) >= 0x80 && at(1) <= 0x9F : tail(1));
        return second && tail(2) ? 3 : 0;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        const bool second = b == 0xF0 ? at(1) >= 0x90 && at(1) <= 0xBF
                                      : (b == 0xF4 ? at(1) >= 0x80 && at(1) <= 0x8F : tail(1));
        return second && tail(2) && tail(3) ? 4 : 0;
    }
    return 0;
}

// A byte that is not part of valid UTF-8 (a hand-edited file in another encoding) is held as the lone
// surrogate U+DC00 plus the byte, which no decoded text contains, and written back as the byte itself:
// rewriting the file keeps such bytes as they were instead of turning them into U+FFFD.
constexpr char16_t kKeptByteBase = 0xDC00;

QString decodeKeepingBytes(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (const int length = utf8SequenceLength(bytes, i); length > 0) {
            i += length;
            continue;
        }
        out += QString::fromUtf8(bytes.sliced(runStart, i - runStart));
        out += QChar(char16_t(kKeptByteBase + uchar(bytes[i])));
        runStart = ++i;
    }
    out += QString::fromUtf8(bytes.sliced(runStart));
    return out;
}

QByteArray encodeKeepingBytes(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool keptByte = c >= kKeptByteBase + 0x80 && c <= kKeptByteBase + 0xFF &&
                              !(i > 0 && text[i - 1].isHighSurrogate());
        if (keptByte) {
            out += text.sliced(runStart, i - runStart).toUtf8();
            out += char(c - kKeptByteBase);
            runStart = i + 1;
        }
    }
    out += text.sliced(runStart).toUtf8();
    return out;
}

// An exclusive lock on the file beside the settings file, held for one read-change-write. The kernel
// drops it when the process ends, so a crashed writer never blocks the others.
class WriterLock final {
public:
    explicit WriterLock(const QString &settingsPath) {
        const QString lockPath = settingsPath + QStringLiteral(".lock");
        m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0) {
            // Said of the settings file: the user knows it, and the lock file lies in the same folder.
            m_error = FileErrors::cannotCreate(settingsPath, QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        // Another writer holds the lock for a few milliseconds; waiting long means it hangs.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
                m_error = SettingsText::tr("The settings file %1 is being written by another program that "
                                           "does not finish; nothing was written.")
                              .arg(settingsPath);
                ::close(std::exchange(m_fd, -1));
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~WriterLock() {
        if (m_fd >= 0) {
            ::close(m_fd); // releases the lock
        }
    }
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    bool locked() const { return m_fd >= 0; }
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

// Reads the line, remembering where it is, so an error can say what went wrong.
class LineReader final {
public:
    explicit LineReader(QStringView line) : m_line(line) {}

    void skipSpaces() {
        while (m_pos < m_line.size() &&
               (m_line[m_pos] == QLatin1Char(' ') || m_line[m_pos] == QLatin1Char('\t'))) {
            ++m_pos;
        }
    }
    bool atEnd() {
        skipSpaces();
        return m_pos >= m_line.size();
    }
    bool take(QChar c) {
        skipSpaces();
        if (m_pos < m_line.size() && m_line[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    std::optional<QString> quotedText() {
        if (!take(QLatin1Char('"'))) {
            return std::nullopt;
        }
        QString out;
        while (m_pos < m_line.size()) {
            const QChar c = m_line[m_pos++];
            if (c == QLatin1Char('"')) {
                return out;
            }
            if (c != QLatin1Char('\\')) {
                out += c;
                continue;
            }
            if (m_pos >= m_line.size()) {
                return std::nullopt;
            }
            const char16_t letter = m_line[m_pos++].unicode();
            const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                             [letter](const Escape &e) { return e.letter == letter; });
            if (escape == std::end(kEscapes)) {
                return std::nullopt;
            }
            out += QChar(escape->raw);
        }
        return std::nullopt; // no closing quote
    }
    QString word() {
        skipSpaces();
        const qsizetype start = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos] != QLatin1Char(' ') &&
               m_line[m_pos] != QLatin1Char('\t')) {
            ++m_pos;
        }
        return m_line.mid(start, m_pos - start).toString();
    }

private:
    QStringView m_line;
    qsizetype m_pos = 0;
};

// A reason a line does not parse: a whole sentence with the file as %1, the line number as %2 and, where
// it names one, a detail as %3.
struct LineReason {
    LineReason() = default;
    LineReason(QString sentence, QString detail = QString())
        : sentence(std::move(sentence)), detail(std::move(detail)) {}
    QString sentence;
    QString detail;
    bool isEmpty() const { return sentence.isEmpty(); }
};

QString lineError(const QString &file, int line, const LineReason &reason) {
    return reason.detail.isNull() ? reason.sentence.arg(file, QString::number(line))
                                  : reason.sentence.arg(file, QString::number(line), reason.detail);
}

// Parses a value line into value; returns the reason when the line is not one.
LineReason parseValueLine(QStringView line, SettingsValue &value) {
    LineReader reader(line);
    const std::optional<QString> name = reader.quotedText();
    if (!name || name->isEmpty()) {
        return {SettingsText::tr("The settings file %1 cannot be read: line %2 does not start with a quoted "
                                 "value name. Correct or remove the file; it is left as it is.")};
    }
    value.name = *name;
    if (!reader.take(QLatin1Char('='))) {
        return {SettingsText::tr("The settings file %1 cannot be read: line %2 has no '=' after the value "
                                 "name. Correct or remove the file; it is left as it is.")};
    }
    const QString type = reader.word();
    if (type == QLatin1String("string")) {
        const std::optional<QString> text = reader.quotedText();
        if (!text) {
            return {SettingsText::tr(
                "The settings file %1 cannot be read: line %2 has a string value that is not a complete "
                "quoted text. Correct or remove the file; it is left as it is.")};
        }
        value.type = SettingsType::String;
        value.text = *text;
    } else if (type == QLatin1String("integer")) {
        bool ok = false;
        const qint32 number = reader.word().toInt(&ok);
        if (!ok) {
            return {SettingsText::tr(
                "The settings file %1 cannot be read: line %2 has an integer value that is not a whole "
                "number from -2147483648 to 2147483647. Correct or remove the file; it is left as it is.")};
        }
        value.type = SettingsType::Integer;
        value.number = number;
    } else {
        return {
            SettingsText::tr("The settings file %1 cannot be read: line %2 has the type \"%3\"; only string "
                             "and integer are known. Correct or remove the file; it is left as it is."),
            type};
    }
    if (!reader.atEnd()) {
        return {SettingsText::tr("The settings file %1 cannot be read: line %2 has text after the value. "
                                 "Correct or remove the file; it is left as it is.")};
    }
    return {};
}

std::optional<Document> loadDocument(const QString &filePath, QString *error) {
    Document doc;
    QFile file(filePath);
    if (!file.exists()) {
        return doc;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = SettingsText::tr("Cannot open file %1: %2").arg(filePath, file.errorString());
        }
        return std::nullopt;
    }
    const QString content = decodeKeepingBytes(file.readAll());
    const QStringList lines = content.split(QLatin1Char('\n'));
    Key *current = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const int lineNumber = int(i + 1);
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                if (error) {
                    *error =
                        lineError(filePath, lineNumber,
                                  {SettingsText::tr(
                                      "The settings file %1 cannot be read: line %2 has a key without its "
                                      "closing ']'. Correct or remove the file; it is left as it is.")});
                }
                return std::nullopt;
            }
            const QString path = normalisedPath(line.mid(1, line.size() - 2));
            if (path.isEmpty()) {
                if (error) {
                    *error = lineError(
                        filePath, lineNumber,
                        {SettingsText::tr("The settings file %1 cannot be read: line %2 has an empty key "
                                          "path. Correct or remove the file; it is left as it is.")});
                }
                return std::nullopt;
            }
            current = &ensureKey(doc, path);
            continue;
        }
        SettingsValue value;
        const LineReason reason =
            current ? parseValueLine(line, value)
                    : LineReason{SettingsText::tr(
                          "The settings file %1 cannot be read: line %2 holds a value before any [key]. "
                          "Correct or remove the file; it is left as it is.")};
        if (!reason.isEmpty()) {
            if (error) {
                *error = lineError(filePath, lineNumber, reason);
            }
            return std::nullopt;
        }
        if (SettingsValue *existing = findValue(*current, value.name)) {
            *existing = value;
        } else {
            current->values.append(value);
        }
    }
    return doc;
}

bool saveDocument(const QString &filePath, const Document &doc, QString *error) {
    QString text =
        QStringLiteral("# Tidewell settings. Each [key] holds lines: \"name\" = string \"text\" or "
                       "\"name\" = integer 1\n");
    for (const Key &key : doc.keys) {
        text += QLatin1Char('[') + key.path + QStringLiteral("]\n");
        for (const SettingsValue &value : key.values) {
            text += quoted(value.name) + QStringLiteral(" = ");
            text += value.type == SettingsType::String
                        ? QStringLiteral("string ") + quoted(value.text)
                        : QStringLiteral("integer ") + QString::number(value.number);
            text += QLatin1Char('\n');
        }
    }
    QSaveFile file(filePath);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = encodeKeepingBytes(text);
    ok = ok && file.write(bytes) == bytes.size();
    ok = ok && file.commit();
    if (!ok) {
        if (error) {
            *error = FileErrors::cannotCreate(file);
        }
        return false;
    }
    return true;
}

// Under the writers' lock: loads the file as it is now, lets change alter it, and writes it back when
// change returns true. Only what change touches differs from what another writer left.
bool modify(const QString &filePath, QString *error, const std::function<bool(Document &)> &change) {
    const WriterLock lock(filePath);
    if (!lock.locked()) {
        if (error) {
            *error = lock.error();
        }
        return false;
    }
    std::optional<Document> doc = loadDocument(filePath, error);
    if (!doc) {
        return false;
    }
    if (!change(*doc)) {
        return true;
    }
    return saveDocument(filePath, *doc, error);
}

// The value found has the other type than the wanted one.
QString wrongTypeError(const QString &keyPath, const QString &name, SettingsType wanted,
                       const QString &filePath) {
    const QString text =
        wanted == SettingsType::Integer
            ? SettingsText::tr(
                  "Invalid data type for \"%1\" under %2: it is a string value, an integer value "
                  "was expected (settings file %3).")
            : SettingsText::tr(
                  "Invalid data type for \"%1\" under %2: it is an integer value, a string value "
                  "was expected (settings file %3).");
    return text.arg(name, displayPath(keyPath), filePath);
}

// The value named name of the key, read from the file; nullopt in found when absent.
struct Lookup {
    std::optional<SettingsValue> found;
    QString error;
};

Lookup lookup(const QString &filePath, const QString &keyPath, const QString &name) {
    Lookup result;
    std::optional<Document> doc = loadDocument(filePath, &result.error);
    if (!doc) {
        return result;
    }
    if (Key *key = findKey(*doc, keyPath)) {
        if (SettingsValue *value = findValue(*key, name)) {
            result.found = *value;
        }
    }
    return result;
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(Folders::settingsFile()) {}

SettingsStore::SettingsStore(const QString &filePath) : m_filePath(filePath) {}

std::optional<SettingsKey> SettingsStore::openKey(const QString &path, bool create, QString *error) const {
    const QString normalised = normalisedPath(path);
    if (normalised.isEmpty()) {
        if (error) {
            *error = SettingsText::tr("Invalid settings key \"%1\".").arg(path);
        }
        return std::nullopt;
    }
    std::optional<Document> doc = loadDocument(m_filePath, error);
    if (!doc) {
        return std::nullopt;
    }
    if (const Key *key = findKey(*doc, normalised)) {
        return SettingsKey(m_filePath, key->path);
    }
    if (!create) {
        return std::nullopt;
    }
    QString keyPath = normalised;
    const bool made = modify(m_filePath, error, [&](Document &current) {
        // Another writer may have made it meanwhile, perhaps under another spelling.
        const bool absent = !findKey(current, normalised);
        keyPath = ensureKey(current, normalised).path;
        return absent;
    });
    if (!made) {
        return std::nullopt;
    }
    return SettingsKey(m_filePath, keyPath);
}

bool SettingsStore::eraseKey(const QString &path, QString *error) const {
    const QString normalised = normalisedPath(path);
    return modify(m_filePath, error, [&](Document &doc) {
        const qsizetype removed = doc.keys.removeIf([&](const Key &key) {
            return samePath(key.path, normalised) ||
                   key.path.startsWith(normalised + QLatin1Char('\\'), Qt::CaseInsensitive);
        });
        return removed > 0;
    });
}

SettingsRead<QString> SettingsKey::readString(const QString &name) const {
    SettingsRead<QString> result;
    const Lookup found = lookup(m_filePath, m_path, name);
    result.error = found.error;
    if (found.found) {
        if (found.found->type != SettingsType::String) {
            result.error = wrongTypeError(m_path, name, SettingsType::String, m_filePath);
        } else {
            result.value = found.found->text;
        }
    }
    return result;
}

SettingsRead<qint32> SettingsKey::readInteger(const QString &name) const {
    SettingsRead<qint32> result;
    const Lookup found = lookup(m_filePath, m_path, name);
    result.error = found.error;
    if (!result.ok()) {
        return result;
    }
    if (!found.found) {
        result.error =
            SettingsText::tr("The value \"%1\" under %2 does not exist.").arg(name, displayPath(m_path));
    } else if (found.found->type != SettingsType::Integer) {
        result.error = wrongTypeError(m_path, name, SettingsType::Integer, m_filePath);
    } else {
        result.value = found.found->number;
    }
    return result;
}

SettingsRead<QList<SettingsValue>> SettingsKey::values() const {
    SettingsRead<QList<SettingsValue>> result;
    std::optional<Document> doc = loadDocument(m_filePath, &result.error);
    if (doc) {
        if (const Key *key = findKey(*doc, m_path)) {
            result.value = key->values;
        }
    }
    return result;
}

bool SettingsKey::writeString(const QString &name, const QString &value, QString *error) const {
    SettingsValue written{name, SettingsType::String, value, 0};
    return modify(m_filePath, error, [&](Document &doc) {
        Key &key = ensureKey(doc, m_path);
        if (SettingsValue *existing = findValue(key, name)) {
            *existing = {existing->name, SettingsType::String, value, 0};
        } else {
            key.values.append(written);
        }
        return true;
    });
}

bool SettingsKey::writeInteger(const QString &name, qint32 value, QString *error) const {
    SettingsValue written{name, SettingsType::Integer, QString(), value};
    return modify(m_filePath, error, [&](Document &doc) {
        Key &key = ensureKey(doc, m_path);
        if (SettingsValue *existing = findValue(key, name)) {
            *existing = {existing->name, SettingsType::Integer, QString(), value};
        } else {
            key.values.append(written);
        }
        return true;
    });
}

bool SettingsKey::eraseValue(const QString &name, QString *error) const {
    return modify(m_filePath, error, [&](Document &doc) {
        Key *key = findKey(doc, m_path);
        return key &&
               key->values.removeIf([&](const SettingsValue &v) { return samePath(v.name, name); }) > 0;
    });
}

} // namespace tidewell::platform
