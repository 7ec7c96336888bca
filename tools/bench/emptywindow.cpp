// The floor for the start-up, memory and idle measurements: a bare Qt Widgets
// program that opens one empty window and waits.
//   emptywindow              an empty window
//   emptywindow --japanese   a window with one line of Japanese text in the
//                            game's font, the floor for any program that shows Japanese
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool japanese = argc > 1 && QByteArray(argv[1]) == "--japanese";
    if (japanese) {
        QFont font(QStringLiteral("Noto Sans CJK JP"));
        font.setPixelSize(11);
        QApplication::setFont(font);
    }
    QLabel window(japanese ? QStringLiteral("残高 人口 年") : QString());
    window.resize(542, 375);
    window.setWindowTitle(QStringLiteral("empty"));
    window.show();
    return app.exec();
}
