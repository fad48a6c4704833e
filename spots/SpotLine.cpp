#include "spots/SpotLine.h"

#include "spots/SpotsLog.h"

namespace Spots {

bool isSpotLine(const QString& line) { return line.left(2).compare(QStringLiteral("DX"), Qt::CaseInsensitive) == 0; }

namespace {
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool endsWord(QChar c) { return isBlank(c) || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Digits with at most one point and at least one digit: no sign, exponent, comma or NaN.
bool isPlainNumber(QStringView s)
{
    int digits = 0, points = 0;
    for (QChar c : s) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && ++points == 1)
            continue;
        else
            return false;
    }
    return digits > 0;
}
}   // namespace

QString spotFrequency(const QString& line)
{
    // The frequency column ends at 24; a frequency that ends before column 16 is none.
    constexpr qsizetype FirstColumn = 15;
    const qsizetype n = line.size();
    qsizetype i = 3;   // past "DX" and the character after it
    auto skipBlanks = [&] {
        while (i < n && isBlank(line[i]))
            ++i;
    };
    skipBlanks();
    if (line.mid(i, 2).compare(QStringLiteral("de"), Qt::CaseInsensitive) == 0 && (i + 2 >= n || isBlank(line[i + 2])))
        i += 2;
    skipBlanks();
    while (i < n && !endsWord(line[i]) && line[i] != QLatin1Char(':'))   // the spotter's call
        ++i;
    if (i < n && line[i] == QLatin1Char(':'))
        ++i;
    skipBlanks();
    const qsizetype start = i;
    while (i < n && !endsWord(line[i]))
        ++i;
    const QStringView word = QStringView(line).mid(start, i - start);
    if (i <= FirstColumn || !isPlainNumber(word))
        return QString();
    return word.toString();
}

QString spotCall(const QString& line) { return trimBlanks(line.mid(26, 13)); }
QString spotRecord(const QString& line) { return trimBlanks(line.mid(3)); }

namespace {
constexpr unsigned char IAC = 255, SB = 250, SE = 240, WILL = 251, DONT = 254;
}

QStringList LineCutter::feed(const QByteArray& bytes)
{
    QStringList lines;
    auto endLine = [&] {
        lines << partial_ + QStringLiteral("\r\n");
        partial_.clear();
    };
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        switch (iac_) {
        case Iac::Command:
            if (c == IAC) {
                iac_ = Iac::None;   // IAC IAC: a data byte 255
                break;
            }
            iac_ = (c == SB) ? Iac::Sub : (c >= WILL && c <= DONT) ? Iac::Option : Iac::None;
            subBytes_ = 0;
            continue;
        case Iac::Option: iac_ = Iac::None; continue;
        case Iac::Sub:
        case Iac::SubIac:
            if (iac_ == Iac::SubIac && c == SE) {
                iac_ = Iac::None;
                continue;
            }
            iac_ = (iac_ == Iac::Sub && c == IAC) ? Iac::SubIac : Iac::Sub;
            if (++subBytes_ > SubLimit) {
                // Never closed: what it swallowed is lost; the line it began in is dropped so the
                // next whole line is read as it was sent.
                qCWarning(lcSpots) << "telnet sub-negotiation longer than" << SubLimit << "bytes given up";
                iac_ = Iac::SkipLine;
            }
            continue;
        case Iac::SkipLine:
            if (c == '\n' || c == '\r') {
                partial_.clear();
                iac_ = Iac::None;
                lastCr_ = c == '\r';
            }
            continue;
        case Iac::None:
            if (c == IAC) {
                iac_ = Iac::Command;
                continue;
            }
            break;
        }
        if (c == 0 || c == 7)
            continue;
        if (c == '\n') {
            if (lastCr_)
                lastCr_ = false;   // the LF of a CR LF already ended the line
            else
                endLine();
            continue;
        }
        lastCr_ = false;
        if (c == '\r') {
            endLine();
            lastCr_ = true;
            continue;
        }
        partial_ += QChar(c);
        if (partial_.size() >= limit_) {
            qCWarning(lcSpots) << "received line longer than" << limit_ << "characters cut";
            endLine();
        }
    }
    return lines;
}

QString LineCutter::takePartial()
{
    QString p = partial_;
    partial_.clear();
    return p;
}

void LineCutter::clear()
{
    partial_.clear();
    iac_ = Iac::None;
    subBytes_ = 0;
    lastCr_ = false;
}

}   // namespace Spots
