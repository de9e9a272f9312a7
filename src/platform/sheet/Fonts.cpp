#include "platform/sheet/Fonts.h"

#include <QFont>
#include <QStringList>

namespace tj::sheet {

void installCjkFontSubstitutions()
{
    static const bool done = [] {
        const QString serif = QStringLiteral("Noto Serif CJK SC");
        const QString sans = QStringLiteral("Noto Sans CJK SC");
        for (const char* f : {"宋体", "新宋体", "SimSun", "NSimSun", "楷体", "楷体_GB2312", "KaiTi", "仿宋", "仿宋_GB2312", "FangSong"})
            QFont::insertSubstitutions(QString::fromUtf8(f), {serif, sans});
        for (const char* f : {"微软雅黑", "Microsoft YaHei", "黑体", "SimHei"})
            QFont::insertSubstitutions(QString::fromUtf8(f), {sans, serif});
        return true;
    }();
    (void)done;
}

}  // namespace tj::sheet
