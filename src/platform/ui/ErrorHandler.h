// The one place where errors that no handler caught end up: a plain error
// message, or, for a lost connection or a time-out, the question whether to
// reconnect.
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace tj::ui {

class ErrorHandler {
public:
    // Called with Yes to the reconnect question: closes the shared
    // connection and opens it again with the same settings. Throws on failure.
    static void setReconnect(std::function<void()> reconnect);
    // Called with No to the reconnect question: ends the program.
    static void setTerminate(std::function<void()> terminate);

    // Shows the error as described above.
    static void handle(const QString& message);
    // True when the message means the connection is gone or timed out.
    static bool isConnectionLoss(const QString& message);
};

// The application object: routes exceptions thrown by event handlers to the
// error handler instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tj::ui
