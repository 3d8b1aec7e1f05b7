#pragma once

#include <QTemporaryDir>

namespace tidewell::test {

// A fresh user folder for one test run: $TIDEWELL_HOME points into a temporary folder for the object's
// life, so no test reads or writes the real user's files or settings.
class TestHome final {
public:
    TestHome() { qputenv("TIDEWELL_HOME", m_dir.path().toUtf8()); }
    ~TestHome() { qunsetenv("TIDEWELL_HOME"); }
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace tidewell::test
