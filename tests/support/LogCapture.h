#pragma once
// Records the messages logged while it exists (category and text), for tests that check that a
// quiet failure left its warning. Messages still reach the previous handler.
#include <QString>
#include <QStringList>
#include <QtGlobal>

class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    struct Message {
        QtMsgType type;
        QString category;
        QString text;
    };
    const QList<Message>& messages() const { return messages_; }
    // The texts of the warnings logged in `category` ("vqplog.core", ...).
    QStringList warnings(const char* category) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);
    QList<Message> messages_;
    QtMessageHandler previous_ = nullptr;
    LogCapture* outer_ = nullptr;
};
