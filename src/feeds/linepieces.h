#pragma once

#include <QByteArray>
#include <string_view>

class QIODevice;

namespace tidewell::feeds {

// Reads a device line by line through one fixed block, so a text of any shape (millions of line breaks,
// one line of hundreds of megabytes) costs one block of memory. Lines end at CR LF, lone CR or lone LF, a
// final line break adds no empty line and an empty text has no lines (the rules of forEachLine). A line
// longer than what the block holds comes in several pieces.
class LinePieces final {
public:
    explicit LinePieces(QIODevice &device, qsizetype blockSize = 64 * 1024);

    // The next piece of the current line; lineEnds is true on a line's last piece. False at the end.
    bool next(std::string_view &piece, bool &lineEnds);

private:
    bool refill();

    QIODevice &m_device;
    QByteArray m_block;
    qsizetype m_pos = 0;
    qsizetype m_length = 0;
    bool m_skipLineFeed = false; // the last line ended at a CR: an LF right after it belongs to it
    bool m_openLine = false;     // a piece of the current line was handed out without its end
};

} // namespace tidewell::feeds
