#include "tests/support/FakeKeyLines.h"

#include <QHash>

#include "keying/CwEngine.h"
#include "platform/Monotonic.h"

class FakeSerialLines : public Platform::SerialLines {
public:
    explicit FakeSerialLines(FakeKeyLines& owner) : owner_(owner) { ++owner_.openPorts; }
    ~FakeSerialLines() override
    {
        setDtr(false);
        setRts(false);
        --owner_.openPorts;
    }
    bool setDtr(bool on) override { return owner_.record(QStringLiteral("DTR"), 0, on ? 1 : 0); }
    bool setRts(bool on) override { return owner_.record(QStringLiteral("RTS"), 0, on ? 1 : 0); }

private:
    FakeKeyLines& owner_;
};

FakeKeyLines::FakeKeyLines() { Platform::setKeyLineHardware(this); }
FakeKeyLines::~FakeKeyLines() { Platform::setKeyLineHardware(nullptr); }

std::unique_ptr<Platform::SerialLines> FakeKeyLines::openSerial(const QString& path, QString* error)
{
    if (missingPaths.contains(path)) {
        if (error)
            *error = QStringLiteral("No such file or directory");
        return nullptr;
    }
    opened << path;
    auto lines = std::make_unique<FakeSerialLines>(*this);
    lines->setDtr(false);
    lines->setRts(false);
    return lines;
}

bool FakeKeyLines::writeParallel(int address, uint8_t value) { return record(QStringLiteral("LPT"), address, value); }

bool FakeKeyLines::record(const QString& line, int address, int value)
{
    if (failAfter == 0) {
        if (failTimes != 0) {
            if (failTimes > 0)
                --failTimes;
            return false;
        }
        failAfter = -1;   // working again
    }
    if (failAfter > 0)
        --failAfter;
    events.push_back({Platform::monotonic().nowNs(), line, address, value});
    return true;
}

QString FakeKeyLines::states(const QString& line) const
{
    QString out;
    for (const Event& e : events)
        if (e.line == line)
            out += (line == QLatin1String("LPT") ? e.value == 3 : e.value == 1) ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

bool FakeKeyLines::keyed(const QString& line) const
{
    for (auto it = events.crbegin(); it != events.crend(); ++it)
        if (it->line == line)
            return line == QLatin1String("LPT") ? it->value == 3 : it->value == 1;
    return false;
}

QString decodeMorse(const QString& units)
{
    static const QHash<QString, QChar> byElements = [] {
        QHash<QString, QChar> h;
        const QString chars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/[];\\=-");
        for (QChar c : chars) {
            QString e = CwEngine::elements(c);
            e.chop(3);   // the letter gap
            h.insert(e, c);
        }
        return h;
    }();
    QString out;
    QString current;
    int zeros = 0;
    auto flush = [&] {
        if (!current.isEmpty())
            out += byElements.value(current, QLatin1Char('~'));
        current.clear();
    };
    // Leading key-up units (the line dropped when the port opened) carry nothing.
    qsizetype first = units.indexOf(QLatin1Char('1'));
    if (first < 0)
        return {};
    for (QChar u : units.mid(first) + QStringLiteral("000")) {
        if (u == QLatin1Char('1')) {
            if (zeros >= 3) {
                flush();
                if (zeros >= 11)
                    out += QLatin1Char(' ');
            } else if (zeros > 0) {
                current += QString(zeros, QLatin1Char('0'));
            }
            zeros = 0;
            current += QLatin1Char('1');
        } else {
            ++zeros;
        }
    }
    flush();
    if (zeros >= 11 + 3)
        out += QLatin1Char(' ');
    return out;
}
