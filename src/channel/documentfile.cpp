#include "channel/documentfile.h"

#include "platform/fileerrors.h"
#include "platform/regularfile.h"

#include <algorithm>
#include <cstring>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <QtEndian>
#include <vector>

namespace tidewell::channel {

namespace {

// The fixed fields of a record: text length, level, kind, state index, selected index, data size, child
// count. No record is shorter, so a count of N records needs at least N * kMinRecordSize bytes.
constexpr qint64 kMinRecordSize = 7 * 4;

// The context of the texts below, as the translation tools see it.
struct DocumentFileText {
    Q_DECLARE_TR_FUNCTIONS(DocumentFile)
};

// The bytes of a document as the reader takes them: all of them in memory, or a file read in slices
// into a buffer of its own. Reading a file instead of mapping it keeps the program alive when another
// program cuts the file short meanwhile (a mapped page past the new end kills the process); the reader
// sees the file end early and says so.
class DocumentInput final {
public:
    explicit DocumentInput(QByteArrayView bytes)
        : m_start(bytes.data()), m_cur(m_start), m_end(m_start + bytes.size()), m_size(bytes.size()) {}
    // size: the file's size when reading began; the reader checks counts and lengths against it.
    DocumentInput(QFile &file, qint64 size) : m_file(&file), m_buffer(kSliceBytes), m_size(size) {
        m_start = m_cur = m_end = m_buffer.data();
    }

    qint64 pos() const { return m_windowPos + (m_cur - m_start); }
    qint64 left() const { return m_size - pos(); }
    // Why the input ended before the bytes asked for, when that was the file and not the document.
    const QString &readError() const { return m_readError; }

    // At least n bytes (n <= kSliceBytes) between m_cur and m_end; false when the input ends first.
    bool ensure(qint64 n) { return m_end - m_cur >= n || refill(n); }
    const char *current() const { return m_cur; }
    void skip(qint64 n) { m_cur += n; }

    // n bytes (n <= left()) copied into out.
    bool take(std::string &out, qint64 n) {
        if (m_end - m_cur >= n) {
            out.assign(m_cur, size_t(n));
            m_cur += n;
            return true;
        }
        out.resize(size_t(n));
        const qint64 done = m_end - m_cur;
        std::memcpy(out.data(), m_cur, size_t(done));
        m_cur = m_end;
        if (m_file && n - done >= qint64(m_buffer.size())) {
            // A long text goes straight from the file into its string.
            const qint64 at = pos();
            if (!readFile(out.data() + done, n - done, n - done, at)) {
                return false;
            }
            m_windowPos = at + (n - done);
            m_cur = m_end = m_buffer.data();
            return true;
        }
        if (!refill(n - done)) {
            return false;
        }
        std::memcpy(out.data() + done, m_cur, size_t(n - done));
        m_cur += n - done;
        return true;
    }

private:
    static constexpr qint64 kSliceBytes = 256 * 1024;

    // Moves the unread rest to the front of the buffer and reads until it holds at least n bytes.
    bool refill(qint64 n) {
        if (!m_file) {
            return false;
        }
        const qint64 rest = m_end - m_cur;
        m_windowPos = pos();
        std::memmove(m_buffer.data(), m_cur, size_t(rest));
        m_cur = m_buffer.data();
        m_end = m_cur + rest;
        const qint64 wanted = std::min<qint64>(qint64(m_buffer.size()) - rest, m_size - m_windowPos - rest);
        if (wanted < n - rest) {
            return false; // past the size the file had: the document itself is short
        }
        qint64 got = 0;
        const bool ok = readFile(m_buffer.data() + rest, wanted, n - rest, m_windowPos + rest, &got);
        m_end += got;
        return ok;
    }

    // Reads up to max bytes, at least min, from the file's current position, which is offset in the
    // input; got receives the count.
    bool readFile(char *to, qint64 max, qint64 min, qint64 offset, qint64 *got = nullptr) {
        qint64 done = 0;
        while (done < min) {
            const qint64 n = m_file->read(to + done, max - done);
            if (n < 0) {
                m_readError = DocumentFileText::tr("Cannot read file %1: %2")
                                  .arg(m_file->fileName(), m_file->errorString());
                break;
            }
            if (n == 0) {
                m_readError =
                    DocumentFileText::tr(
                        "File %1 was cut short while it was read: it ends at byte offset %2 instead "
                        "of %3. Another program may have changed it; open it again.")
                        .arg(m_file->fileName(), QString::number(offset + done), QString::number(m_size));
                break;
            }
            done += n;
        }
        if (got) {
            *got = done;
        }
        return done >= min;
    }

    QFile *m_file = nullptr;
    std::vector<char> m_buffer;
    const char *m_start = nullptr; // the window: the input's bytes from m_windowPos on
    const char *m_cur = nullptr;
    const char *m_end = nullptr;
    qint64 m_windowPos = 0; // offset of the window's start in the input
    qint64 m_size = 0;
    QString m_readError;
};

// Reads the document bytes; every failure sets the error text naming the source and the byte offset.
class Reader final {
public:
    Reader(DocumentInput &input, const QString &sourceName) : m_in(input), m_source(sourceName) {}

    bool read(ChannelTree &tree, const std::function<void(TreeNode &)> &onNodeLoaded) {
        struct Frame {
            TreeNode *parent; // the enclosing record's node; nullptr for the top-level records
            qint32 remaining;
        };
        qint32 topCount = 0;
        if (!readCount(topCount, "top-level count")) {
            return false;
        }
        tree.reserveChildren(nullptr, topCount);
        std::vector<Frame> frames{{nullptr, topCount}};
        std::string text;
        while (!frames.empty()) {
            Frame &frame = frames.back();
            if (frame.remaining == 0) {
                frames.pop_back();
                continue;
            }
            --frame.remaining;
            m_pending -= kMinRecordSize;
            TreeNode *const enclosing = frame.parent; // frame may move when frames grows

            qint32 textLength = 0;
            if (!readLength(textLength, "text length") || !take(text, textLength)) {
                return false;
            }

            qint32 level = 0, kind = 0, stateIndex = 0, selectedIndex = 0, dataSize = 0;
            if (!readInt(level) || !readInt(kind) || !readInt(stateIndex) || !readInt(selectedIndex)) {
                return false;
            }
            const qint64 dataSizeOffset = m_in.pos();
            if (!readInt(dataSize)) {
                return false;
            }
            std::unique_ptr<std::string> data;
            if (dataSize < -1) {
                return fail(negativeText("data size", dataSize, dataSizeOffset));
            }
            if (dataSize > 0) {
                if (dataSize > m_in.left()) {
                    return fail(tooLargeText("data size", dataSize, dataSizeOffset, m_in.left()));
                }
                data = std::make_unique<std::string>();
                if (!take(*data, dataSize)) {
                    return false;
                }
            }
            qint32 childCount = 0;
            if (!readCount(childCount, "child count")) {
                return false;
            }

            // A record with level 0 becomes a top-level node even inside another record.
            TreeNode *node = tree.append(level > 0 ? enclosing : nullptr, std::move(text), kind);
            node->stateIndex = stateIndex;
            node->selectedIndex = selectedIndex;
            node->data = std::move(data);
            if (onNodeLoaded) {
                onNodeLoaded(*node);
            }
            if (childCount > 0) {
                // Safe to reserve: readCount checked that the bytes left can hold that many records.
                tree.reserveChildren(node, childCount);
                frames.push_back({node, childCount});
            }
        }
        return true;
    }

    QString error() const { return m_error; }

private:
    bool readInt(qint32 &value) {
        if (!m_in.ensure(4)) {
            return inputEnded();
        }
        value = qFromLittleEndian<qint32>(m_in.current());
        m_in.skip(4);
        return true;
    }

    bool take(std::string &out, qint64 size) { return m_in.take(out, size) || inputEnded(); }

    bool inputEnded() {
        if (!m_in.readError().isEmpty()) {
            return fail(m_in.readError());
        }
        return fail(
            DocumentFileText::tr("File %1 is damaged: it ends inside a node record at byte offset %2.")
                .arg(m_source, QString::number(m_in.pos())));
    }

    // A text length: not negative, and no longer than the bytes left.
    bool readLength(qint32 &value, const char *what) {
        const qint64 offset = m_in.pos();
        if (!readInt(value)) {
            return false;
        }
        if (value < 0) {
            return fail(negativeText(what, value, offset));
        }
        if (value > m_in.left()) {
            return fail(tooLargeText(what, value, offset, m_in.left()));
        }
        return true;
    }

    // A count of records: not negative, and the bytes left must hold that many records besides the
    // records still owed by the enclosing ones.
    bool readCount(qint32 &value, const char *what) {
        const qint64 offset = m_in.pos();
        if (!readInt(value)) {
            return false;
        }
        if (value < 0) {
            return fail(negativeText(what, value, offset));
        }
        const qint64 needed = qint64(value) * kMinRecordSize;
        if (value > 0 && needed + m_pending > m_in.left()) {
            return fail(tooLargeText(what, value, offset, m_in.left()));
        }
        m_pending += needed;
        return true;
    }

    QString negativeText(const char *what, qint32 value, qint64 offset) const {
        return DocumentFileText::tr("File %1 is damaged: negative %2 %3 at byte offset %4.")
            .arg(m_source, DocumentFileText::tr(what), QString::number(value), QString::number(offset));
    }

    QString tooLargeText(const char *what, qint32 value, qint64 offset, qint64 left) const {
        return DocumentFileText::tr(
                   "File %1 is damaged: %2 %3 at byte offset %4 is more than the %5 bytes left can hold.")
            .arg(m_source, DocumentFileText::tr(what), QString::number(value), QString::number(offset),
                 QString::number(left));
    }

    bool fail(const QString &text) {
        m_error = text;
        return false;
    }

    DocumentInput &m_in;
    QString m_source;
    qint64 m_pending = 0; // minimum bytes of the records announced but not yet read
    QString m_error;
};

// Builds the tree in a scratch tree and replaces tree only when the whole input was read.
bool readDocument(DocumentInput &input, ChannelTree &tree, const QString &sourceName,
                  const std::function<void(TreeNode &)> &onNodeLoaded, QString &error) {
    Reader reader(input, sourceName);
    ChannelTree built;
    if (!reader.read(built, onNodeLoaded)) {
        error = reader.error();
        return false;
    }
    tree = std::move(built);
    return true;
}

} // namespace

QByteArray DocumentFile::encode(const ChannelTree &tree) const {
    QByteArray out;
    writeRecords(tree, [&out](const char *bytes, size_t size) { out.append(bytes, qsizetype(size)); });
    return out;
}

DocumentRecordWriter::DocumentRecordWriter(Sink sink, DataSizeRequest dataSize)
    : m_sink(std::move(sink)), m_dataSize(std::move(dataSize)), m_buffer(new char[kChunkBytes]) {}

void DocumentRecordWriter::flush() {
    if (m_used > 0) {
        m_sink(m_buffer.get(), m_used);
        m_used = 0;
    }
}

void DocumentRecordWriter::putBytes(const char *bytes, size_t size) {
    if (m_used + size > kChunkBytes) {
        flush();
        if (size > kChunkBytes) {
            m_sink(bytes, size);
            return;
        }
    }
    std::memcpy(m_buffer.get() + m_used, bytes, size);
    m_used += size;
}

void DocumentRecordWriter::putInt(qint32 value) {
    if (m_used + 4 > kChunkBytes) {
        flush();
    }
    qToLittleEndian(value, m_buffer.get() + m_used);
    m_used += 4;
}

void DocumentRecordWriter::putSubtree(const TreeNode &top) {
    std::vector<Step> &stack = m_stack;
    stack.assign(1, {&top, 0});
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        const TreeNode &node = *step.node;
        putInt(qint32(node.text.size()));
        putBytes(node.text.data(), node.text.size());
        putInt(step.level);
        putInt(node.kind);
        putInt(node.stateIndex);
        putInt(node.selectedIndex);
        int dataSize = -1;
        if (node.data && m_dataSize) {
            m_dataSize(node, dataSize);
            // Never more than the node holds: the size field must match the bytes that follow.
            dataSize = std::clamp(dataSize, -1, int(node.data->size()));
        }
        putInt(dataSize);
        if (dataSize > 0) {
            putBytes(node.data->data(), size_t(dataSize));
        }
        putInt(node.childCount());
        for (int i = node.childCount() - 1; i >= 0; --i) {
            stack.push_back({node.child(i), step.level + 1});
        }
    }
}

void DocumentFile::writeRecords(const ChannelTree &tree,
                                const std::function<void(const char *, size_t)> &sink) const {
    DocumentRecordWriter writer(sink, OnRequestDataSize);
    writer.putCount(tree.topLevelCount());
    for (int i = 0; i < tree.topLevelCount(); ++i) {
        writer.putSubtree(*tree.topLevel(i));
    }
    writer.flush();
}

StreamedDocumentFile::StreamedDocumentFile(const QString &path)
    : m_file(path), m_writer([this](const char *bytes, size_t size) { m_file.write(bytes, qint64(size)); }) {}

bool StreamedDocumentFile::open() {
    if (!m_file.open(QIODevice::WriteOnly)) {
        return false;
    }
    m_writer.putCount(0); // the real count once every top-level node is written
    return true;
}

void StreamedDocumentFile::append(const TreeNode &topLevel) {
    m_writer.putSubtree(topLevel);
    ++m_count;
}

QString StreamedDocumentFile::errorString() const {
    return platform::FileErrors::cannotCreate(m_file);
}

bool StreamedDocumentFile::commit() {
    m_writer.flush();
    char raw[4];
    qToLittleEndian(m_count, raw);
    // A failed write or seek is kept by the file and makes commit() fail.
    if (!m_file.seek(0) || m_file.write(raw, 4) != 4) {
        m_file.cancelWriting();
    }
    return m_file.commit();
}

bool DocumentFile::decode(QByteArrayView bytes, ChannelTree &tree, const QString &sourceName) {
    DocumentInput input(bytes);
    return readDocument(input, tree, sourceName, OnNodeLoaded, m_error);
}

bool DocumentFile::SaveTreeToFile(const ChannelTree &tree, const QString &path) {
    StreamedDocumentFile file(path);
    file.setDataSizeRequest(OnRequestDataSize);
    if (file.open()) {
        for (int i = 0; i < tree.topLevelCount(); ++i) {
            file.append(*tree.topLevel(i));
        }
        if (file.commit()) {
            return true;
        }
    }
    m_error = file.errorString();
    return false;
}

bool DocumentFile::SaveTreeToStream(const ChannelTree &tree, QIODevice *stream) {
    if (!stream) {
        return true;
    }
    bool written = true;
    writeRecords(tree, [stream, &written](const char *bytes, size_t size) {
        written = written && stream->write(bytes, qint64(size)) == qint64(size);
    });
    if (!written) {
        m_error = DocumentFileText::tr("Cannot write the channel document: %1").arg(stream->errorString());
        return false;
    }
    return true;
}

bool DocumentFile::LoadTreeFromFile(ChannelTree &tree, const QString &path) {
    if (const platform::Status regular = platform::requireRegularFile(path); !regular) {
        m_error = regular.error();
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_error = DocumentFileText::tr("Cannot open file %1").arg(path);
        return false;
    }
    DocumentInput input(file, file.size());
    return readDocument(input, tree, path, OnNodeLoaded, m_error);
}

bool DocumentFile::LoadTreeFromStream(ChannelTree &tree, QIODevice *stream, const QString &sourceName) {
    if (!stream) {
        return true;
    }
    const QByteArray bytes = stream->readAll();
    return decode(bytes, tree, sourceName.isEmpty() ? DocumentFileText::tr("(stream)") : sourceName);
}

bool saveChannelDocument(const ChannelTree &tree, const QString &path, QString *error) {
    DocumentFile file;
    const bool ok = file.SaveTreeToFile(tree, path);
    if (!ok && error) {
        *error = file.errorString();
    }
    return ok;
}

bool loadChannelTree(ChannelTree &tree, const QString &path, QString *error) {
    DocumentFile file;
    const bool ok = file.LoadTreeFromFile(tree, path);
    if (!ok && error) {
        *error = file.errorString();
    }
    return ok;
}

} // namespace tidewell::channel
