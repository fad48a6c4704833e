#include <QApplication>

#include "core/Startup.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vqplog"));
    if (!Startup::begin())
        return 1;
    return app.exec();
}
