// The administrator's command line as an operator runs it: results on
// standard output, refusals with a message and a non-zero exit code.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

ToolRun tjtool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(TJ_RUNTIME_DIR "/tjtool"), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A database of its own beside the executable, removed afterwards.
struct ScratchDatabase {
    explicit ScratchDatabase(const QString& prefix)
        : name(prefix + QString::number(QCoreApplication::applicationPid())),
          file(QStringLiteral(TJ_RUNTIME_DIR "/data/") + name + QStringLiteral(".db"))
    {
    }
    ~ScratchDatabase()
    {
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(file + QLatin1String(suffix));
    }
    QString name;
    QString file;
};

}  // namespace

TEST(Tjtool, SqlPrintsEveryResultOfAScript)
{
    const ScratchDatabase scratch(QStringLiteral("tjtooltest"));
    const QString& name = scratch.name;
    ASSERT_EQ(tjtool({"newdb", name}).code, 0);
    EXPECT_EQ(tjtool({"newdb", name}).code, 1);  // never over an existing database

    const ToolRun sum = tjtool({"sql", name, "select 0.1+0.2 as s"});
    EXPECT_EQ(sum.code, 0) << sum.err.toStdString();
    EXPECT_EQ(sum.out, "s\n0.3\n(1 行受影响)\n");

    const ToolRun fromInput = tjtool({"sql", name}, "select zhao from pub_yhu where zhao='admin'");
    EXPECT_EQ(fromInput.code, 0) << fromInput.err.toStdString();
    EXPECT_EQ(fromInput.out, "zhao\nadmin\n(1 行受影响)\n");

    // Statements separated by line breaks only; GO inside a string and inside
    // a comment is text; every result set and row count is printed.
    const ToolRun script = tjtool({"sql", name},
                                  "create table #x (v varchar(20))\n"
                                  "insert into #x values('a\nGO\nb')\n"
                                  "/* a note\nGO\n*/\n"
                                  "insert into #x values('c')\n"
                                  "select v from #x order by v\n"
                                  "GO\n"
                                  "select count(*) as n from #x\n"
                                  "update #x set v = v where v = 'c'\n");
    EXPECT_EQ(script.code, 0) << script.err.toStdString();
    EXPECT_EQ(script.out, "(1 行受影响)\n\n(1 行受影响)\n\nv\na GO b\nc\n(2 行受影响)\n\nn\n2\n(1 行受影响)\n\n(1 行受影响)\n");

    // The first error stops the script, named in the server's Chinese words.
    const ToolRun failing = tjtool({"sql", name}, "select 1 as a\nGO\nselect * from nosuch\nGO\nselect 2 as b\n");
    EXPECT_EQ(failing.code, 1);
    EXPECT_EQ(failing.out, "a\n1\n(1 行受影响)\n");
    EXPECT_TRUE(failing.err.contains("第 2 批") && failing.err.contains("对象名 'nosuch' 无效。")) << failing.err.toStdString();
}

TEST(Tjtool, RefusesMissingDatabasesAndNamesOutsideTheDataFolder)
{
    for (const char* name : {"no_such_database", "template", "../template", "/etc/passwd"}) {
        const ToolRun r = tjtool({"sql", name, "select 1"});
        EXPECT_EQ(r.code, 1) << name;
        EXPECT_TRUE(r.out.isEmpty()) << name;
        EXPECT_TRUE(r.err.contains("不存在")) << name << ": " << r.err.toStdString();
    }
    EXPECT_EQ(tjtool({"sql"}).code, 2);
    EXPECT_EQ(tjtool({"no-such-command"}).code, 2);
}

TEST(Tjtool, CipherAndPinyin)
{
    const ToolRun enc = tjtool({"cipher", "enc", "张三", "pvkoda"});
    ASSERT_EQ(enc.code, 0);
    const ToolRun dec = tjtool({"cipher", "dec", enc.out.trimmed(), "pvkoda"});
    EXPECT_EQ(dec.out.trimmed(), "张三");
    EXPECT_EQ(tjtool({"cipher", "dec", "zz", "k"}).code, 1);
    EXPECT_EQ(tjtool({"pinyin", "体检中心"}).out.trimmed(), "TJZX");
}

TEST(Tjtool, GenFillsADatabaseOnceAndRefusesBadOptions)
{
    const ScratchDatabase scratch(QStringLiteral("tjtoolgen"));
    const QString& name = scratch.name;
    ASSERT_EQ(tjtool({"newdb", name}).code, 0);
    for (const QStringList& bad : {QStringList{"gen"}, QStringList{"gen", name, "--visits"}, QStringList{"gen", name, "--visits", "0"},
                                   QStringList{"gen", name, "--from", "2025-02-30"}, QStringList{"gen", name, "--colour", "red"}})
        EXPECT_EQ(tjtool(bad).code, 2) << bad.join(' ').toStdString();
    const ToolRun run = tjtool({"gen", name, "--seed", "5", "--visits", "30", "--units", "2", "--days", "10"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("完成")) << run.out.toStdString();
    const ToolRun again = tjtool({"gen", name, "--visits", "30"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains("已有体检记录")) << again.err.toStdString();
}
