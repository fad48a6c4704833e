#include "spots/SpotReception.h"

#include "spots/SpotLine.h"
#include "spots/SpotsLog.h"

namespace Spots {

void Terminal::append(const QString& s)
{
    text += s;
    TrimTerminal();
}

void Terminal::replace(const QString& s)
{
    text = s;
    TrimTerminal();
}

void Terminal::TrimTerminal()
{
    if (text.size() > Limit)
        text = text.right(Keep);
    if (text.size() > 2)
        caret = int(text.size()) - 1;
}

bool Terminal::showsRecently(const QString& s) const
{
    const qsizetype start = std::max<qsizetype>(text.size() - 800, 1) - 1;
    return text.indexOf(s, start, Qt::CaseInsensitive) >= 0;
}

void Reception::ReadTNCPort(const QByteArray& input)
{
    if (input.isEmpty())
        return;
    TNCReceiveBuffer += QString::fromLatin1(input);
    if (TNCReceiveBuffer.size() > 2)
        ProcessTNCBuffer();
    if (TNCReceiveBuffer.size() > TncBufferLimit) {
        // Only an unfinished line is left here: no line end within the bound means noise.
        qCWarning(lcSpots) << "TNC sent" << TNCReceiveBuffer.size() << "characters without a line end; dropped";
        TNCReceiveBuffer = QStringLiteral("\n");
    }
}

void Reception::ProcessTNCBuffer()
{
    for (;;) {
        const qsizetype first = TNCReceiveBuffer.indexOf(QLatin1Char('\n'));
        if (first < 0)
            return;
        TNCReceiveBuffer.remove(0, first);
        const qsizetype next = TNCReceiveBuffer.indexOf(QLatin1Char('\n'), 1);
        if (next < 0)
            return;
        const QString line = TNCReceiveBuffer.mid(1, next);
        if (!terminal.showsRecently(line)) {
            if (isSpotLine(line)) {
                terminal.append(line);
                PostSpotToMain(spotFrequency(line), spotCall(line), line);
            } else if (!listDxOnly) {
                terminal.append(line);
            }
        }
        TNCReceiveBuffer.remove(0, next);
    }
}

void Reception::telnetLine(const QString& line)
{
    if (!listDxOnly)
        terminal.append(line);
    if (isSpotLine(line)) {
        PostSpotToMain(spotFrequency(line), spotCall(line), line);
        if (listDxOnly)
            terminal.append(line);
    }
}

void Reception::telnetPartial(const QString& text)
{
    if (!listDxOnly && !text.isEmpty())
        terminal.append(text);
}

void Reception::PostSpotToMain(const QString& freq, const QString& call, const QString& line)
{
    LabelUpdateTimeCounter = 0;
    if (post)
        post(call, freq, spotRecord(line));
}

bool Reception::tick(bool bandMapShown)
{
    LabelUpdateTimeCounter += 1;
    if (LabelUpdateTimeCounter > 360) {
        LabelUpdateTimeCounter = 0;
        return bandMapShown;
    }
    return false;
}

}   // namespace Spots
