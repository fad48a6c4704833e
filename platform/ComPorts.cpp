#include "platform/ComPorts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace Platform {

namespace {

// comports.txt found without regard to case in `folder`, or an empty text.
QString findComportsFile(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString& name : names)
        if (name.compare(QStringLiteral("comports.txt"), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

}   // namespace

QString comPortPath(int n, const QString& dataFolder)
{
    if (n < 1)
        return {};
    const QByteArray fromEnv = qgetenv(QStringLiteral("VQPLOG_COM%1").arg(n).toLatin1().constData());
    if (!fromEnv.trimmed().isEmpty())
        return QString::fromLocal8Bit(fromEnv.trimmed());

    QString mapped;
    const QString path = findComportsFile(dataFolder);
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString key = QStringLiteral("COM%1").arg(n);
        QTextStream in(&file);
        // A settings file of a few lines; a bounded read keeps a wrong file (a device) harmless.
        for (int lines = 0; lines < 1000 && !in.atEnd(); ++lines) {
            const QString line = in.readLine(4096);
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
                const QString value = line.mid(eq + 1).trimmed();
                if (!value.isEmpty())
                    mapped = value;
            }
        }
    }
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

}   // namespace Platform
