#include "feeds/feedvalidator.h"

#include "feeds/linepieces.h"
#include "platform/folders.h"
#include "platform/progress.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <string>
#include <vector>

namespace tidewell::feeds {

namespace {

// Which of a set of markers each line holds, fed with the pieces of the line as LinePieces hands them
// out. A marker split between two pieces is found through the end of the previous piece kept aside.
class LineMarks {
public:
    explicit LineMarks(std::vector<std::string> markers)
        : m_markers(std::move(markers)), m_found(m_markers.size()) {
        for (const std::string &marker : m_markers) {
            m_longest = std::max(m_longest, marker.size());
        }
    }

    void feed(std::string_view piece, bool lineEnds) {
        std::string_view window = piece;
        if (!m_carry.empty()) {
            m_carry.append(piece);
            window = m_carry;
        }
        for (size_t i = 0; i < m_markers.size(); ++i) {
            if (!m_found[i] && window.find(m_markers[i]) != std::string_view::npos) {
                m_found[i] = true;
            }
        }
        if (!lineEnds && m_longest > 1) {
            const size_t keep = std::min(window.size(), m_longest - 1);
            m_carry.assign(window.substr(window.size() - keep));
        } else {
            m_carry.clear();
        }
    }
    bool holds(size_t marker) const { return m_found[marker]; }
    void nextLine() {
        std::fill(m_found.begin(), m_found.end(), false);
        m_carry.clear();
    }

private:
    std::vector<std::string> m_markers;
    std::vector<bool> m_found;
    std::string m_carry;
    size_t m_longest = 0;
};

// Calls f(index) once per line of device, after marks has been fed the whole line when wanted(index).
template <typename Wanted, typename F>
void forEachMarkedLine(QIODevice &device, LineMarks &marks, Wanted wanted, F f) {
    device.seek(0);
    LinePieces lines(device);
    std::string_view piece;
    bool lineEnds = false;
    size_t index = 0;
    while (lines.next(piece, lineEnds)) {
        if (wanted(index)) {
            marks.feed(piece, lineEnds);
        }
        if (lineEnds) {
            f(index);
            marks.nextLine();
            ++index;
        }
    }
}

struct Marker {
    const char *text;
    const char *message;
};

const Marker kMarkers[] = {
    {"<?xml version=", QT_TRANSLATE_NOOP("FeedValidator", "Missing XML tag (<?xml version=1.0\"?>)")},
    {"rss version", QT_TRANSLATE_NOOP("FeedValidator", "Missing <rss version=\"\"> field")},
    {"</rss>", QT_TRANSLATE_NOOP("FeedValidator", "Missing RSS end marker (</rss>)")},
    {"<channel>", QT_TRANSLATE_NOOP("FeedValidator", "Missing channel tag (<channel>)")},
    {"</channel>", QT_TRANSLATE_NOOP("FeedValidator", "Missing channel end marker (</channel>)")},
};
constexpr size_t kChannelEnd = 4;
constexpr size_t kItemStart = 5;
constexpr size_t kItemEnd = 6;
constexpr size_t kNone = size_t(-1);

} // namespace

QString ValidationReport::stopText() const {
    return stopped ? tr("Important markers are missing, validation cannot be continued.") : QString();
}

QString ValidationReport::verdict() const {
    return passed() ? tr("Congratulations, this file seems to checks out ok")
                    : tr("Errors in file, details are in the error display");
}

std::optional<QStringList> FeedValidator::elementList() {
    QFile file(platform::Folders::programFile(QStringLiteral("items.dat")));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QStringList names;
    LinePieces lines(file);
    std::string_view piece;
    bool lineEnds = false;
    QByteArray line;
    while (lines.next(piece, lineEnds)) {
        line.append(piece.data(), qsizetype(piece.size()));
        if (lineEnds) {
            names << QString::fromUtf8(line);
            line.clear();
        }
    }
    return names;
}

QString FeedValidator::missingFileNotice(const QString &path) {
    if (path.isEmpty()) {
        return tr("Error : Nothing to validate, select a file first");
    }
    if (!QFile::exists(path)) {
        return tr("Error : File does not exist!");
    }
    return {};
}

platform::Result<ValidationReport> FeedValidator::validateFile(const QString &path,
                                                               platform::Progress &progress) {
    if (const platform::Status regular = platform::requireRegularFile(path); !regular) {
        return platform::Result<ValidationReport>::failure(regular.error());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return platform::Result<ValidationReport>::failure(tr("Cannot open file %1").arg(path));
    }
    return validate(file, progress);
}

platform::Result<ValidationReport> FeedValidator::validateText(const QByteArray &text,
                                                               platform::Progress &progress) {
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return validate(buffer, progress);
}

platform::Result<ValidationReport> FeedValidator::validate(QIODevice &device, platform::Progress &progress) {
    const auto elements = elementList();
    if (!elements) {
        return platform::Result<ValidationReport>::failure(
            tr("Cannot load datafile, reinstall program please!"));
    }
    progress.status(tr("Starting validation"));
    ValidationReport report = markerChecks(device, *elements, progress);
    device.seek(0);
    report.feedCheck = FeedCheck::run(device);
    return report;
}

ValidationReport FeedValidator::markerChecks(QIODevice &device, const QStringList &elements,
                                             platform::Progress &progress) {
    ValidationReport report;

    // First pass: the markers, the item balance and where the trimmed text starts and ends.
    std::vector<std::string> markers;
    for (const Marker &marker : kMarkers) {
        markers.emplace_back(marker.text);
    }
    markers.emplace_back("<item>");
    markers.emplace_back("</item>");
    LineMarks marks(std::move(markers));
    bool found[std::size(kMarkers)] = {};
    int starts = 0;
    int ends = 0;
    size_t lineCount = 0;
    size_t firstItem = kNone;
    size_t channelEndFromItem = kNone;   // first "</channel>" at or below the first "<item>" line
    size_t channelEndFromSecond = kNone; // first "</channel>" below the first line
    forEachMarkedLine(
        device, marks, [](size_t) { return true; },
        [&](size_t index) {
            for (size_t m = 0; m < std::size(kMarkers); ++m) {
                found[m] = found[m] || marks.holds(m);
            }
            starts += marks.holds(kItemStart) ? 1 : 0;
            ends += marks.holds(kItemEnd) ? 1 : 0;
            if (firstItem == kNone && marks.holds(kItemStart)) {
                firstItem = index;
            }
            if (marks.holds(kChannelEnd)) {
                if (firstItem != kNone && channelEndFromItem == kNone) {
                    channelEndFromItem = index;
                }
                if (index >= 1 && channelEndFromSecond == kNone) {
                    channelEndFromSecond = index;
                }
            }
            lineCount = index + 1;
        });

    for (size_t m = 0; m < std::size(kMarkers); ++m) {
        if (!found[m]) {
            report.rows << tr(kMarkers[m].message);
            report.stopped = report.stopped || m == kChannelEnd;
        }
    }
    if (report.stopped) {
        return report;
    }
    if (starts != ends) {
        report.rows << tr("Difference in item start and end markers (%1 <item> and %2 </item>)")
                           .arg(starts)
                           .arg(ends);
    }

    // The trimmed text: from the first "<item>" line (below the first line when there is none) down to the
    // first "</channel>" line after that, exclusive; without such a line, to the end.
    const size_t first = firstItem != kNone ? firstItem : std::min<size_t>(1, lineCount);
    const size_t channelEnd = firstItem != kNone ? channelEndFromItem : channelEndFromSecond;
    const size_t last = channelEnd != kNone ? channelEnd : lineCount;
    const size_t trimmed = last > first ? last - first : 0;
    progress.setMaximum(trimmed == 0 ? 0 : int(trimmed - 1));

    // Second pass: every line of the trimmed text but its first, against the element list.
    std::vector<std::string> tags;
    for (const QString &name : elements) {
        const std::string n = name.toStdString();
        tags.push_back("<" + n + ">");
        tags.push_back("</" + n + ">");
    }
    LineMarks elementMarks(std::move(tags));
    const auto checked = [&](size_t index) { return index > first && index < last; };
    forEachMarkedLine(device, elementMarks, checked, [&](size_t index) {
        if (!checked(index)) {
            return;
        }
        progress.setPosition(int(index - first));
        for (qsizetype k = 0; k < elements.size(); ++k) {
            if (elementMarks.holds(size_t(2 * k)) && !elementMarks.holds(size_t(2 * k + 1))) {
                report.rows << tr("error in %1 marker ").arg(elements[k]);
            }
        }
    });
    return report;
}

} // namespace tidewell::feeds
