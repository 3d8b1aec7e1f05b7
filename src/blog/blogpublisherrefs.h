#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tidewell::platform {
class Progress;
}

namespace tidewell::blog {

// The files an HTML page refers to, in document order, repeats included: the value of every HREF whose
// extension is exactly ".css", and of every BACKGROUND and SRC attribute (names in any letter case).
// Parsed with libxml2's HTML parser, event by event (no document tree, no DTD, no network).
QStringList referencedFiles(const QByteArray &html);

// Copies the files a page refers to from the template folder into the output folder, under the part of
// the reference after its last '/', '\' or ':'. A reference that is not a file inside the template folder
// (a web address, a missing file, a path leading out of the folder) is skipped without a message. A copy
// that would copy the same file again to the
// same name in this run is not made again.
class ReferencedFileCopier final {
    Q_DECLARE_TR_FUNCTIONS(ReferencedFileCopier)

public:
    ReferencedFileCopier(QString templateFolder, QString outputFolder);

    // Shows "Copying image file # N" for each reference.
    void copyFrom(const QByteArray &html, platform::Progress &progress);

private:
    void copyOne(const QString &reference);
    // The canonical path of the template file a reference names; empty when it names none.
    QString sourceFile(const QString &reference) const;

    QString m_templateFolder; // canonical
    QString m_outputFolder;
    QHash<QString, QString> m_copied;  // output name -> the file last copied there in this run
    QHash<QString, QString> m_sources; // reference -> its file in the template folder, or empty
};

} // namespace tidewell::blog
