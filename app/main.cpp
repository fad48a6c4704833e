// The program: wires the layers together (installAppHooks) and starts.
#include <QApplication>

#include "core/Startup.h"
#include "mainwindow/AppHooks.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vqplog"));
    installAppHooks();
    if (!Startup::begin())
        return 1;
    return app.exec();
}
