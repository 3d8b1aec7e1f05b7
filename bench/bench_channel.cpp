// Benchmark of the channel document: export through export_rssfile (three files), loading and saving the
// .chf, beside xmllint --noout parsing the written .rss, and the memory of the loaded tree. Prints one table;
// bench/run.sh builds and runs it.

#include "channel/documentfile.h"
#include "channel/newchannel.h"
#include "channel/rssdate.h"
#include "channel/rsswriter.h"

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

using namespace tidewell::channel;

namespace {

// A channel of n items, each with the six fields of the channel window, values of everyday lengths.
ChannelTree syntheticChannel(int n) {
    const QDateTime start(QDate(2024, 1, 1), QTime(8, 0, 0), Qt::UTC);
    ChannelTree tree = newChannelTree(NewChannelBoxes::defaults(), start);
    const char *categories[] = {"General", "News", "Technology", "Travel", "Food & Drink"};
    for (int i = 0; i < n; ++i) {
        const std::string number = std::to_string(i);
        const std::string title = "Notes from the harbour, part " + number;
        TreeNode *item = tree.append(nullptr, "Item - " + title, ItemNode);
        const auto field = [&](const char *name, std::string value) {
            tree.append(tree.append(item, name), std::move(value));
        };
        field("Title", title);
        field("Link", "http://www.example.com/articles/" + number + ".html");
        field("PubDate", rssDate(start.addSecs(qint64(i) * 600)).toStdString());
        field("Description", "The tide came in early today; entry " + number +
                                 " tells how the boats <small and large> were brought up the slipway.");
        field("Category", categories[i % 5]);
        field("Author", "writer" + std::to_string(i % 17) + "@example.com (Writer)");
    }
    return tree;
}

// Best of `runs` wall times in milliseconds; reset runs untimed before each run (e.g. to free the tree
// of the run before, so freeing is not counted as loading).
template <typename Fn, typename Reset> double bestMs(int runs, Fn &&fn, Reset &&reset) {
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        reset();
        QElapsedTimer timer;
        timer.start();
        fn();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

template <typename Fn> double bestMs(int runs, Fn &&fn) {
    return bestMs(runs, std::forward<Fn>(fn), [] {});
}

size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Row {
    int items = 0;
    double exportMs = 0, loadMs = 0, coldLoadMs = 0, saveMs = 0, xmllintMs = 0;
    qint64 rssBytes = 0, chfBytes = 0;
    size_t treeBytes = 0;
};

bool runXmllint(const QString &path) {
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    return xmllint.waitForFinished(600000) && xmllint.exitStatus() == QProcess::NormalExit &&
           xmllint.exitCode() == 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    // Freed memory stays in the process (as it does for the smaller sizes anyway), so the warm figures of
    // every size are measured alike.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    std::vector<int> sizes;
    for (const QString &arg : QCoreApplication::arguments().mid(1)) {
        sizes.push_back(arg.toInt());
    }
    if (sizes.empty()) {
        sizes = {1000, 10000, 100000};
    }
    QTemporaryDir dir;
    bool ok = true;
    std::vector<Row> rows;
    for (const int n : sizes) {
        Row row;
        row.items = n;
        const QString base = dir.filePath(QStringLiteral("bench%1").arg(n));
        const QString rss = base + QStringLiteral(".rss");
        const QString chf = base + QStringLiteral(".chf");
        const int runs = n >= 100000 ? 3 : 5;
        {
            const ChannelTree tree = syntheticChannel(n);
            QString error;
            row.exportMs = bestMs(runs, [&] {
                ok = export_rssfile(tree, base, tidewell::platform::Progress::silent(), &error) && ok;
            });
            if (!ok) {
                std::fprintf(stderr, "export failed: %s\n", qPrintable(error));
                return 1;
            }
            DocumentFile file;
            row.saveMs = bestMs(runs, [&] { ok = file.SaveTreeToFile(tree, chf) && ok; });
        }
        row.rssBytes = QFileInfo(rss).size();
        row.chfBytes = QFileInfo(chf).size();
        row.xmllintMs = bestMs(runs, [&] {
            if (!runXmllint(rss)) {
                std::fprintf(stderr, "xmllint failed on %s\n", qPrintable(rss));
                ok = false;
            }
        });
        std::optional<ChannelTree> loaded;
        const auto load = [&] {
            loaded.emplace();
            DocumentFile file;
            ok = file.LoadTreeFromFile(*loaded, chf) && ok;
        };
        // Cold: the first load into memory the process has not used before (heap handed back first).
        row.coldLoadMs = bestMs(1, load, [&] {
            loaded.reset();
            malloc_trim(0);
        });
        // Warm: the heap keeps the memory of the run before, as in a program that has opened documents.
        row.loadMs = bestMs(runs, load, [&] { loaded.reset(); });
        {
            loaded.reset();
            malloc_trim(0);
            const size_t before = heapInUse();
            load();
            row.treeBytes = heapInUse() - before + loaded->arenaBytes(); // nodes live in mmap chunks
            loaded.reset();
        }
        rows.push_back(row);
    }

    std::printf("%9s %10s %11s %9s %10s %9s %12s %10s %10s %8s %8s %10s\n", "items", "export ms",
                "xmllint ms", "load ms", "cold load", "save ms", "export/lint", "load/lint", "cold/lint",
                ".rss MB", ".chf MB", "tree/.chf");
    for (const Row &row : rows) {
        std::printf("%9d %10.1f %11.1f %9.1f %10.1f %9.1f %12.2f %10.2f %10.2f %8.1f %8.1f %10.2f\n",
                    row.items, row.exportMs, row.xmllintMs, row.loadMs, row.coldLoadMs, row.saveMs,
                    row.exportMs / row.xmllintMs, row.loadMs / row.xmllintMs, row.coldLoadMs / row.xmllintMs,
                    double(row.rssBytes) / 1e6, double(row.chfBytes) / 1e6,
                    double(row.treeBytes) / double(row.chfBytes));
    }
    for (size_t i = 1; i < rows.size(); ++i) {
        const double items = double(rows[i].items) / double(rows[i - 1].items);
        std::printf("growth %d -> %d items (x%.0f): export x%.1f, load x%.1f, save x%.1f\n",
                    rows[i - 1].items, rows[i].items, items, rows[i].exportMs / rows[i - 1].exportMs,
                    rows[i].loadMs / rows[i - 1].loadMs, rows[i].saveMs / rows[i - 1].saveMs);
    }
    return ok ? 0 : 1;
}
