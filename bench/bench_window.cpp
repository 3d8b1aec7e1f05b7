// Benchmark of the channel window: opening a large .chf in a Tchannelchild (setform with 0, then one
// paint) against loading the same file into a bare ChannelTreeModel, and "Expand tree" / "Collapse tree"
// on it. Run offscreen: QT_QPA_PLATFORM=offscreen tidewell-bench-window [items...]

#include "channel/channeltreemodel.h"
#include "channel/documentfile.h"
#include "channel/mdi_newchannel.h"
#include "channel/newchannel.h"
#include "channel/rss_global.h"

#include <algorithm>
#include <cstdio>
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

using namespace tidewell::channel;

namespace {

// n items with the six fields the channel window gives an item.
ChannelTree channelOf(int n) {
    ChannelTree tree =
        newChannelTree(NewChannelBoxes::defaults(), QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC));
    for (int i = 0; i < n; ++i) {
        const std::string number = std::to_string(i);
        TreeNode *item = tree.append(nullptr, "Item - Harbour notes " + number, ItemNode);
        for (const auto &[name, value] :
             {std::pair<const char *, std::string>{"Title", "Harbour notes " + number},
              {"Link", "http://www.example.com/notes/" + number + ".html"},
              {"PubDate", "Mon, 01 Jan 2024 08:00:00 GMT"},
              {"Description", "What the tide brought in on day " + number + ", and what it took away."},
              {"Category", "News"},
              {"Author", "writer@example.com (Writer)"}}) {
            tree.append(tree.append(item, name), value);
        }
    }
    return tree;
}

template <typename Fn> double bestMs(int runs, Fn &&fn) {
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        fn();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) {
        counts.push_back(std::max(0, atoi(argv[i])));
    }
    if (counts.empty()) {
        counts = {1000, 10000, 100000};
    }
    QTemporaryDir dir;
    std::printf("%8s %12s %12s %7s %12s %7s %12s %7s\n", "items", "model ms", "window ms", "ratio",
                "expand ms", "ratio", "collapse ms", "ratio");
    for (const int n : counts) {
        const QString path = dir.filePath(QStringLiteral("bench-%1.chf").arg(n));
        if (!saveChannelDocument(channelOf(n), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        // Both figures leave out the freeing of the tree: the model (like the window) is destroyed
        // after the clock stops.
        double modelMs = 1e300;
        for (int run = 0; run < 3; ++run) {
            ChannelTreeModel model;
            QElapsedTimer timer;
            timer.start();
            ChannelTree tree;
            loadChannelTree(tree, path);
            model.replaceTree(std::move(tree));
            modelMs = std::min(modelMs, double(timer.nsecsElapsed()) / 1e6);
        }
        double windowMs = 1e300, expandMs = 1e300, collapseMs = 1e300;
        for (int run = 0; run < 3; ++run) {
            Tchannelchild window;
            window.resize(1000, 700);
            window.show();
            QApplication::processEvents();
            filetoopen() = path;
            QElapsedTimer timer;
            timer.start();
            window.setform(0);
            window.repaint();
            windowMs = std::min(windowMs, double(timer.nsecsElapsed()) / 1e6);

            auto *expand = window.findChild<QAbstractButton *>(QStringLiteral("SpeedButton7"));
            auto *collapse = window.findChild<QAbstractButton *>(QStringLiteral("SpeedButton8"));
            timer.restart();
            expand->click();
            window.repaint();
            expandMs = std::min(expandMs, double(timer.nsecsElapsed()) / 1e6);
            timer.restart();
            collapse->click();
            window.repaint();
            collapseMs = std::min(collapseMs, double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("%8d %12.1f %12.1f %7.2f %12.1f %7.2f %12.1f %7.2f\n", n, modelMs, windowMs,
                    windowMs / modelMs, expandMs, expandMs / modelMs, collapseMs, collapseMs / modelMs);
    }
    return 0;
}
