// tjtool passwd NAME ACCOUNT: sets a user's password in data/NAME.db. The new
// password is asked for twice (without echo on a terminal; from standard
// input, one line each, otherwise) and stored enciphered as the login checks
// it. Pressing Enter twice resets the password to empty.
#include "Command.h"

#include "common/DesCipher.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteConnection.h"
#include "schema/Schema.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

const QString kUsage = QStringLiteral("passwd NAME ACCOUNT");
const QString kSummary = QStringLiteral("set the password of user ACCOUNT in data/NAME.db, asked for twice (Enter twice: empty password)");

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
    if (args.size() != 2)
        return tjtool::usageError(QStringLiteral("passwd"));
    const QString& account = args[1];
    auto connection = tjtool::openDatabase(args[0]);
    const auto user = connection->query(tj::db::SqlText::format("select id, xming from pub_yhu where zhao='%s'", account));
    if (user.rows.empty())
        throw std::runtime_error(QStringLiteral("没有用户帐号 %1").arg(account).toStdString());
    QString first, second;
    if (!readSecret("新密码：", first) || !readSecret("再输入一次：", second))
        throw std::runtime_error(QStringLiteral("没有读到密码，未作修改").toStdString());
    if (first != second)
        throw std::runtime_error(QStringLiteral("两次输入的密码不一致，未作修改").toStdString());
    if (first.size() > kMaxPasswordLength)
        throw std::runtime_error(QStringLiteral("密码最多 %1 个字符，未作修改").arg(kMaxPasswordLength).toStdString());
    const QString cipher = tj::common::DesEncryptToHex(first, QString::fromLatin1(tj::common::kUserPasswordKey));
    const int id = int(user.rows[0][0].toInteger());
    connection->execute(tj::db::SqlText::format("update pub_yhu set mma='%s' where id=%d", cipher, id));
    tjtool::out(first.isEmpty() ? QStringLiteral("用户 %1（%2）的密码已清空").arg(account, user.rows[0][1].toString())
                                : QStringLiteral("用户 %1（%2）的密码已修改").arg(account, user.rows[0][1].toString()));
    return 0;
}

}  // namespace

TJTOOL_COMMAND("passwd", kUsage, kSummary, run);
