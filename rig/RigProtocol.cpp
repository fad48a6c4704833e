#include "rig/RigProtocol.h"

#include "core/Format.h"
#include "core/ListFormat.h"

#include <QDir>

#include <cmath>
#include <limits>

namespace Rig {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// `count` characters from `from` that are all decimal digits, as a number; no value when the
// reply is shorter or a character is not a digit.
std::optional<qint64> digitsAt(const QByteArray& reply, qsizetype from, int count)
{
    if (from < 0 || reply.size() < from + count || count <= 0 || count > 18)
        return std::nullopt;
    qint64 v = 0;
    for (int i = 0; i < count; ++i) {
        const char c = reply.at(from + i);
        if (!isDigit(c))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The decimal value of a text of digits (BCD pairs as hex text); no value for any other text.
std::optional<qint64> decimalText(const QString& s)
{
    if (s.isEmpty() || s.size() > 18)
        return std::nullopt;
    qint64 v = 0;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

// One or two hexadecimal characters as a byte value; -1 when not hexadecimal.
int hexPiece(const QString& piece)
{
    if (piece.isEmpty())
        return -1;
    int v = 0;
    for (QChar c : piece) {
        const int d = hexValue(c);
        if (d < 0)
            return -1;
        v = v * 16 + d;
    }
    return v;
}

// An unsigned number from hex digits `first`..`last` (1-based, inclusive) of the reply's hex text.
std::optional<qint64> hexDigitsNumber(const QString& hex, int first, int last)
{
    if (hex.size() < last)
        return std::nullopt;
    qint64 v = 0;
    for (int k = first; k <= last; ++k)
        v = v * 16 + hexValue(hex.at(k - 1));
    return v;
}

Reading freqOnly(float f)
{
    Reading r;
    r.freq = f;
    return r;
}

Reading modeOnly(const QString& m)
{
    Reading r;
    r.mode = m;
    return r;
}

const QString CW = QStringLiteral("CW");
const QString PH = QStringLiteral("PH");

}   // namespace

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// ---------------------------------------------------------------------------------------------
// Models

const QVector<Model>& models()
{
    static const QVector<Model> table = [] {
        auto m = [](const char* name, Family f, const char* baud, char data, char stop, char parity, const char* fq,
                    const char* mq, bool hex, bool note) {
            return Model{QString::fromLatin1(name),
                         f,
                         QString::fromLatin1(baud),
                         data,
                         stop,
                         parity,
                         QString::fromLatin1(fq),
                         QString::fromLatin1(mq),
                         hex,
                         note};
        };
        return QVector<Model>{
            m("None", Family::None, "", 0, 0, 0, "", "", false, false),
            m("Elecraft", Family::Kenwood, "4800", '8', '2', 'N', "FA;", "MD;", false, false),
            m("Icom", Family::Icom, "1200", '8', '1', 'N', "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", true, true),
            m("Icom 735", Family::Icom, "1200", '8', '1', 'N', "FE FE 64 E0 03 FD", "FE FE 64 E0 04 FD", true, true),
            m("Kenwood", Family::Kenwood, "4800", '8', '2', 'N', "FA;", "MD;", false, false),
            m("Kenwood 2", Family::KenwoodIF, "4800", '8', '2', 'N', "IF;", "", false, false),
            m("Ten Tec Omni VI", Family::Icom, "1200", '8', '1', 'N', "FE FE 04 E0 03 FD", "FE FE 04 E0 04 FD", true,
              false),
            m("Ten Tec Orion", Family::Orion, "56000", '8', '1', 'N', "?AF", "?RMM", false, false),
            m("Ten Tec Fnt Pnl", Family::TenTecPanel, "56000", '8', '1', 'N', "3F 41 0D", "3F 4D 0D", true, false),
            m("Ten Tec Pegasus", Family::Pegasus, "", 0, 0, 0, "", "", false, false),
            m("Yaesu", Family::Yaesu, "4800", '8', '2', 'N', "00 00 00 00 03", "", true, false),
            m("Yaesu 757 GX II", Family::Yaesu757, "4800", '8', '2', 'N', "00 00 00 00 10", "", true, false),
            m("Yaesu 890", Family::Yaesu890, "4800", '8', '2', 'N', "00 00 00 02 10", "", true, false),
            m("Yaesu 920", Family::Yaesu920, "4800", '8', '2', 'N', "00 00 00 02 10", "", true, false),
            m("Yaesu 990", Family::Yaesu990, "4800", '8', '2', 'N', "00 00 00 02 10", "", true, false),
            m("Yaesu 1000 D", Family::Yaesu990, "4800", '8', '2', 'N', "00 00 00 02 10", "", true, false),
            m("Yaesu 1000", Family::Yaesu1000, "4800", '8', '2', 'N', "00 00 00 02 10", "", true, false),
            m("Yaesu FTdx9000", Family::FTdx9000, "4800", 0, 0, 0, "FA;", "MD0;", false, false),
            m("Other", Family::Other, "", 0, 0, 0, "", "", false, false),
        };
    }();
    return table;
}

const Model* findModel(const QString& name)
{
    for (const Model& m : models())
        if (m.name == name)
            return &m;
    return nullptr;
}

Family familyOf(const QString& rigType)
{
    const Model* m = findModel(rigType);
    return m ? m->family : Family::None;
}

bool usesYaesuCatOnOff(const QString& rigType)
{
    return rigType.left(5) == QLatin1String("Yaesu") && rigType != QLatin1String("Yaesu FTdx9000");
}

QByteArray yaesuCatOn() { return QByteArray(5, '\0'); }
QByteArray yaesuCatOff() { return QByteArray::fromHex("0000000080"); }
QByteArray orionStart() { return QByteArray("X\r"); }

// ---------------------------------------------------------------------------------------------
// Hexadecimal texts

QString NibbleToHex(int v)
{
    if (v < 0 || v > 15)
        return {};
    return QString(QLatin1Char("0123456789ABCDEF"[v]));
}

QString BytesToHexPairs(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const int b = static_cast<unsigned char>(c);
        s += NibbleToHex(b >> 4);
        s += NibbleToHex(b & 15);
    }
    return s;
}

QString BytesToHexText(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size() * 3);
    for (char c : bytes) {
        const int b = static_cast<unsigned char>(c);
        s += NibbleToHex(b >> 4);
        s += NibbleToHex(b & 15);
        s += QLatin1Char(' ');
    }
    return s;
}

QByteArray HexTextToBytes(const QString& text)
{
    QByteArray out;
    for (int i = 0; i < text.size(); i += 3) {
        const int v = hexPiece(text.mid(i, 2));
        if (v < 0)
            return {};
        out.append(static_cast<char>(v));
    }
    return out;
}

QByteArray HexPairsToBytes(const QString& text)
{
    QByteArray out;
    for (int i = 0; i < text.size(); i += 2) {
        const int v = hexPiece(text.mid(i, 2));
        if (v < 0)
            return {};
        out.append(static_cast<char>(v));
    }
    return out;
}

std::optional<QByteArray> spacedQueryBytes(const QString& text, int count)
{
    QByteArray out;
    for (int k = 0; k < count; ++k) {
        const QString piece = text.mid(3 * k, 2);
        if (piece.size() != 2)
            return std::nullopt;
        const int v = hexPiece(piece);
        if (v < 0)
            return std::nullopt;
        out.append(static_cast<char>(v));
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Replies

void Reading::merge(const Reading& r)
{
    if (r.freq)
        freq = r.freq;
    if (r.mode)
        mode = r.mode;
    if (r.vfo)
        vfo = r.vfo;
}

float mhzFromUnits(qint64 units, qint64 unitsPerMHz)
{
    const double tenHz = std::nearbyint(double(units) * 100000.0 / double(unitsPerMHz));
    return static_cast<float>(tenHz / 100000.0);
}

namespace Kenwood {

Reading parseFreq(const QByteArray& reply, const QString& freqQuery)
{
    if (freqQuery.size() < 3)
        return {};
    const qsizetype p = reply.indexOf(freqQuery.left(2).toLatin1());
    // The eleven digits and one more character (the terminator) must be there.
    if (p < 0 || reply.size() < p + 14)
        return {};
    const auto hz = digitsAt(reply, p + 2, 11);
    return hz ? freqOnly(mhzFromUnits(*hz, 1000000)) : Reading{};
}

Reading parseMode(const QByteArray& reply)
{
    const qsizetype p = reply.indexOf("MD");
    if (p < 0 || reply.size() < p + 3 || !isDigit(reply.at(p + 2)))
        return {};
    const char c = reply.at(p + 2);
    return modeOnly(c == '3' || c == '7' ? CW : PH);
}

Reading parseIF(const QByteArray& reply)
{
    Reading r;
    const qsizetype p = reply.indexOf("IF");
    if (p < 0 || reply.size() < p + 14)
        return r;
    if (const auto hz = digitsAt(reply, p + 2, 11))
        r.freq = mhzFromUnits(*hz, 1000000);
    if (reply.size() > p + 29 && isDigit(reply.at(p + 29))) {
        const char c = reply.at(p + 29);
        r.mode = (c == '3' || c == '7') ? CW : PH;
    }
    if (reply.size() > p + 30 && isDigit(reply.at(p + 30)))
        r.vfo = reply.at(p + 30) - '0';
    return r;
}

QByteArray setFrequency(const QString& marker, float mhz)
{
    const auto hz = frequencyUnits(mhz, 6);
    const QString digits = hz ? fixedDigits(*hz, 11) : QString();
    if (marker.size() < 2 || digits.isEmpty())
        return {};
    return (marker.left(2) + digits + QLatin1Char(';')).toLatin1();
}

QByteArray setMode(const QString& mode)
{
    static const QVector<QPair<QString, const char*>> codes = {
        {QStringLiteral("CW"), "MD3;"},  {QStringLiteral("LSB"), "MD1;"}, {QStringLiteral("USB"), "MD2;"},
        {QStringLiteral("AM"), "MD5;"},  {QStringLiteral("FM"), "MD4;"},  {QStringLiteral("RTTY"), "MD6;"},
        {QStringLiteral("FSK"), "MD6;"},
    };
    for (const auto& c : codes)
        if (c.first == mode)
            return QByteArray(c.second);
    return {};
}

}   // namespace Kenwood

namespace FTdx9000 {

Reading parse(const QByteArray& reply, const QString& freqQuery, const QString& modeQuery)
{
    Reading r;
    if (freqQuery.size() >= 2) {
        const qsizetype p = reply.indexOf(freqQuery.left(2).toLatin1());
        if (p >= 0)
            if (const auto hz = digitsAt(reply, p + 2, 8))
                r.freq = mhzFromUnits(*hz, 1000000);
    }
    if (modeQuery.size() >= 3) {
        const qsizetype p = reply.indexOf(modeQuery.left(3).toLatin1());
        if (p >= 0 && reply.size() > p + 3 && hexValue(QLatin1Char(reply.at(p + 3))) >= 0) {
            const char c = reply.at(p + 3);
            r.mode = (c == '3' || c == '7') ? CW : PH;
        }
    }
    return r;
}

QByteArray setFrequency(const QString& freqQuery, float mhz)
{
    const auto hz = frequencyUnits(mhz, 6);
    const QString digits = hz ? fixedDigits(*hz, 8) : QString();
    if (freqQuery.size() < 2 || digits.isEmpty())
        return {};
    return (freqQuery.left(2) + digits + QLatin1Char(';')).toLatin1();
}

QByteArray setMode(const QString& modeQuery, const QString& mode)
{
    static const QVector<QPair<QString, char>> digits = {
        {QStringLiteral("CW"), '3'},   {QStringLiteral("CW-R"), '7'}, {QStringLiteral("LSB"), '1'},
        {QStringLiteral("USB"), '2'},  {QStringLiteral("AM"), '5'},   {QStringLiteral("FM"), '4'},
        {QStringLiteral("RTTY"), '6'},
    };
    if (modeQuery.size() < 3)
        return {};
    for (const auto& d : digits)
        if (d.first == mode)
            return (modeQuery.left(3) + QLatin1Char(d.second) + QLatin1Char(';')).toLatin1();
    return {};
}

}   // namespace FTdx9000

namespace Orion {

Reading parseFreq(const QByteArray& reply)
{
    const qsizetype p = reply.indexOf("@AF");
    if (p < 0)
        return {};
    const qsizetype cr = reply.indexOf('\r', p + 3);
    if (cr < 0)
        return {};
    // Below 10 MHz the radio pads the field with blanks on the left ("@AF 7030000").
    qsizetype from = p + 3;
    while (from < cr && reply.at(from) == ' ')
        ++from;
    const int n = int(cr - from);
    const auto hz = digitsAt(reply, from, n);
    return hz && n <= 11 ? freqOnly(mhzFromUnits(*hz, 1000000)) : Reading{};
}

Reading parseMode(const QByteArray& reply)
{
    const qsizetype p = reply.indexOf("@RMM");
    if (p < 0 || reply.size() < p + 5 || !isDigit(reply.at(p + 4)))
        return {};
    const char c = reply.at(p + 4);
    return modeOnly(c == '2' || c == '3' ? CW : PH);
}

QByteArray setFrequency(float mhz)
{
    const auto hz = frequencyUnits(mhz, 6);
    if (!hz || *hz > 99999999999LL)
        return {};
    return "*AF" + QByteArray::number(*hz) + '\r';
}

}   // namespace Orion

namespace TenTecPanel {

Reading parseFreq(const QByteArray& reply)
{
    if (reply.size() < 5 || reply.at(0) != 'A')
        return {};
    const auto hz = hexDigitsNumber(BytesToHexPairs(reply.left(5)), 3, 10);
    return hz ? freqOnly(mhzFromUnits(*hz, 1000000)) : Reading{};
}

Reading parseMode(const QByteArray& reply)
{
    if (reply.size() < 3 || reply.at(0) != 'M')
        return {};
    const int nibble = static_cast<unsigned char>(reply.at(1)) & 15;
    if (nibble == 3)
        return modeOnly(CW);
    if (nibble <= 4)
        return modeOnly(PH);
    return {};
}

QByteArray setFrequency(float mhz)
{
    const auto hz = frequencyUnits(mhz, 6);
    if (!hz || *hz > 0xFFFFFFFFLL)
        return {};
    const QString hex = QStringLiteral("%1").arg(*hz, 8, 16, QLatin1Char('0')).toUpper();
    return HexPairsToBytes(QStringLiteral("2A41") + hex + QStringLiteral("0D"));
}

}   // namespace TenTecPanel

namespace Yaesu {

namespace {

// The status-block models: a frequency from hex digits first..last divided by `unitsPerMHz`,
// and a mode from hex digit 16 (the low nibble of byte 8) by `modeOf`.
Reading parseBlock(const QByteArray& reply, int first, int last, qint64 unitsPerMHz,
                   std::optional<QString> (*modeOf)(int))
{
    Reading r;
    if (reply.size() < 5)
        return r;
    const QString hex = BytesToHexPairs(reply);
    if (const auto units = hexDigitsNumber(hex, first, last))
        r.freq = mhzFromUnits(*units, unitsPerMHz);
    if (hex.size() >= 16)
        r.mode = modeOf(hexValue(hex.at(15)));
    return r;
}

std::optional<QString> modeDigit2IsCW(int d)
{
    if (d == 2)
        return CW;
    if (d >= 0 && d <= 7)
        return PH;
    return std::nullopt;
}

std::optional<QString> modeDigit1IsCW(int d) { return d == 1 ? CW : PH; }

}   // namespace

Reading parseStatus(const QByteArray& reply)
{
    Reading r;
    if (reply.size() < 5)
        return r;
    const QString hex = BytesToHexPairs(reply.left(5));
    const auto units = decimalText(hex.left(8));
    if (!units)
        return r;
    r.freq = mhzFromUnits(*units, 100000);
    const QString m = hex.mid(8, 2);
    static const QStringList phone = {"00", "01", "04", "08", "84", "88"};
    static const QStringList cw = {"02", "03", "82", "83"};
    if (phone.contains(m))
        r.mode = PH;
    else if (cw.contains(m))
        r.mode = CW;
    return r;
}

Reading parse757(const QByteArray& reply)
{
    Reading r;
    if (reply.size() < 9)
        return r;
    const QString hex = BytesToHexPairs(reply);
    const QString joined = hex.mid(16, 2) + hex.mid(14, 2) + hex.mid(12, 2) + hex.mid(10, 2);
    if (const auto units = decimalText(joined))
        r.freq = mhzFromUnits(*units, 100000);
    if (reply.size() >= 10) {
        const QString pair = hex.mid(18, 2);
        int code = 0;
        for (QChar c : pair) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                break;
            code = code * 10 + (c.unicode() - '0');
        }
        static const char* names[] = {"PH", "PH", "CW", "CW", "AM", "FM"};
        if (code >= 0 && code <= 5)
            r.mode = QString::fromLatin1(names[code]);
    }
    return r;
}

Reading parse890(const QByteArray& reply) { return parseBlock(reply, 5, 10, 100000, modeDigit2IsCW); }
Reading parse1000(const QByteArray& reply) { return parseBlock(reply, 4, 9, 100000, modeDigit2IsCW); }
Reading parse990(const QByteArray& reply) { return parseBlock(reply, 3, 8, 100000, modeDigit2IsCW); }
Reading parse920(const QByteArray& reply) { return parseBlock(reply, 3, 10, 1000000, modeDigit1IsCW); }

QByteArray setFrequencyGeneric(float mhz)
{
    const auto units = frequencyUnits(mhz, 5);
    const QString digits = units ? fixedDigits(*units, 8) : QString();
    if (digits.isEmpty())
        return {};
    return HexPairsToBytes(digits + QStringLiteral("01"));
}

QByteArray setFrequencyReversed(float mhz)
{
    const auto units = frequencyUnits(mhz, 5);
    const QString digits = units ? fixedDigits(*units, 8) : QString();
    if (digits.isEmpty())
        return {};
    return HexPairsToBytes(pairsReversed(digits) + QStringLiteral("0A"));
}

QByteArray setModeGeneric(const QString& mode)
{
    static const QVector<QPair<QString, const char*>> codes = {
        {QStringLiteral("CW"), "02"},  {QStringLiteral("LSB"), "00"}, {QStringLiteral("USB"), "01"},
        {QStringLiteral("AM"), "04"},  {QStringLiteral("FM"), "08"},  {QStringLiteral("RTTY"), "0A"},
        {QStringLiteral("DIG"), "0A"}, {QStringLiteral("PKT"), "0C"},
    };
    for (const auto& c : codes)
        if (c.first == mode)
            return HexPairsToBytes(QLatin1String(c.second) + QStringLiteral("00000007"));
    return {};
}

QByteArray setModeReversed(const QString& mode)
{
    static const QVector<QPair<QString, const char*>> codes = {
        {QStringLiteral("CW"), "02"},   {QStringLiteral("CW-R"), "03"}, {QStringLiteral("LSB"), "00"},
        {QStringLiteral("USB"), "01"},  {QStringLiteral("AM"), "04"},   {QStringLiteral("FM"), "06"},
        {QStringLiteral("RTTY"), "08"}, {QStringLiteral("PKT"), "0A"},
    };
    for (const auto& c : codes)
        if (c.first == mode)
            return HexPairsToBytes(QStringLiteral("000000") + QLatin1String(c.second) + QStringLiteral("0C"));
    return {};
}

}   // namespace Yaesu

namespace Icom {

namespace {

// Whole CI-V frames of command `cmd` in the reply, each as its data bytes.
QVector<QByteArray> framesOf(const QByteArray& reply, char cmd)
{
    QVector<QByteArray> frames;
    const qsizetype n = reply.size();
    qsizetype i = 0;
    while (i + 1 < n) {
        if (reply.at(i) != char(0xFE) || reply.at(i + 1) != char(0xFE)) {
            ++i;
            continue;
        }
        // Preamble found: two addresses, the command, the data up to FD.
        const qsizetype cmdAt = i + 4;
        if (cmdAt >= n)
            break;
        if (reply.at(cmdAt) != cmd) {
            i = cmdAt;   // not ours: look for the next preamble after it
            continue;
        }
        const qsizetype end = reply.indexOf(char(0xFD), cmdAt + 1);
        if (end < 0)
            break;   // the frame is not complete
        frames.append(reply.mid(cmdAt + 1, end - cmdAt - 1));
        i = end + 1;
    }
    return frames;
}

}   // namespace

Reading parseFreq(const QByteArray& reply, bool fourByteFrequency)
{
    const int expected = fourByteFrequency ? 4 : 5;
    Reading r;
    for (const QByteArray& data : framesOf(reply, 0x03)) {
        if (data.size() != expected)
            continue;   // the echo of the query (no data) or a frame of another length
        QString digits;
        for (char c : data)
            digits.prepend(BytesToHexPairs(QByteArray(1, c)));
        if (const auto hz = decimalText(digits))
            r.freq = static_cast<float>(double(*hz) / 1000000.0);
    }
    return r;
}

Reading parseMode(const QByteArray& reply)
{
    for (const QByteArray& data : framesOf(reply, 0x04)) {
        if (data.isEmpty())
            continue;
        const int code = static_cast<unsigned char>(data.at(0));
        return modeOnly(code == 0x03 || code == 0x07 ? CW : PH);
    }
    return {};
}

QByteArray setFrequency(const QString& freqQuery, float mhz, bool fourByteFrequency)
{
    const QString address = freqQuery.mid(6, 2);
    const auto hz = frequencyUnits(mhz, 6);
    const QString digits = hz ? fixedDigits(*hz, fourByteFrequency ? 8 : 10) : QString();
    if (address.size() != 2 || digits.isEmpty())
        return {};
    return HexPairsToBytes(QStringLiteral("FEFE") + address + QStringLiteral("E005") + pairsReversed(digits) +
                           QStringLiteral("FD"));
}

QByteArray setMode(const QString& freqQuery, const QString& mode)
{
    static const QVector<QPair<QString, const char*>> codes = {
        {QStringLiteral("CW"), "03"},   {QStringLiteral("CW-R"), "07"},   {QStringLiteral("LSB"), "00"},
        {QStringLiteral("USB"), "01"},  {QStringLiteral("AM"), "02"},     {QStringLiteral("FM"), "05"},
        {QStringLiteral("RTTY"), "04"}, {QStringLiteral("RTTY-R"), "08"},
    };
    const QString address = freqQuery.mid(6, 2);
    if (address.size() != 2)
        return {};
    for (const auto& c : codes)
        if (c.first == mode)
            return HexPairsToBytes(QStringLiteral("FEFE") + address + QStringLiteral("E006") + QLatin1String(c.second) +
                                   QStringLiteral("FD"));
    return {};
}

}   // namespace Icom

namespace Pegasus {

// The largest frequency a serial answer can carry: eleven digits of hertz.
constexpr double MaxStatusMHz = 99999.99999;

Reading parseStatus(const QByteArray& fileData)
{
    Reading r;
    ListFormat::Reader reader(fileData);
    ListFormat::Value v;
    double f = 0;
    // A frequency no radio can have (below 0, beyond what a serial answer holds) is no reading.
    if (!reader.next(v) || !v.toNumber(f) || !(f >= 0 && f <= MaxStatusMHz))
        return r;
    r.freq = static_cast<float>(f);
    if (reader.next(v)) {
        const QString m = v.toText();
        if (m == CW)
            r.mode = CW;
        else if (!m.isEmpty())
            r.mode = PH;
    }
    return r;
}

QByteArray command(float mhz, const QString& mode)
{
    if (!frequencyUnits(mhz, 6))
        return {};
    return (mhzText(mhz) + QStringLiteral("\r\n") + mode.trimmed() + QStringLiteral("\r\n")).toLatin1();
}

QString folder()
{
    const QString own = qEnvironmentVariable("VQPLOG_PEGASUS_DIR");
    if (!own.isEmpty())
        return own;
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    return prefix + QStringLiteral("/drive_c/Pegasus");
}

}   // namespace Pegasus

Reading decodeReply(const QString& rigType, const QByteArray& reply, int toggle, const QString& freqQuery,
                    const QString& modeQuery)
{
    Reading r;
    switch (familyOf(rigType)) {
    case Family::Kenwood:
        r.merge(Kenwood::parseFreq(reply, freqQuery));
        r.merge(Kenwood::parseMode(reply));
        break;
    case Family::KenwoodIF: r = Kenwood::parseIF(reply); break;
    case Family::Icom:
        r = toggle == 1 ? Icom::parseFreq(reply, rigType == QLatin1String("Icom 735")) : Icom::parseMode(reply);
        break;
    case Family::Yaesu: r = Yaesu::parseStatus(reply); break;
    case Family::Yaesu757: r = Yaesu::parse757(reply); break;
    case Family::Yaesu890: r = Yaesu::parse890(reply); break;
    case Family::Yaesu920: r = Yaesu::parse920(reply); break;
    case Family::Yaesu990: r = Yaesu::parse990(reply); break;
    case Family::Yaesu1000: r = Yaesu::parse1000(reply); break;
    case Family::FTdx9000: r = FTdx9000::parse(reply, freqQuery, modeQuery); break;
    case Family::TenTecPanel: r = toggle == 1 ? TenTecPanel::parseFreq(reply) : TenTecPanel::parseMode(reply); break;
    case Family::Orion:
        r.merge(Orion::parseFreq(reply));
        r.merge(Orion::parseMode(reply));
        break;
    case Family::Pegasus:
    case Family::None:
    case Family::Other: break;
    }
    return r;
}

std::optional<QString> modeFromFrequency(float mhz)
{
    struct Row {
        float low, high;
        const char* mode;
    };
    static const Row rows[] = {
        {3.5f, 3.6f, "CW"},      {3.6f, 4.0f, "PH"},     {7.0f, 7.125f, "CW"},   {7.125f, 7.3f, "PH"},
        {10.1f, 10.15f, "CW"},   {14.0f, 14.15f, "CW"},  {14.15f, 14.35f, "PH"}, {18.068f, 18.11f, "CW"},
        {18.11f, 18.168f, "PH"}, {21.0f, 21.2f, "CW"},   {21.2f, 21.45f, "PH"},  {24.89f, 24.93f, "CW"},
        {24.93f, 24.99f, "PH"},  {28.0f, 28.3f, "CW"},   {28.3f, 29.7f, "PH"},   {50.0f, 50.1f, "CW"},
        {50.1f, 54.0f, "PH"},    {144.0f, 144.1f, "CW"}, {144.1f, 148.0f, "PH"},
    };
    std::optional<QString> mode;
    for (const Row& r : rows)
        if (r.low < mhz && mhz < r.high)
            mode = QString::fromLatin1(r.mode);
    return mode;
}

// ---------------------------------------------------------------------------------------------
// Commands

QString mhzText(float mhz) { return Format::single(mhz); }

std::optional<qint64> frequencyUnits(float mhz, int exp10)
{
    if (!std::isfinite(mhz) || mhz <= 0)
        return std::nullopt;
    const QString text = mhzText(mhz);
    // The shortest text is plain digits with at most one point for every frequency a radio has.
    qint64 mantissa = 0;
    int decimals = 0, digits = 0;
    bool point = false;
    for (QChar c : text) {
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || ++digits > 15)
            return std::nullopt;
        mantissa = mantissa * 10 + (c.unicode() - '0');
        if (point)
            ++decimals;
    }
    qint64 units = mantissa;
    if (decimals <= exp10) {
        for (int i = decimals; i < exp10; ++i) {
            if (units > std::numeric_limits<qint64>::max() / 10)
                return std::nullopt;
            units *= 10;
        }
    } else {
        qint64 div = 1;
        for (int i = exp10; i < decimals; ++i)
            div *= 10;
        const qint64 q = units / div, rem = units % div;
        units = q + ((2 * rem > div || (2 * rem == div && (q & 1))) ? 1 : 0);
    }
    if (units <= 0)
        return std::nullopt;
    return units;
}

QString fixedDigits(qint64 value, int digits)
{
    const QString s = QString::number(value);
    if (value < 0 || s.size() > digits)
        return {};
    return s.rightJustified(digits, QLatin1Char('0'));
}

QString pairsReversed(const QString& digits)
{
    QString out;
    for (int i = digits.size() - 2; i >= 0; i -= 2)
        out += digits.mid(i, 2);
    return out;
}

QByteArray frequencyCommand(const QString& rigType, float mhz, const QString& freqQuery, int vfo)
{
    switch (familyOf(rigType)) {
    case Family::Kenwood:
        return Kenwood::setFrequency(rigType == QLatin1String("Elecraft") ? QStringLiteral("FA") : freqQuery.left(2),
                                     mhz);
    case Family::KenwoodIF: return Kenwood::setFrequency(vfo == 1 ? QStringLiteral("FB") : QStringLiteral("FA"), mhz);
    case Family::Icom: return Icom::setFrequency(freqQuery, mhz, rigType == QLatin1String("Icom 735"));
    case Family::TenTecPanel: return TenTecPanel::setFrequency(mhz);
    case Family::Orion: return Orion::setFrequency(mhz);
    case Family::Yaesu: return Yaesu::setFrequencyGeneric(mhz);
    case Family::Yaesu757:
    case Family::Yaesu890:
    case Family::Yaesu920:
    case Family::Yaesu990:
    case Family::Yaesu1000: return Yaesu::setFrequencyReversed(mhz);
    case Family::FTdx9000: return FTdx9000::setFrequency(freqQuery, mhz);
    case Family::Pegasus:
    case Family::None:
    case Family::Other: break;
    }
    return {};
}

QByteArray modeCommand(const QString& rigType, const QString& mode, const QString& freqQuery, const QString& modeQuery)
{
    switch (familyOf(rigType)) {
    case Family::Kenwood:
    case Family::KenwoodIF: return Kenwood::setMode(mode);
    case Family::FTdx9000: return FTdx9000::setMode(modeQuery, mode);
    case Family::Yaesu: return Yaesu::setModeGeneric(mode);
    case Family::Yaesu757:
    case Family::Yaesu890:
    case Family::Yaesu920:
    case Family::Yaesu990:
    case Family::Yaesu1000: return Yaesu::setModeReversed(mode);
    case Family::Icom:
        if (rigType == QLatin1String("Icom 735"))
            return {};
        return Icom::setMode(freqQuery, mode);
    default: return {};
    }
}

int frequencyCommandPauseMs(const QString& rigType)
{
    switch (familyOf(rigType)) {
    case Family::None:
    case Family::Other: return 0;
    case Family::Icom: return 140;
    case Family::Yaesu1000: return 10;
    default: return 205;
    }
}

int frequencyCommandExtraPauseMs(const QString& rigType)
{
    if (rigType == QLatin1String("Elecraft"))
        return 1000;
    if (rigType == QLatin1String("Ten Tec Omni VI"))
        return 220;
    return 0;
}

}   // namespace Rig
