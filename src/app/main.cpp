// Start-up of the health-examination centre client.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("岚川体检管理信息系统"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("岚川体检管理信息系统"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
