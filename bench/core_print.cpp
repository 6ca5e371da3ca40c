// The floor a command's start is measured against: a QtCore program that
// makes its application object and prints one number.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("%.15g\n", 1.609344);
    return 0;
}
