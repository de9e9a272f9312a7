#include "core/LocalSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace tj::core {

namespace {
QString& storedPath()
{
    static QString p;
    return p;
}
}  // namespace

QString LocalSettings::fileNameFor(const QString& executablePath)
{
    const QFileInfo info(executablePath);
    const QString name = info.fileName();
    const QString suffix = info.suffix();
    QString base = name;
    if (!suffix.isEmpty()) {
        const int at = name.indexOf(QLatin1Char('.') + suffix);
        if (at > 0)
            base = name.left(at);
    }
    return info.absolutePath() + QLatin1Char('/') + base + QStringLiteral(".ini");
}

QString LocalSettings::path()
{
    return storedPath();
}

void LocalSettings::setPath(const QString& path)
{
    storedPath() = path;
}

BackgroundSettings LocalSettings::read(const QString& path)
{
    BackgroundSettings s;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return s;
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("SysConf"));
    s.ShowPic = ini.value(QStringLiteral("ShowPic"), false).toBool();
    s.PicFile = ini.value(QStringLiteral("PicFile")).toString();
    s.OnMusic = ini.value(QStringLiteral("OnMusic"), false).toBool();
    s.MusicFile = ini.value(QStringLiteral("MusicFile")).toString();
    return s;
}

bool LocalSettings::write(const BackgroundSettings& s, const QString& path)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("SysConf"));
    ini.setValue(QStringLiteral("ShowPic"), s.ShowPic ? 1 : 0);
    ini.setValue(QStringLiteral("PicFile"), s.PicFile);
    ini.setValue(QStringLiteral("OnMusic"), s.OnMusic ? 1 : 0);
    ini.setValue(QStringLiteral("MusicFile"), s.MusicFile);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}

}  // namespace tj::core
