#include "platform/Prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace Platform {

namespace {
QPointer<QWidget> promptParent;

QWidget* parentWidget() { return promptParent ? promptParent.data() : QApplication::activeWindow(); }

class QtPrompts : public Prompts {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override
    {
        QMessageBox box(parentWidget());
        box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
        box.setText(text);
        switch (icon) {
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::None: break;
        }
        switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        bool ok = false;
        const QString s = QInputDialog::getText(parentWidget(), title, prompt, QLineEdit::Normal, defaultText, &ok);
        return ok ? s : QString();
    }

    QString openFile(const QString& title, const QString& folder, const QString& fileName, const QString& filter) override
    {
        const QString start = fileName.isEmpty() ? folder : folder + QLatin1Char('/') + fileName;
        return QFileDialog::getOpenFileName(parentWidget(), title, start, filter);
    }

    QString saveFile(const QString& title, const QString& folder, const QString& fileName, const QString& filter) override
    {
        const QString start = fileName.isEmpty() ? folder : folder + QLatin1Char('/') + fileName;
        return QFileDialog::getSaveFileName(parentWidget(), title, start, filter);
    }

    std::optional<QColor> chooseColor(const QColor& initial) override
    {
        const QColor c = QColorDialog::getColor(initial, parentWidget());
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    void beep() override { QApplication::beep(); }
};

QtPrompts& qtPrompts()
{
    static QtPrompts p;
    return p;
}

Prompts* current = nullptr;
} // namespace

Prompts& prompts() { return current ? *current : qtPrompts(); }
void setPrompts(Prompts* p) { current = p; }
void setPromptParent(QWidget* w) { promptParent = w; }

Answer ScriptedPrompts::messageBox(const QString& text, const QString& title, Buttons buttons, Icon)
{
    calls_.push_back({QStringLiteral("message"), text, title, buttons, QString()});
    Answer fallback = Answer::Ok;
    if (buttons == Buttons::YesNo)
        fallback = Answer::No;
    else if (buttons == Buttons::OkCancel || buttons == Buttons::YesNoCancel)
        fallback = Answer::Cancel;
    if (buttons == Buttons::Ok || answers_.empty())
        return buttons == Buttons::Ok ? Answer::Ok : fallback;
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    calls_.push_back({QStringLiteral("input"), prompt, title, Buttons::OkCancel, defaultText});
    if (inputs_.empty())
        return QString();
    const QString s = inputs_.front();
    inputs_.pop_front();
    return s;
}

QString ScriptedPrompts::openFile(const QString& title, const QString& folder, const QString& fileName, const QString&)
{
    calls_.push_back({QStringLiteral("open"), folder, title, Buttons::OkCancel, fileName});
    if (files_.empty())
        return QString();
    const QString s = files_.front();
    files_.pop_front();
    return s;
}

QString ScriptedPrompts::saveFile(const QString& title, const QString& folder, const QString& fileName, const QString&)
{
    calls_.push_back({QStringLiteral("save"), folder, title, Buttons::OkCancel, fileName});
    if (files_.empty())
        return QString();
    const QString s = files_.front();
    files_.pop_front();
    return s;
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor& initial)
{
    calls_.push_back({QStringLiteral("color"), initial.name(), QString(), Buttons::OkCancel, QString()});
    if (colors_.empty())
        return std::nullopt;
    const auto c = colors_.front();
    colors_.pop_front();
    return c;
}

void ScriptedPrompts::beep() { calls_.push_back({QStringLiteral("beep"), {}, {}, Buttons::Ok, {}}); }

QVector<ScriptedPrompts::Call> ScriptedPrompts::callsOf(const QString& kind) const
{
    QVector<Call> out;
    for (const Call& c : calls_)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

QStringList ScriptedPrompts::messages() const
{
    QStringList out;
    for (const Call& c : calls_)
        if (c.kind == QLatin1String("message"))
            out << c.text;
    return out;
}

} // namespace Platform
