#include "spots/SpotLine.h"

#include "spots/SpotsLog.h"

namespace Spots {

bool isSpotLine(const QString& line) { return line.left(2).compare(QStringLiteral("DX"), Qt::CaseInsensitive) == 0; }

QString spotFrequency(const QString& line) { return trimBlanks(line.mid(15, 9)); }
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
            continue;
        case Iac::Option: iac_ = Iac::None; continue;
        case Iac::Sub:
            if (c == IAC)
                iac_ = Iac::SubIac;
            continue;
        case Iac::SubIac: iac_ = (c == SE) ? Iac::None : Iac::Sub; continue;
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
    lastCr_ = false;
}

}   // namespace Spots
