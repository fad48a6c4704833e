#pragma once
// Prompts for tests: answers from a script, records every call. Installed with
// Platform::setPrompts.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

#include <deque>
#include <optional>

#include "platform/Prompts.h"

namespace Platform {

class ScriptedPrompts : public Prompts {
public:
    struct Call {
        QString kind;   // "message", "input", "open", "save", "color", "beep"
        QString text;   // the message or prompt
        QString title;
        Buttons buttons = Buttons::Ok;
        QString defaultText;   // input: the default text; open, save: the proposed file name
        QString filter;        // open, save: the file filter
    };

    // Queued answers, taken in order by the calls that ask for that kind.
    void answer(Answer a) { answers_.push_back(a); }
    void answerInput(const QString& s) { inputs_.push_back(s); }
    void answerFile(const QString& s) { files_.push_back(s); }
    void answerColor(std::optional<QColor> c) { colors_.push_back(c); }

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& folder, const QString& fileName,
                     const QString& filter) override;
    QString saveFile(const QString& title, const QString& folder, const QString& fileName,
                     const QString& filter) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    void beep() override;

    const QVector<Call>& calls() const { return calls_; }
    QVector<Call> callsOf(const QString& kind) const;
    int beeps() const { return int(callsOf(QStringLiteral("beep")).size()); }
    // Message boxes shown (texts), in order.
    QStringList messages() const;
    void clear() { calls_.clear(); }

private:
    std::deque<Answer> answers_;
    std::deque<QString> inputs_;
    std::deque<QString> files_;
    std::deque<std::optional<QColor>> colors_;
    QVector<Call> calls_;
};

}   // namespace Platform
