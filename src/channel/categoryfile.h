#pragma once

#include <QString>
#include <QStringList>

namespace tidewell::channel {

// The channel window's category list and its file "category.dat" in the data directory: one entry per
// line, CR LF after each. The list is kept sorted; entries compare exactly (letter case counts).
class CategoryFile final {
public:
    // The category file of the data directory.
    static QString defaultPath();

    // Reads the entries of the file at path (sorted); a missing file gives an empty list.
    static QStringList load(const QString &path);
    // Writes the entries, replacing the file whole; false with a message in *error on failure.
    static bool save(const QString &path, const QStringList &entries, QString *error = nullptr);

    // Adds text to the sorted entries unless an entry equals it exactly; true when it was added.
    static bool add(QStringList &entries, const QString &text);
    // The order of the list: ignoring letter case, ties broken by the exact text, so the order never
    // depends on the order of adding.
    static void sort(QStringList &entries);
};

} // namespace tidewell::channel
