#include "app/cli_blog.h"

#include "app/clicommands.h"
#include "blog/blogdatabase.h"
#include "blog/blogentries.h"
#include "blog/bloginformation.h"
#include "blog/entrytext.h"
#include "platform/regularfile.h"
#include "platform/usersettings.h"

#include <functional>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTextStream>

namespace tidewell::app {

namespace {

using blog::BlogEntries;
using blog::EntryTable;

// Bodies larger than this are refused rather than read whole.
constexpr qint64 kTextLimit = 16 * 1024 * 1024;

int usage(QTextStream &err, const QString &problem) {
    err << "tidewell-cli: " << problem << "\nTry 'tidewell-cli --help'.\n";
    return CliUsage;
}

int failure(QTextStream &err, const QString &problem) {
    err << "tidewell-cli: " << problem << '\n';
    return CliFailed;
}

// --name value pairs; the names allowed are the keys of values. False with the problem in *problem.
bool parseOptions(const QStringList &args, QHash<QString, QString> &values, QString *problem) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!values.contains(arg)) {
            *problem = QStringLiteral("unexpected argument '%1'.").arg(arg);
            return false;
        }
        if (i + 1 >= args.size()) {
            *problem = QStringLiteral("'%1' needs a value.").arg(arg);
            return false;
        }
        values[arg] = args[++i];
    }
    return true;
}

// Prints the compaction's steps; the per-record texts would be thousands of lines.
class PrintedRepairProgress final : public blog::RepairProgress {
public:
    explicit PrintedRepairProgress(QTextStream &out) : m_out(out) {}
    void status(const QString &) override {}
    void compactionText(const QString &text) override {
        if (!text.isEmpty()) {
            m_out << text << '\n';
            m_out.flush();
        }
    }

private:
    QTextStream &m_out;
};

int list(BlogEntries &entries, QTextStream &out, QTextStream &err) {
    for (const EntryTable table : {EntryTable::Active, EntryTable::Archived}) {
        const auto rows = entries.rows(table);
        if (!rows) {
            return failure(err, rows.error());
        }
        for (const blog::EntryRow &row : *rows) {
            out << blog::tableName(table) << '\t' << row.id << '\t' << row.date << '\t' << row.title << '\n';
        }
    }
    return CliOk;
}

int add(BlogEntries &entries, const QStringList &args, QTextStream &out, QTextStream &err) {
    QHash<QString, QString> values{{QStringLiteral("--title"), QString()},
                                   {QStringLiteral("--text"), QString()},
                                   {QStringLiteral("--category"), QString()},
                                   {QStringLiteral("--link"), QString()},
                                   {QStringLiteral("--link-description"), QString()}};
    QString problem;
    if (!parseOptions(args, values, &problem)) {
        return usage(err, problem);
    }
    const QString textFile = values.value(QStringLiteral("--text"));
    if (!args.contains(QStringLiteral("--title")) || textFile.isEmpty()) {
        return usage(err, QStringLiteral("'blog add' takes --title and --text."));
    }
    if (const platform::Status regular = platform::requireRegularFile(textFile); !regular) {
        return failure(err, regular.error());
    }
    QFile file(textFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(err, QStringLiteral("Cannot open file %1: %2").arg(textFile, file.errorString()));
    }
    if (file.size() > kTextLimit) {
        return failure(err, QStringLiteral("%1 is larger than %2 MB.").arg(textFile).arg(kTextLimit >> 20));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.read(kTextLimit));
    if (utf8.hasError()) {
        return failure(err, QStringLiteral("%1 is not UTF-8 text.").arg(textFile));
    }

    blog::EntryDraft draft;
    draft.title = values.value(QStringLiteral("--title"));
    draft.category = values.value(QStringLiteral("--category"));
    draft.link = values.value(QStringLiteral("--link"));
    draft.linkdes = values.value(QStringLiteral("--link-description"));
    draft.author = platform::userName();
    const bool html = blog::looksLikeHtml(text);
    draft.html = html ? blog::bodyOfHtmlDocument(text) : blog::htmlOfPlainText(text);
    draft.plainText = html ? blog::plainTextOfHtml(draft.html) : text.trimmed();
    const auto added = entries.add(draft);
    if (!added) {
        return failure(err, added.error());
    }
    out << "Added entry " << *added << '\n';
    return CliOk;
}

// archive, restore and delete: one entry by its id.
int byId(const QString &name, const QStringList &args, QTextStream &out, QTextStream &err,
         const std::function<platform::Result<bool>(qint64)> &command) {
    bool ok = false;
    const qint64 id = args.size() == 1 ? args.first().toLongLong(&ok) : 0;
    if (!ok || id <= 0) {
        return usage(err, QStringLiteral("'blog %1' takes one entry ID (a whole number from 1).").arg(name));
    }
    const platform::Result<bool> done = command(id);
    if (!done) {
        return failure(err, done.error());
    }
    if (!*done) {
        return failure(err, QStringLiteral("There is no entry %1.").arg(id));
    }
    out << "Done.\n";
    return CliOk;
}

int config(const QStringList &args, QTextStream &out, QTextStream &err) {
    QHash<QString, QString> values{{QStringLiteral("--name"), QString()},
                                   {QStringLiteral("--owner"), QString()},
                                   {QStringLiteral("--email"), QString()}};
    QString problem;
    if (!parseOptions(args, values, &problem)) {
        return usage(err, problem);
    }
    auto information = blog::BlogInformationRecord::read();
    if (!information) {
        return failure(err, information.error());
    }
    if (!args.isEmpty()) {
        const std::pair<const char *, QString *> fields[] = {{"--name", &information->name},
                                                             {"--owner", &information->owner},
                                                             {"--email", &information->email}};
        for (const auto &[option, field] : fields) {
            if (args.contains(QLatin1String(option))) {
                *field = values.value(QLatin1String(option));
            }
        }
        if (const platform::Status changed = blog::BlogInformationRecord::change(*information); !changed) {
            return failure(err, changed.error());
        }
    }
    out << "Blog name: " << information->name << "\nOwner: " << information->owner
        << "\nEmail: " << information->email << '\n';
    return CliOk;
}

} // namespace

QString blogUsage() {
    return QStringLiteral(
        "  blog list              the blog's entries, active then archived: table, id, date, title\n"
        "  blog add --title T --text FILE [--category C] [--link L] [--link-description D]\n"
        "                         add an entry; FILE (UTF-8) is its body, HTML or plain text\n"
        "  blog archive ID        move an active entry to the archive\n"
        "  blog restore ID        move an archived entry back to the end of the blog\n"
        "  blog delete ID         delete an active entry\n"
        "  blog repair            renumber both entry tables, compact and check the database\n"
        "  blog config [--name N] [--owner O] [--email E]\n"
        "                         change the blog's name, owner and e-mail address; print them\n");
}

bool runBlogCommand(const QString &command, const QStringList &args, QTextStream &out, QTextStream &err,
                    int &status) {
    if (command != QLatin1String("blog")) {
        return false;
    }
    const QString sub = args.value(0);
    const QStringList rest = args.mid(1);
    static const QStringList known = {QStringLiteral("list"),    QStringLiteral("add"),
                                      QStringLiteral("archive"), QStringLiteral("restore"),
                                      QStringLiteral("delete"),  QStringLiteral("repair"),
                                      QStringLiteral("config")};
    if (sub.isEmpty()) {
        status = usage(err, QStringLiteral("'blog' needs a subcommand."));
        return true;
    }
    if (!known.contains(sub)) {
        // Left to the handlers after this one (publish); the chain reports it when none takes it.
        return false;
    }
    if (const platform::Status made = blog::BlogDatabase::ensureExists(); !made) {
        status = failure(err, blog::BlogDatabase::missingMessage() + QLatin1Char('\n') + made.error());
        return true;
    }
    if (sub == QLatin1String("config")) {
        status = config(rest, out, err);
        return true;
    }
    BlogEntries entries;
    PrintedRepairProgress progress(out);
    if (sub == QLatin1String("list")) {
        status = rest.isEmpty() ? list(entries, out, err)
                                : usage(err, QStringLiteral("'blog list' takes no arguments."));
    } else if (sub == QLatin1String("add")) {
        status = add(entries, rest, out, err);
    } else if (sub == QLatin1String("repair")) {
        if (!rest.isEmpty()) {
            status = usage(err, QStringLiteral("'blog repair' takes no arguments."));
        } else if (const platform::Status repaired = entries.repair(progress); !repaired) {
            status = failure(err, repaired.error());
        } else {
            out << "Done.\n";
            status = CliOk;
        }
    } else {
        const auto command = sub == QLatin1String("archive")   ? &BlogEntries::archive
                             : sub == QLatin1String("restore") ? &BlogEntries::restore
                                                               : &BlogEntries::remove;
        status = byId(sub, rest, out, err, [&](qint64 id) { return (entries.*command)(id, progress); });
    }
    return true;
}

} // namespace tidewell::app
