#include "keying/KeyerSettings.h"

#include <cmath>
#include <limits>

#include "core/Files.h"
#include "core/ListFormat.h"

namespace KeyerSettings {

namespace {

// A value read into a numeric variable: an empty value is 0, a text must read as a number.
std::optional<double> numeric(const ListFormat::Value& v)
{
    if (v.kind == ListFormat::Value::Kind::Text && v.text.trimmed().isEmpty())
        return 0.0;
    double d = 0;
    if (!v.toNumber(d))
        return std::nullopt;
    return d;
}

// A whole number in [lo, hi], rounded halves to even as the runtime converts.
std::optional<int> wholeIn(const ListFormat::Value& v, int lo, int hi)
{
    const auto d = numeric(v);
    if (!d)
        return std::nullopt;
    return ListFormat::wholeIn(*d, lo, hi);
}

QByteArray fileData(const QString& folder, const QString& name, bool& found)
{
    QByteArray data;
    found = Files::readAll(Files::resolve(folder, name), data);
    return data;
}

}   // namespace

std::optional<int> repeatInterval(const QString& seconds)
{
    double s = 0;
    if (!seconds.trimmed().isEmpty() && !ListFormat::parseNumber(seconds, s))
        return std::nullopt;
    const double ms = std::nearbyint(s * 1000.0);
    if (ms < 0 || ms > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(ms);
}

CWSettings parseCW(const QByteArray& data)
{
    CWSettings s;
    ListFormat::Reader r(data);
    ListFormat::Value v;
    auto text = [&](QString& into) {
        if (!r.next(v))
            return false;
        into = v.toText();
        ++s.valuesRead;
        return true;
    };

    for (int i = 0; i < 9; ++i)
        if (!text(s.messages[i]))
            return s;
    if (s.messages[8].isEmpty())
        s.messages[8] = EmptyF9Message;
    if (!text(s.port) || !text(s.speed) || !text(s.f10Message) || !text(s.f11Message) || !text(s.wordSpace))
        return s;

    if (!r.next(v))
        return s;
    const auto method = wholeIn(v, 0, 255);
    if (!method)
        return s;
    s.keyMethod = static_cast<uint8_t>(*method);
    ++s.valuesRead;

    if (!text(s.parallelAddress))
        return s;

    if (!r.next(v))
        return s;
    const auto echo = wholeIn(v, 0, 2);   // a check box is unticked, ticked or greyed
    if (!echo)
        return s;
    s.echo = *echo;
    ++s.valuesRead;

    if (!text(s.repeatSeconds))
        return s;
    const auto interval = repeatInterval(s.repeatSeconds);
    if (!interval)
        return s;
    s.repeatIntervalMs = *interval;
    s.complete = true;
    return s;
}

CWSettings readCW(const QString& folder)
{
    bool found = false;
    const QByteArray data = fileData(folder, QStringLiteral("cw.txt"), found);
    return found ? parseCW(data) : CWSettings();
}

QByteArray formatCW(const CWSettings& s)
{
    ListFormat::Writer w;
    for (const QString& m : s.messages)
        w.text(m).endLine();
    w.text(s.port).endLine();
    w.text(s.speed).endLine();
    w.text(s.f10Message).endLine();
    w.text(s.f11Message).endLine();
    w.text(s.wordSpace).endLine();
    w.integer(s.keyMethod).endLine();
    w.text(s.parallelAddress).endLine();
    w.integer(s.echo).endLine();
    w.text(s.repeatSeconds).endLine();
    return w.data();
}

WinkeyRead parseWinkey(const QByteArray& data)
{
    WinkeyRead out;
    WinkeySettings& s = out.settings;
    ListFormat::Reader r(data);
    ListFormat::Value v;
    auto byte = [&](uint8_t& into) {
        if (!r.next(v))
            return false;
        const auto b = wholeIn(v, 0, 255);
        if (!b)
            return false;
        into = static_cast<uint8_t>(*b);
        ++out.valuesRead;
        return true;
    };
    auto text = [&](QString& into) {
        if (!r.next(v))
            return false;
        into = v.toText();
        ++out.valuesRead;
        return true;
    };
    if (!byte(s.comPort) || !text(s.wpm) || !text(s.weight) || !text(s.leadIn) || !text(s.tail) || !text(s.ratio)) {
        out.failed = true;
        return out;
    }
    // Lines 7 and 8 came later: an older file ends here.
    if (r.atEnd())
        return out;
    if (!byte(s.pinConfig)) {
        out.failed = true;
        return out;
    }
    if (r.atEnd())
        return out;
    if (!byte(s.mode))
        out.failed = true;
    return out;
}

QByteArray formatWinkey(const WinkeySettings& s)
{
    ListFormat::Writer w;
    w.integer(s.comPort).endLine();
    for (const QString* t : {&s.wpm, &s.weight, &s.leadIn, &s.tail, &s.ratio})
        w.text(*t).endLine();
    w.integer(s.pinConfig).endLine();
    w.integer(s.mode).endLine();
    return w.data();
}

std::optional<PhoneSettings> parsePhone(const QByteArray& data)
{
    PhoneSettings s;
    ListFormat::Reader r(data);
    ListFormat::Value v;
    for (int i = 0; i < 9; ++i) {
        if (!r.next(v))
            return std::nullopt;
        s.wavePaths[i] = v.toText();
    }
    if (!r.next(v))
        return std::nullopt;
    s.port = v.toText();

    if (!r.next(v))
        return std::nullopt;
    // An empty value counts as 0 (RTS); a number other than 0, 1 or 2, or a text, selects no line.
    const auto line = numeric(v);
    s.pttLine = (line && (*line == 0 || *line == 1 || *line == 2)) ? static_cast<int>(*line) : -1;

    if (!r.next(v))
        return std::nullopt;
    s.repeatSeconds = v.toText();
    const auto interval = repeatInterval(s.repeatSeconds);
    if (!interval)
        return std::nullopt;
    s.repeatIntervalMs = *interval;

    if (!r.next(v))
        return std::nullopt;
    s.parallelAddress = v.toText();
    return s;
}

std::optional<PhoneSettings> readPhone(const QString& folder)
{
    bool found = false;
    const QByteArray data = fileData(folder, QStringLiteral("wave2.txt"), found);
    if (!found)
        return std::nullopt;
    return parsePhone(data);
}

QByteArray formatPhone(const PhoneSettings& s)
{
    ListFormat::Writer w;
    for (const QString& path : s.wavePaths)
        w.text(path.trimmed()).endLine();
    w.text(s.port).endLine();
    w.integer(s.pttLine).endLine();
    w.text(s.repeatSeconds).endLine();
    w.text(s.parallelAddress).endLine();
    return w.data();
}

}   // namespace KeyerSettings
