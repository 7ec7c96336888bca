// Draws every window the game shows and every text it holds into one
// picture, to compare what a locale does to the game's text.
//   textsampler OUTPUT.png [FAMILY]
// FAMILY, when given, stands in for the game's font.
#include "everywindow.h"
#include "gamefont.h"
#include "windowtesting.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: textsampler OUTPUT.png [FAMILY]\n", stderr);
        return 2;
    }
    WindowTesting::setUpGameApplication();
    if (argc > 2) {
        QFont font = gameFont();
        font.setFamilies({QString::fromLocal8Bit(argv[2])});
        QApplication::setFont(font);
    }

    QList<QImage> pictures;
    QStringList lines;
    EveryWindow::visit([&](QWidget &window) {
        pictures << window.grab().toImage();
        for (const QString &text : EveryWindow::textsOf(window))
            lines << text.split(QLatin1Char('\n'));
    });

    const QFontMetrics metrics(QApplication::font());
    int width = 0;
    int height = 0;
    for (const QImage &picture : pictures) {
        width = std::max(width, picture.width());
        height += picture.height();
    }
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    height += metrics.lineSpacing() * static_cast<int>(lines.size());

    QImage sample(width, height, QImage::Format_RGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    int y = 0;
    for (const QImage &picture : pictures) {
        painter.drawImage(0, y, picture);
        y += picture.height();
    }
    painter.setFont(QApplication::font());
    painter.setPen(Qt::black);
    for (const QString &line : lines) {
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
    painter.end();
    return sample.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
