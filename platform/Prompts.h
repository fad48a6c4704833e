#pragma once
// Message boxes, questions, input boxes, file and colour dialogs and the beep, behind one
// service. Production shows Qt dialogs; tests install a ScriptedPrompts and give the answers.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

#include <deque>
#include <optional>

class QWidget;

namespace Platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual Answer messageBox(const QString& text, const QString& title, Buttons buttons = Buttons::Ok,
                              Icon icon = Icon::None) = 0;
    // Cancel gives an empty text.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // An empty text when cancelled.
    virtual QString openFile(const QString& title, const QString& folder, const QString& fileName,
                             const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& folder, const QString& fileName,
                             const QString& filter) = 0;
    // No value when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    virtual void beep() = 0;

    // Conveniences over messageBox.
    void message(const QString& text, const QString& title = QString()) { messageBox(text, title); }
    bool yesNo(const QString& text, const QString& title = QString())
    {
        return messageBox(text, title, Buttons::YesNo, Icon::Question) == Answer::Yes;
    }
};

// The service in use (Qt dialogs unless a test installed another). The caller keeps ownership.
Prompts& prompts();
void setPrompts(Prompts* p);
// The window the Qt dialogs are parented to (the active window when unset).
void setPromptParent(QWidget* w);

// Test double: answers from a script, records every call.
class ScriptedPrompts : public Prompts {
public:
    struct Call {
        QString kind;   // "message", "input", "open", "save", "color", "beep"
        QString text;   // the message or prompt
        QString title;
        Buttons buttons = Buttons::Ok;
        QString defaultText;
    };

    // Queued answers, taken in order by the calls that ask for that kind.
    void answer(Answer a) { answers_.push_back(a); }
    void answerInput(const QString& s) { inputs_.push_back(s); }
    void answerFile(const QString& s) { files_.push_back(s); }
    void answerColor(std::optional<QColor> c) { colors_.push_back(c); }

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& folder, const QString& fileName, const QString& filter) override;
    QString saveFile(const QString& title, const QString& folder, const QString& fileName, const QString& filter) override;
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

} // namespace Platform
