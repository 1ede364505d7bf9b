// The counter draws its text where the plain label draws it, and a new text repaints at least
// every pixel that changes.
#include "windows/Control.h"
#include "windows/CounterLabel.h"
#include "windows/Look.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <gtest/gtest.h>

namespace {
// A counter that notes the region of each paint.
struct NotingCounter : CounterLabel {
    QRegion painted;
    void paintEvent(QPaintEvent* e) override
    {
        painted += e->region();
        CounterLabel::paintEvent(e);
    }
};

struct Look {
    const char* what;
    QFont font;
    QRect geometry;
    Qt::Alignment alignment;
    QMargins margins;
};

QImage Drawn(QLabel& label, const QString& text)
{
    label.setText(text);
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkBlue);
    label.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

template <class L>
void Shape(L& label, const Look& look)
{
    label.setFont(look.font);
    label.setAlignment(look.alignment);
    label.setContentsMargins(look.margins);
    label.setGeometry(look.geometry);
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, QColor(0xff, 0xff, 0x00));
    label.setPalette(p);
}
} // namespace

TEST(CounterLabel, DrawsAsTheLabelAndRepaintsWhatChanges)
{
    const Look looks[] = {
        {"main window", look::DesignFont({"Arial", "Liberation Sans"}, 72, true), {0, 0, 381, 111}, Qt::AlignCenter, {}},
        {"large toolbar", look::DesignFont(look::ArialBlackFamilies(), 36, true), {0, 0, 251, 60},
         Qt::AlignLeft | Qt::AlignVCenter, {0, 3, 0, 0}},
        {"full screen", look::DesignFont(look::ArialNarrowFamilies(), 159.75, true), {0, 0, 1280, 207},
         Qt::AlignHCenter | Qt::AlignTop, {0, 9, 0, 0}},
    };
    // Each step from the text before: one digit, several, a longer text, overtime.
    const QString texts[] = {"00:10:00", "00:09:59", "00:09:58", "00:00:00", "01:59:59", "+00:00:01", "+00:00:02", "00:05:00"};
    for (const Look& look : looks) {
        SCOPED_TRACE(look.what);
        QWidget window;
        window.resize(look.geometry.size() + QSize(20, 20));
        Control plain;
        Shape(plain, look);
        auto* counter = new NotingCounter;
        counter->setParent(&window);
        Shape(*counter, look);
        window.show();
        QCoreApplication::processEvents();
        QString before = counter->text();
        for (const QString& text : texts) {
            SCOPED_TRACE(text.toStdString());
            const QImage old = Drawn(*counter, before);
            counter->setText(before);
            QCoreApplication::processEvents();
            counter->painted = {};
            counter->ShowText(text);
            QCoreApplication::processEvents();
            const QRegion painted = counter->painted;
            const QImage now = Drawn(*counter, text);
            EXPECT_EQ(now, Drawn(plain, text));
            int outside = 0;
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    if (old.pixel(x, y) != now.pixel(x, y) && !painted.contains(QPoint(x, y)))
                        ++outside;
            EXPECT_EQ(outside, 0) << "changed pixels left unpainted";
            if (text.size() == before.size() && text.left(5) == before.left(5))
                EXPECT_LT(painted.boundingRect().width(), now.width() / 2) << "repainted more than the changed digits";
            before = text;
        }
    }
}
