// tjtool passwd NAME ACCOUNT: sets a user's password in data/NAME.db. The new
// password is asked for twice (without echo on a terminal; from standard
// input, one line each, otherwise) and stored enciphered as the login checks
// it. Pressing Enter twice resets the password to empty.
#include "Command.h"

#include "common/DesCipher.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"
#include "schema/Schema.h"

#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

const QString kUsage = QStringLiteral("passwd NAME ACCOUNT");
const QString kSummary = QStringLiteral("set the password of user ACCOUNT in data/NAME.db, asked for twice (Enter twice: empty password)");

// The key the login enciphers user passwords with.
const QString kPasswordKey = QStringLiteral("pvkoda");
// The login window accepts at most this many characters.
constexpr int kMaxPasswordLength = 20;

bool readSecret(const char* prompt, QString& text)
{
    const bool terminal = isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        std::fputs(prompt, stderr);
        std::fflush(stderr);
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool ok = bool(std::getline(std::cin, line));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fputc('\n', stderr);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    text = QString::fromUtf8(line.data(), qsizetype(line.size()));
    return ok;
}

int run(const QStringList& args)
{
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        tjtool::out(QStringLiteral("usage: tjtool %1\n  %2").arg(kUsage, kSummary));
        return 0;
    }
    if (args.size() != 2) {
        tjtool::err(QStringLiteral("usage: tjtool %1").arg(kUsage));
        return 2;
    }
    const QString& name = args[0];
    const QString& account = args[1];
    const QString path = tj::schema::databasePath(name, tjtool::programFolder());
    if (!tj::schema::isValidDatabaseName(name) || !QFileInfo(path).isFile()) {
        tjtool::err(QStringLiteral("tjtool passwd: 数据库 %1 不存在（%2）").arg(name, path));
        return 1;
    }
    try {
        tj::db::SqliteConnection connection(path);
        connection.open();
        const auto user = connection.query(tj::db::SqlText::format("select id, xming from pub_yhu where zhao='%s'", account));
        if (user.rows.empty()) {
            tjtool::err(QStringLiteral("tjtool passwd: 没有用户帐号 %1").arg(account));
            return 1;
        }
        QString first, second;
        if (!readSecret("新密码：", first) || !readSecret("再输入一次：", second)) {
            tjtool::err(QStringLiteral("tjtool passwd: 没有读到密码，未作修改"));
            return 1;
        }
        if (first != second) {
            tjtool::err(QStringLiteral("tjtool passwd: 两次输入的密码不一致，未作修改"));
            return 1;
        }
        if (first.size() > kMaxPasswordLength) {
            tjtool::err(QStringLiteral("tjtool passwd: 密码最多 %1 个字符，未作修改").arg(kMaxPasswordLength));
            return 1;
        }
        const QString cipher = tj::common::DesEncryptToHex(first, kPasswordKey);
        const int id = int(user.rows[0][0].toInteger());
        connection.execute(tj::db::SqlText::format("update pub_yhu set mma='%s' where id=%d", cipher, id));
        connection.close();
        tjtool::out(first.isEmpty() ? QStringLiteral("用户 %1（%2）的密码已清空").arg(account, user.rows[0][1].toString())
                                    : QStringLiteral("用户 %1（%2）的密码已修改").arg(account, user.rows[0][1].toString()));
        return 0;
    } catch (const tj::db::SqlError& e) {
        tjtool::err(QStringLiteral("tjtool passwd: %1").arg(e.message()));
    } catch (const std::exception& e) {
        tjtool::err(QStringLiteral("tjtool passwd: %1").arg(QString::fromUtf8(e.what())));
    }
    return 1;
}

}  // namespace

TJTOOL_COMMAND("passwd", kUsage, kSummary, run);
