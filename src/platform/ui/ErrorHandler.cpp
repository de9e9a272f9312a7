#include "platform/ui/ErrorHandler.h"

#include "platform/db/ChineseMessage.h"
#include "platform/ui/Dialogs.h"

#include <exception>

namespace tj::ui {

namespace {
std::function<void()>& reconnectFn()
{
    static std::function<void()> fn;
    return fn;
}
std::function<void()>& terminateFn()
{
    static std::function<void()> fn = [] { QApplication::exit(1); };
    return fn;
}
}  // namespace

void ErrorHandler::setReconnect(std::function<void()> reconnect)
{
    reconnectFn() = std::move(reconnect);
}

void ErrorHandler::setTerminate(std::function<void()> terminate)
{
    terminateFn() = std::move(terminate);
}

bool ErrorHandler::isConnectionLoss(const QString& message)
{
    return message.contains(QStringLiteral("连接失败")) || message.contains(QStringLiteral("超时"));
}

bool ErrorHandler::isConnectionLoss(const std::exception& error)
{
    if (const auto* e = dynamic_cast<const db::SqlError*>(&error); e && e->kind() != db::SqlError::Kind::Other)
        return e->isConnectionProblem();
    return isConnectionLoss(QString::fromUtf8(error.what()));
}

namespace {

// The reconnect question; Yes reconnects (asking again when that fails), No ends the program.
void askToReconnect()
{
    const bool yes = Dialogs::instance().question(QStringLiteral("连接不到数据库，重新连接选“是”，退出选“否”"),
                                                  QStringLiteral("提示"), Icon::Error, true);
    if (!yes) {
        if (terminateFn())
            terminateFn()();
        return;
    }
    if (!reconnectFn())
        return;
    try {
        reconnectFn()();
    } catch (const std::exception& e) {
        // The server is still out of reach: ask again with the new cause.
        ErrorHandler::handle(e);
    }
}

void showError(const QString& text)
{
    Dialogs::instance().message(QStringLiteral("出错信息：\r\r") + text, QStringLiteral("提示"), Icon::Error);
}

}  // namespace

void ErrorHandler::handle(const std::exception& error)
{
    if (isConnectionLoss(error))
        askToReconnect();
    else
        showError(db::ChineseMessage(error));
}

void ErrorHandler::handle(const QString& message)
{
    if (!isConnectionLoss(message)) {
        showError(message);
        return;
    }
    askToReconnect();
}

void guarded(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        ErrorHandler::handle(e);
    } catch (...) {
        ErrorHandler::handle(QStringLiteral("未知错误"));
    }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace tj::ui
