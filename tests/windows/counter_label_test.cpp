// The counter draws its text where the plain label draws it, and a new text repaints at least
// every pixel that changes.
#include "windows/CounterLabel.h"
#include "windows/Look.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <gtest/gtest.h>

namespace {
struct NotingCounter : CounterLabel { // notes the region of each paint
    QRegion painted;
    void paintEvent(QPaintEvent* e) override
    {
        painted += e->region();
        CounterLabel::paintEvent(e);
    }
};

QImage Drawn(QLabel& label, const QString& text)
{
    label.setText(text);
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkBlue);
    label.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}
} // namespace

TEST(CounterLabel, DrawsAsTheLabelAndRepaintsWhatChanges)
{
    const struct {
        QFont font;
        QSize size;
        Qt::Alignment alignment;
        int top; // margin
    } looks[] = {
        {look::DesignFont({"Arial", "Liberation Sans"}, 72, true), {381, 111}, Qt::AlignCenter, 0},
        {look::DesignFont(look::ArialBlackFamilies(), 36, true), {251, 60}, Qt::AlignLeft | Qt::AlignVCenter, 3},
        {look::DesignFont(look::ArialNarrowFamilies(), 159.75, true), {1280, 207}, Qt::AlignHCenter | Qt::AlignTop, 9},
    };
    // Each step from the text before: one digit, several, a longer text, overtime.
    const QString texts[] = {"00:10:00", "00:09:59", "00:09:58", "00:00:00", "01:59:59", "+00:00:01", "+00:00:02", "00:05:00"};
    for (const auto& look : looks) {
        SCOPED_TRACE(look.size.width());
        QWidget window;
        window.resize(look.size + QSize(20, 20));
        QLabel plain;
        auto* counter = new NotingCounter;
        counter->setParent(&window);
        for (QLabel* l : {&plain, static_cast<QLabel*>(counter)}) {
            l->setFont(look.font);
            l->setAlignment(look.alignment);
            l->setContentsMargins(0, look.top, 0, 0);
            l->setGeometry(QRect({}, look.size));
        }
        window.show();
        QString before = counter->text();
        for (const QString& text : texts) {
            SCOPED_TRACE(text.toStdString());
            const QImage old = Drawn(*counter, before);
            QCoreApplication::processEvents();
            counter->painted = {};
            counter->ShowText(text);
            QCoreApplication::processEvents();
            const QRegion painted = counter->painted;
            const QImage now = Drawn(*counter, text);
            EXPECT_EQ(now, Drawn(plain, text));
            int unpainted = 0;
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    unpainted += old.pixel(x, y) != now.pixel(x, y) && !painted.contains(QPoint(x, y));
            EXPECT_EQ(unpainted, 0) << "changed pixels left unpainted";
            if (text.size() == before.size() && text.left(5) == before.left(5))
                EXPECT_LT(painted.boundingRect().width(), now.width() / 2) << "repainted more than the changed digits";
            before = text;
        }
    }
}
