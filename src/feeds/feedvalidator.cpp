#include "feeds/feedvalidator.h"

#include "feeds/indentedtext.h"
#include "platform/folders.h"

#include <QFile>

namespace tidewell::feeds {

namespace {
bool holds(std::string_view line, std::string_view marker) {
    return line.find(marker) != std::string_view::npos;
}
} // namespace

std::optional<QStringList> FeedValidator::elementList() {
    QFile file(platform::Folders::programFile(QStringLiteral("items.dat")));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray data = file.readAll();
    QStringList names;
    for (const std::string_view line : splitLines(std::string_view(data.constData(), size_t(data.size())))) {
        names << QString::fromUtf8(line.data(), qsizetype(line.size()));
    }
    return names;
}

void FeedValidator::setText(const QByteArray &text) {
    m_storage = text;
    m_lines = splitLines(std::string_view(m_storage.constData(), size_t(m_storage.size())));
}

QByteArray FeedValidator::text() const {
    QByteArray out;
    for (const std::string_view line : m_lines) {
        out.append(line.data(), qsizetype(line.size()));
        out.append('\n');
    }
    return out;
}

void FeedValidator::processfile(const QStringList &elements) {
    m_rows.clear();
    m_stopped = false;

    struct Marker {
        std::string_view text;
        const char *message;
    };
    static const Marker markers[] = {
        {"<?xml version=", "Missing XML tag (<?xml version=1.0\"?>)"},
        {"rss version", "Missing <rss version=\"\"> field"},
        {"</rss>", "Missing RSS end marker (</rss>)"},
        {"<channel>", "Missing channel tag (<channel>)"},
        {"</channel>", "Missing channel end marker (</channel>)"},
    };
    for (const Marker &marker : markers) {
        bool found = false;
        for (const std::string_view line : m_lines) {
            if (holds(line, marker.text)) {
                found = true;
                break;
            }
        }
        if (!found) {
            adderror(QString::fromLatin1(marker.message));
            if (marker.text == "</channel>") {
                m_stopped = true;
            }
        }
    }
    if (m_stopped) {
        return;
    }

    int starts = 0;
    int ends = 0;
    for (const std::string_view line : m_lines) {
        starts += holds(line, "<item>") ? 1 : 0;
        ends += holds(line, "</item>") ? 1 : 0;
    }
    if (starts != ends) {
        adderror(QStringLiteral("Difference in item start and end markers (%1 <item> and %2 </item>)")
                     .arg(starts)
                     .arg(ends));
    }

    // Trim: everything above the first "<item>" line (only the first line when there is none), then the
    // first "</channel>" line and everything below it. When no "</channel>" is left below (it stood above
    // the first item), nothing more is cut.
    size_t firstItem = 0;
    while (firstItem < m_lines.size() && !holds(m_lines[firstItem], "<item>")) {
        ++firstItem;
    }
    const size_t cut = firstItem < m_lines.size() ? firstItem : std::min<size_t>(1, m_lines.size());
    m_lines.erase(m_lines.begin(), m_lines.begin() + std::ptrdiff_t(cut));
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (holds(m_lines[i], "</channel>")) {
            m_lines.resize(i);
            break;
        }
    }

    std::vector<std::pair<std::string, std::string>> tags;
    for (const QString &name : elements) {
        const std::string n = name.toStdString();
        tags.emplace_back("<" + n + ">", "</" + n + ">");
    }
    if (onProgressMaximum) {
        onProgressMaximum(m_lines.empty() ? 0 : int(m_lines.size()) - 1);
    }
    for (size_t i = 1; i < m_lines.size(); ++i) {
        if (onProgress) {
            onProgress(int(i));
        }
        const std::string_view line = m_lines[i];
        for (qsizetype k = 0; k < elements.size(); ++k) {
            const auto &[open, close] = tags[size_t(k)];
            if (holds(line, open) && !holds(line, close)) {
                adderror(QStringLiteral("error in ") + elements[k] + QStringLiteral(" marker "));
            }
        }
    }
}

} // namespace tidewell::feeds
