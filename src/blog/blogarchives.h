#pragma once

#include "platform/result.h"

#include <functional>
#include <QCoreApplication>
#include <QString>

namespace tidewell::platform {
class DbConnection;
class Progress;
} // namespace tidewell::platform

namespace tidewell::blog {

class TemplateFiles;

// The archive pages of a publishing run: the month list "months.htm", a page for each of the twelve
// months listing its archived entries (every year together, newest first), and a page per archived entry.
class BlogArchives final {
    Q_DECLARE_TR_FUNCTIONS(BlogArchives)

public:
    struct Hooks {
        std::function<void(const QString &)> showCount; // "k archived records processed.."
        std::function<void()> beep;                     // a month with entries is being processed
    };

    static platform::Status write(platform::DbConnection &connection, TemplateFiles &templates,
                                  const QString &outputFolder, platform::Progress &progress,
                                  const Hooks &hooks);
};

} // namespace tidewell::blog
