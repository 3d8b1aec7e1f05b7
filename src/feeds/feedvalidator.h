#pragma once

#include <functional>
#include <optional>
#include <QByteArray>
#include <QStringList>
#include <string_view>
#include <vector>

namespace tidewell::feeds {

// The feed validator's checks (processfile), shared by Tfrm_validator and `tidewell-cli validate`: plain,
// case-sensitive substring tests on the lines of a text buffer, no XML parsing.
class FeedValidator final {
public:
    // The element list: the lines of items.dat in the program folder, read afresh at every run; nullopt
    // when the file does not exist.
    static std::optional<QStringList> elementList();

    // The buffer (memo1): the text being validated, as lines. A run trims it.
    void setText(const QByteArray &text);
    int lineCount() const { return int(m_lines.size()); }
    QByteArray text() const; // the lines joined by LF

    // Steps 3 to 7: the five marker checks (a missing "</channel>" sets the stopped flag and ends the run
    // there), the item balance, the trimming, and the per-line check of the element names. Rows are
    // appended to rows().
    void processfile(const QStringList &elements);

    const QStringList &rows() const { return m_rows; }
    bool stopped() const { return m_stopped; }

    // Progress of the per-line check (pbar1): its maximum, then the index of each line tested.
    std::function<void(int maximum)> onProgressMaximum;
    std::function<void(int position)> onProgress;

private:
    void adderror(const QString &message) { m_rows << message; }

    QByteArray m_storage;
    std::vector<std::string_view> m_lines;
    QStringList m_rows;
    bool m_stopped = false;
};

} // namespace tidewell::feeds
