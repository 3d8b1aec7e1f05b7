#pragma once

#include "channel/channeltree.h"

#include <functional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace tidewell::channel {

// The channel document file (.chf): a channel tree stored node for node. All integers are signed 32-bit
// little-endian; no header. A file is the top-level count followed by one record per top-level node:
//   text length, text bytes, level, node kind, state index, selected index, data size (-1: none),
//   data bytes (only when data size > 0), child count, then the child records.
//
// Reading builds the tree in a scratch tree and replaces the target only when the whole file was read,
// so a damaged file leaves the target as it was. The reader is iterative (deep nesting cannot overflow
// the stack), never reads past the end of its input, and checks every count and length against the
// bytes that remain before using it. Writing streams the records through a small buffer into a QSaveFile:
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

    // Creates (or replaces) the file at path. Error: "Cannot create file <path>".
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

// Shorthands without callbacks; error (may be null) receives the error text.
bool saveChannelDocument(const ChannelTree &tree, const QString &path, QString *error = nullptr);
bool loadChannelTree(ChannelTree &tree, const QString &path, QString *error = nullptr);

} // namespace tidewell::channel
