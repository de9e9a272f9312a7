// The workstation's own settings file beside the executable (background
// picture and music), named after the executable with ".ini".
#pragma once

#include <QString>

namespace tj::core {

struct BackgroundSettings {
    bool ShowPic = false;
    QString PicFile;
    bool OnMusic = false;
    QString MusicFile;
};

class LocalSettings {
public:
    // Settings file name for an executable path: the file name up to the
    // first occurrence of its own extension, then ".ini" ("tj.exe" ->
    // "tj.ini"); a name without extension simply gets ".ini" ("tj" -> "tj.ini").
    static QString fileNameFor(const QString& executablePath);

    // The settings file of the running program (set once at start-up).
    static QString path();
    static void setPath(const QString& path);

    // Reads section SysConf; a missing file reads as all defaults.
    static BackgroundSettings read(const QString& path = LocalSettings::path());
    // Writes section SysConf; returns false when the file cannot be written.
    static bool write(const BackgroundSettings& settings, const QString& path = LocalSettings::path());
};

}  // namespace tj::core
