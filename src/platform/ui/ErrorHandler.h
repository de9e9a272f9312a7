// The one place where errors that no handler caught end up: a plain error
// message, or, for a lost connection or a time-out, the question whether to
// reconnect.
#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace tj::ui {

class ErrorHandler {
public:
    // Called with Yes to the reconnect question: closes the shared
    // connection and opens it again with the same settings. Throws on failure.
    static void setReconnect(std::function<void()> reconnect);
    // Called with No to the reconnect question: ends the program.
    static void setTerminate(std::function<void()> terminate);

    // Shows the error as described above. A database error (db::SqlError)
    // of a known kind decides by its kind: connection lost or timed out asks
    // the reconnect question, any other kind shows its Chinese wording
    // (db::ChineseMessage). A plain message, and a database error of no
    // known kind, is judged by its text ("连接失败", "超时").
    static void handle(const std::exception& error);
    static void handle(const QString& message);
    // True when the error means the connection is gone or timed out.
    static bool isConnectionLoss(const std::exception& error);
    static bool isConnectionLoss(const QString& message);
};

// Runs fn and hands any exception it throws to ErrorHandler, so that no
// exception crosses the Qt event loop from code the application's notify()
// does not wrap: timer slots, queued lambdas, callbacks of other libraries.
void guarded(const std::function<void()>& fn);

// A callable for connect() and QTimer that runs f through guarded():
//   connect(timer, &QTimer::timeout, ui::guard([this] { refresh(); }));
template <typename F>
auto guard(F f)
{
    return [f = std::move(f)](auto&&... args) { guarded([&] { f(std::forward<decltype(args)>(args)...); }); };
}

// The application object: routes exceptions thrown by event handlers to the
// error handler instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tj::ui
