#pragma once

#include "channel/channeltree.h"

#include <functional>
#include <memory>
#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>
#include <vector>

class QIODevice;

namespace tidewell::channel {

// The channel document file (.chf): a channel tree stored node for node. All integers are signed 32-bit
// little-endian; no header. A file is the top-level count followed by one record per top-level node:
//   text length, text bytes, level, node kind, state index, selected index, data size (-1: none),
//   data bytes (only when data size > 0), child count, then the child records.
//
// Reading builds the tree in a scratch tree and replaces the target only when the whole file was read,
// so a damaged file, or one cut short by another program while it is read, leaves the target as it was.
// The reader is iterative (deep nesting cannot overflow the stack), reads a file in slices (never maps
// it), never reads past the end of its input, and checks every count and length against the bytes that
// remain before using it. Writing streams the records through a small buffer into a QSaveFile:
// the file is written whole or not at all.
class DocumentFile final {
public:
    // Asked while writing, for each node that carries a data block: the number of its bytes to write
    // (in and out; starts at -1). Without it every node is written with data size -1.
    std::function<void(const TreeNode &node, int &size)> OnRequestDataSize;
    // Told while reading, after each node is created and before its children are read.
    std::function<void(TreeNode &node)> OnNodeLoaded;

    // The file's bytes for a tree.
    QByteArray encode(const ChannelTree &tree) const;
    // Rebuilds tree from bytes; sourceName names the input in error texts.
    bool decode(QByteArrayView bytes, ChannelTree &tree, const QString &sourceName);

    // Creates (or replaces) the file at path. Error: "Cannot create file <path>: <reason>".
    bool SaveTreeToFile(const ChannelTree &tree, const QString &path);
    // Writes to an open device; a null device writes nothing (and succeeds).
    bool SaveTreeToStream(const ChannelTree &tree, QIODevice *stream);
    // Error: "Cannot open file <path>" (tree unchanged), or a damaged-file text naming path and offset.
    bool LoadTreeFromFile(ChannelTree &tree, const QString &path);
    // Reads the rest of an open device; a null device changes nothing (and succeeds). Offsets in error
    // texts count from the device's position at the call.
    bool LoadTreeFromStream(ChannelTree &tree, QIODevice *stream, const QString &sourceName = QString());

    // The error of the last failed call.
    QString errorString() const { return m_error; }

private:
    // Writes the file's bytes in chunks to sink.
    void writeRecords(const ChannelTree &tree, const std::function<void(const char *, size_t)> &sink) const;

    QString m_error;
};

// Writes the records of a channel document to a sink through a buffer of a fixed size, so a long channel
// never needs the whole file in memory: the top-level count, then each top-level node with its subtree.
class DocumentRecordWriter final {
public:
    using Sink = std::function<void(const char *, size_t)>;
    // As DocumentFile::OnRequestDataSize; without it every node is written with data size -1.
    using DataSizeRequest = std::function<void(const TreeNode &node, int &size)>;

    explicit DocumentRecordWriter(Sink sink, DataSizeRequest dataSize = {});
    void setDataSizeRequest(DataSizeRequest dataSize) { m_dataSize = std::move(dataSize); }

    void putCount(qint32 count) { putInt(count); }
    // The records of node (as a top-level node, level 0) and of its descendants, in pre-order.
    void putSubtree(const TreeNode &node);
    // Hands what the buffer holds to the sink.
    void flush();

private:
    static constexpr size_t kChunkBytes = 64 * 1024;
    void putInt(qint32 value);
    void putBytes(const char *bytes, size_t size);

    Sink m_sink;
    DataSizeRequest m_dataSize;
    std::unique_ptr<char[]> m_buffer;
    size_t m_used = 0;
    struct Step {
        const TreeNode *node;
        qint32 level;
    };
    std::vector<Step> m_stack;
};

// A channel document file written one top-level node at a time, for a writer that does not know the
// number of top-level nodes in advance (the count is filled in by commit()). Written whole or not at
// all: nothing reaches path before commit() succeeds, and a file never committed is discarded.
class StreamedDocumentFile final {
public:
    explicit StreamedDocumentFile(const QString &path);
    StreamedDocumentFile(const StreamedDocumentFile &) = delete;
    StreamedDocumentFile &operator=(const StreamedDocumentFile &) = delete;

    void setDataSizeRequest(DocumentRecordWriter::DataSizeRequest dataSize) {
        m_writer.setDataSizeRequest(std::move(dataSize));
    }
    bool open();
    // Writes topLevel with its subtree as the next top-level record.
    void append(const TreeNode &topLevel);
    bool commit();
    // Why open() or commit() failed: "Cannot create file <path>: <reason>".
    QString errorString() const;

private:
    QSaveFile m_file;
    DocumentRecordWriter m_writer;
    qint32 m_count = 0;
};

// Shorthands without callbacks; error (may be null) receives the error text.
bool saveChannelDocument(const ChannelTree &tree, const QString &path, QString *error = nullptr);
bool loadChannelTree(ChannelTree &tree, const QString &path, QString *error = nullptr);

} // namespace tidewell::channel
