#pragma once

#include <QString>

namespace tidewell::platform {

// Where the program finds its shipped files and where it writes its own.
class Folders final {
public:
    // Read-only files shipped with the program: the executable's folder when it holds items.dat (build
    // tree, portable copy), else <prefix>/share/tidewell beside an installed executable.
    static QString programFolder();
    // Everything the program writes besides the user's documents: $TIDEWELL_HOME when set, else
    // ~/.local/share/tidewell. Created on first use.
    static QString userFolder();
    // The data directory "data" in the user folder (category file, imported feeds). Created on use.
    static QString dataDirectory();
    // The settings file: $TIDEWELL_HOME/settings.conf, else ~/.config/tidewell/settings.conf.
    static QString settingsFile();
    // A shipped file the user may change: the user folder's copy when there is one, else the program
    // folder's.
    static QString userOrProgramFile(const QString &relativePath);
    // Path of a file in the program folder.
    static QString programFile(const QString &relativePath);

    // Tests point the program folder elsewhere; an empty path restores the default.
    static void setProgramFolderOverride(const QString &path);
};

// The part of a path after its last '/' or '\' (names from Windows keep working).
QString fileNamePart(const QString &path);
// The extension of a path: from the last '.' after the last '/' or '\', with the dot; empty if none.
QString fileExtension(const QString &path);
// The path with its extension (as fileExtension finds it) replaced by newExtension (with its dot).
QString replaceExtension(const QString &path, const QString &newExtension);

} // namespace tidewell::platform
