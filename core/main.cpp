#include <QApplication>

#include "core/Startup.h"
#include "mainwindow/RigHookup.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vqplog"));
    RigHookup::install();
    Startup::begin();
    return app.exec();
}
