// The floor for the start-up, memory and idle measurements: a bare Qt Widgets
// program that opens one empty window and waits.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(542, 375);
    window.setWindowTitle(QStringLiteral("empty"));
    window.show();
    return app.exec();
}
