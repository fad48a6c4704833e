#pragma once
// Message boxes, questions, input boxes, file and colour dialogs and the beep, behind one
// service. Production shows Qt dialogs; tests install their own (setPrompts) and give the answers.
#include <QColor>
#include <QString>
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

}   // namespace Platform
