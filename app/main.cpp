// Program entry: the desktop program, or a command-line tool when arguments are given.
#include <QCoreApplication>
#include <iostream>

#include "app/Commands.h"
#include "app/Form1.h"
#include "core/GuardedApplication.h"
#include "data/DM.h"

int main(int argc, char** argv) {
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        QStringList args = QCoreApplication::arguments().mid(1);
        return runCommand(args, std::cout, std::cerr);
    }
    kv::GuardedApplication app(argc, argv);
    DM = new TDM(&app);
    Form1 = new TForm1;
    Form1->show();
    int status = app.exec();
    delete Form1;
    return status;
}
