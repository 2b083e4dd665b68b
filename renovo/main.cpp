#include <QApplication>
#include <QLabel>
#include <QTimer>

// The update wizard. For now a window that opens and closes; its pages come
// with their own work.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("renovo"));
    window.setFixedSize(320, 240);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    const int quitAfter = qEnvironmentVariableIntValue("RENOVO_QUIT_AFTER_MS");
    if (quitAfter > 0)
        QTimer::singleShot(quitAfter, &app, &QApplication::quit);
    return app.exec();
}
