// The yardstick of the start-up benchmark: the least a Qt Widgets program
// does before its first window is on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(316, 67);
    window.show();
    return app.exec();
}
