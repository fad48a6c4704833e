#include "tests/support/ScriptedPrompts.h"

namespace Platform {

Answer ScriptedPrompts::messageBox(const QString& text, const QString& title, Buttons buttons, Icon)
{
    calls_.push_back({QStringLiteral("message"), text, title, buttons, QString(), QString()});
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
    calls_.push_back({QStringLiteral("input"), prompt, title, Buttons::OkCancel, defaultText, QString()});
    if (inputs_.empty())
        return QString();
    const QString s = inputs_.front();
    inputs_.pop_front();
    return s;
}

QString ScriptedPrompts::openFile(const QString& title, const QString& folder, const QString& fileName,
                                  const QString& filter)
{
    calls_.push_back({QStringLiteral("open"), folder, title, Buttons::OkCancel, fileName, filter});
    if (files_.empty())
        return QString();
    const QString s = files_.front();
    files_.pop_front();
    return s;
}

QString ScriptedPrompts::saveFile(const QString& title, const QString& folder, const QString& fileName,
                                  const QString& filter)
{
    calls_.push_back({QStringLiteral("save"), folder, title, Buttons::OkCancel, fileName, filter});
    if (files_.empty())
        return QString();
    const QString s = files_.front();
    files_.pop_front();
    return s;
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor& initial)
{
    calls_.push_back({QStringLiteral("color"), initial.name(), QString(), Buttons::OkCancel, QString(), QString()});
    if (colors_.empty())
        return std::nullopt;
    const auto c = colors_.front();
    colors_.pop_front();
    return c;
}

void ScriptedPrompts::beep() { calls_.push_back({QStringLiteral("beep"), {}, {}, Buttons::Ok, {}, {}}); }

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

}   // namespace Platform
