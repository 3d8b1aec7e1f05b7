#include "feeds/linepieces.h"

#include <QIODevice>

namespace tidewell::feeds {

LinePieces::LinePieces(QIODevice &device, qsizetype blockSize) : m_device(device) {
    m_block.resize(blockSize > 0 ? blockSize : 1);
}

bool LinePieces::refill() {
    const qint64 got = m_device.read(m_block.data(), m_block.size());
    m_pos = 0;
    m_length = got > 0 ? qsizetype(got) : 0;
    return m_length > 0;
}

bool LinePieces::next(std::string_view &piece, bool &lineEnds) {
    for (;;) {
        if (m_pos == m_length && !refill()) {
            if (!m_openLine) {
                return false;
            }
            m_openLine = false; // the last line had no line break
            piece = {};
            lineEnds = true;
            return true;
        }
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (m_block[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
        }
        const char *start = m_block.constData() + m_pos;
        qsizetype end = m_pos;
        while (end < m_length && m_block[end] != '\n' && m_block[end] != '\r') {
            ++end;
        }
        piece = std::string_view(start, size_t(end - m_pos));
        if (end == m_length) {
            m_pos = end;
            m_openLine = true;
            lineEnds = false;
            return true;
        }
        m_skipLineFeed = m_block[end] == '\r';
        m_pos = end + 1;
        m_openLine = false;
        lineEnds = true;
        return true;
    }
}

} // namespace tidewell::feeds
