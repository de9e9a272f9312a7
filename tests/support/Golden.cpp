#include "support/Golden.h"

#include <QFile>

namespace tj::test {

::testing::AssertionResult MatchesGolden(const QString& text, const QString& name)
{
    const QString path = QStringLiteral(TJ_TEST_DATA_DIR) + QLatin1Char('/') + name;
    if (qEnvironmentVariableIsSet("TJ_UPDATE_GOLDEN")) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        out.write(text.toUtf8());
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "missing " << path.toStdString();
    const QString golden = QString::fromUtf8(in.readAll());
    if (golden == text)
        return ::testing::AssertionSuccess();
    const QStringList want = golden.split(QLatin1Char('\n'));
    const QStringList got = text.split(QLatin1Char('\n'));
    int line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line])
        ++line;
    return ::testing::AssertionFailure()
           << path.toStdString() << " differs from line " << line + 1 << ":\n  expected: "
           << want.value(line).toStdString() << "\n  actual:   " << got.value(line).toStdString();
}

}  // namespace tj::test
