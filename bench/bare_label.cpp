// The yardstick for start-up time and memory: a bare Qt 6 window that shows one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("00:00:30"));
    label.setWindowTitle(QStringLiteral("Bare label"));
    label.resize(441, 248);
    label.show();
    return app.exec();
}
