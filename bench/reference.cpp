// The bare Qt programs the whole program is measured against: each does the least that shows
// the same thing on screen.
//   zeltabenchref start : a main window of the splash's size with one label
//   zeltabenchref click : a button in one window; each click draws a curve of 9001 points and its
//                         label into a 613 x 453 picture shown in a second window, which repaints
//   Prints "ready WINDOW X Y" once shown: the picture's window and the button's centre on the screen.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {

class Picture : public QWidget {
public:
    Picture() : m_image(613, 453, QImage::Format_RGB32)
    {
        m_image.fill(Qt::white);
        setFixedSize(m_image.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    // y = 2x^2 on the one-unit scale, a point a twip column, and its label.
    void drawCurve()
    {
        ++m_curves;
        const QRgb colour = qRgb(m_curves * 37 % 156, m_curves * 53 % 206, m_curves * 71 % 256);
        for (int c = 100; c <= 9100; ++c) {
            const double x = (c - 4600) / 500.0;
            const double row = 3400 - 2 * x * x * 500;
            if (row >= 0 && row < 6795)
                reinterpret_cast<QRgb *>(m_image.scanLine(static_cast<int>(row / 15)))[c / 15] = colour;
        }
        QPainter p(&m_image);
        p.setPen(QColor(colour));
        p.drawText(540, (m_curves - 1) * 13 + 10, QStringLiteral("y= (2) x^2"));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, m_image); }

private:
    QImage m_image;
    int m_curves = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode == u"start") {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Zeltaplot")));
        window.setFixedSize(492, 283);
        window.show();
        return app.exec();
    }
    if (mode != u"click") {
        std::fprintf(stderr, "usage: %s start | click\n", argv[0]);
        return 2;
    }
    QWidget buttons;
    buttons.setFixedSize(400, 100);
    buttons.move(0, 560);
    auto *button = new QPushButton(QStringLiteral("Sketch Curve"), &buttons);
    button->setGeometry(20, 30, 360, 25);
    Picture picture;
    picture.move(660, 540);
    QObject::connect(button, &QPushButton::clicked, &picture, &Picture::drawCurve);
    buttons.show();
    picture.show();
    QTimer::singleShot(500, [&] {
        const QPoint at = button->mapToGlobal(button->rect().center());
        std::printf("ready 0x%llx %d %d\n", static_cast<unsigned long long>(picture.winId()), at.x(), at.y());
        std::fflush(stdout);
    });
    return app.exec();
}
