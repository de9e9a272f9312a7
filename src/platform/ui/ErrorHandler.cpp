#include "platform/ui/ErrorHandler.h"

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

void ErrorHandler::handle(const QString& message)
{
    Dialogs& dialogs = Dialogs::instance();
    if (!isConnectionLoss(message)) {
        dialogs.message(QStringLiteral("出错信息：\r\r") + message, QStringLiteral("提示"), Icon::Error);
        return;
    }
    const bool yes = dialogs.question(QStringLiteral("连接不到数据库，重新连接选“是”，退出选“否”"),
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
        handle(QString::fromUtf8(e.what()));
    }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ErrorHandler::handle(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorHandler::handle(QStringLiteral("未知错误"));
    }
    return false;
}

}  // namespace tj::ui
