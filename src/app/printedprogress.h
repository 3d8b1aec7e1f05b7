#pragma once

#include "platform/progress.h"

#include <QTextStream>

namespace tidewell::app {

// What tidewell-cli shows of a long operation: every status text on a line of its own, at once. Base is
// the operation's progress interface (platform::Progress or one derived from it).
template <typename Base = platform::Progress> class PrintedProgress final : public Base {
public:
    explicit PrintedProgress(QTextStream &out) : m_out(out) {}
    void status(const QString &text) override {
        m_out << text << '\n';
        m_out.flush();
    }

private:
    QTextStream &m_out;
};

} // namespace tidewell::app
