#pragma once

#include "feeds/feedcheck.h"
#include "platform/result.h"

#include <optional>
#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

class QIODevice;

namespace tidewell::platform {
class Progress;
}

namespace tidewell::feeds {

// What one validation found: the rows of the marker checks (the numbered error display), the rows of the
// feed check, and the closing texts the window and the command line both show.
struct ValidationReport {
    Q_DECLARE_TR_FUNCTIONS(ValidationReport)

public:
    QStringList rows;              // the marker checks, in order
    bool stopped = false;          // "</channel>" is missing: the marker checks ended early
    QList<FeedCheckRow> feedCheck; // the "Feed check" list

    bool passed() const { return rows.isEmpty() && feedCheck.isEmpty(); }
    // "Important markers are missing, validation cannot be continued." when stopped, else empty.
    QString stopText() const;
    // "Congratulations, this file seems to checks out ok" when both lists are empty, else "Errors in file,
    // details are in the error display".
    QString verdict() const;
};

// The feed validator: the marker checks (plain, case-sensitive substring tests on the lines of the text,
// with the element list of items.dat) followed by the feed check (FeedCheck). Shared by Tfrm_validator and
// `tidewell-cli validate`. The text is read line by line, in passes over the file or the fetched body, so
// memory stays bounded whatever its shape.
class FeedValidator final {
    Q_DECLARE_TR_FUNCTIONS(FeedValidator)

public:
    // The element list: the lines of items.dat in the program folder, read afresh at every run; nullopt
    // when the file does not exist.
    static std::optional<QStringList> elementList();

    // Why a local path cannot be validated, for the message panel ("Error : Nothing to validate, select a
    // file first", "Error : File does not exist!"); empty when it can be tried.
    static QString missingFileNotice(const QString &path);

    // One whole validation of a file or of a fetched body. Fails, with the text for an error box, when the
    // path is not a regular file, cannot be opened, or items.dat is missing. progress gets "Starting
    // validation", then the maximum and every position of the per-line check (pbar1).
    static platform::Result<ValidationReport> validateFile(const QString &path, platform::Progress &progress);
    static platform::Result<ValidationReport> validateText(const QByteArray &text,
                                                           platform::Progress &progress);

    // The marker checks alone, over a device that can be read from its start again.
    static ValidationReport markerChecks(QIODevice &device, const QStringList &elements,
                                         platform::Progress &progress);

private:
    static platform::Result<ValidationReport> validate(QIODevice &device, platform::Progress &progress);
};

} // namespace tidewell::feeds
