#include "tests/support/LogCapture.h"

namespace {
LogCapture* g_current = nullptr;
}

LogCapture::LogCapture() : outer_(g_current)
{
    g_current = this;
    previous_ = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous_);
    g_current = outer_;
}

QStringList LogCapture::warnings(const char* category) const
{
    QStringList out;
    for (const Message& m : messages_)
        if (m.type == QtWarningMsg && m.category == QLatin1String(category))
            out << m.text;
    return out;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    LogCapture* self = g_current;
    if (!self)
        return;
    self->messages_.append({type, QString::fromLatin1(context.category ? context.category : ""), text});
    if (self->previous_)
        self->previous_(type, context, text);
}
