// The yardstick for start-up time, memory and CPU: a bare Qt 6 window that shows one 72-point
// label counting down once a second from 00:10:00.
// Usage: bench_bare_label [TEXT]  (a text given stays still; a Chinese one brings in the CJK fonts)
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label;
    QFont font = label.font();
    font.setPointSize(72);
    label.setFont(font);
    label.setWindowTitle(QStringLiteral("Bare label"));
    label.resize(441, 248);
    int left = 600;
    QTimer tick;
    if (argc > 1) {
        label.setText(QString::fromUtf8(argv[1]));
    } else {
        const auto show = [&] { label.setText(QTime(0, 0).addSecs(left).toString(QStringLiteral("HH:mm:ss"))); };
        show();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            left = left > 0 ? left - 1 : 0;
            show();
        });
        tick.start(1000);
    }
    label.show();
    return app.exec();
}
