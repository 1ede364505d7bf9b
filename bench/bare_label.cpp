// The yardstick for start-up time and memory: a bare Qt 6 window that shows one label.
// Usage: bench_bare_label [TEXT]  (default "00:00:30"; a Chinese text brings in the CJK fonts)
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("00:00:30"));
    label.setWindowTitle(QStringLiteral("Bare label"));
    label.resize(441, 248);
    label.show();
    return app.exec();
}
