#include "channel/rss_global.h"

namespace tidewell::channel {

const QStringList &monthNames() {
    static const QStringList names = {QString(),
                                      QStringLiteral("January"),
                                      QStringLiteral("February"),
                                      QStringLiteral("March"),
                                      QStringLiteral("April"),
                                      QStringLiteral("May"),
                                      QStringLiteral("June"),
                                      QStringLiteral("July"),
                                      QStringLiteral("August"),
                                      QStringLiteral("September"),
                                      QStringLiteral("October"),
                                      QStringLiteral("November"),
                                      QStringLiteral("December")};
    return names;
}

std::string_view usualNamespace(std::string_view prefix) {
    struct Entry {
        std::string_view prefix;
        std::string_view uri;
    };
    static constexpr Entry kTable[] = {
        {"admin", "http://webns.net/mvcb/"},
        {"atom", "http://www.w3.org/2005/Atom"},
        {"blogChannel", "http://backend.userland.com/blogChannelModule"},
        {"cc", "http://web.resource.org/cc/"},
        {"content", "http://purl.org/rss/1.0/modules/content/"},
        {"creativeCommons", "http://backend.userland.com/creativeCommonsRssModule"},
        {"dc", "http://purl.org/dc/elements/1.1/"},
        {"dcterms", "http://purl.org/dc/terms/"},
        {"feedburner", "http://rssnamespace.org/feedburner/ext/1.0"},
        {"fh", "http://purl.org/syndication/history/1.0"},
        {"geo", "http://www.w3.org/2003/01/geo/wgs84_pos#"},
        {"georss", "http://www.georss.org/georss"},
        {"googleplay", "http://www.google.com/schemas/play-podcasts/1.0"},
        {"itunes", "http://www.itunes.com/dtds/podcast-1.0.dtd"},
        {"media", "http://search.yahoo.com/mrss/"},
        {"opensearch", "http://a9.com/-/spec/opensearch/1.1/"},
        {"podcast", "https://podcastindex.org/namespace/1.0"},
        {"psc", "http://podlove.org/simple-chapters"},
        {"rdf", "http://www.w3.org/1999/02/22-rdf-syntax-ns#"},
        {"slash", "http://purl.org/rss/1.0/modules/slash/"},
        {"sy", "http://purl.org/rss/1.0/modules/syndication/"},
        {"thr", "http://purl.org/syndication/thread/1.0"},
        {"trackback", "http://madskills.com/public/xml/rss/module/trackback/"},
        {"wfw", "http://wellformedweb.org/CommentAPI/"},
        {"xhtml", "http://www.w3.org/1999/xhtml"},
    };
    for (const Entry &entry : kTable) {
        if (entry.prefix == prefix) {
            return entry.uri;
        }
    }
    return {};
}

} // namespace tidewell::channel

namespace tidewell::channel {

QString &filetoopen() {
    static QString path;
    return path;
}

} // namespace tidewell::channel
