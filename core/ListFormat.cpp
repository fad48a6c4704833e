#include "core/ListFormat.h"

#include <cmath>
#include <cstring>

namespace ListFormat {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

QString shortest(double v, int maxDigits, bool asSingle)
{
    if (!std::isfinite(v) || v == 0)
        return QStringLiteral("0");
    // QString::number and QByteArray::toDouble use the C locale whatever the system's is.
    QString s;
    for (int digits = 1; digits <= maxDigits; ++digits) {
        s = QString::number(v, 'g', digits);
        const double back = s.toLatin1().toDouble();
        if (asSingle ? static_cast<float>(back) == static_cast<float>(v) : back == v)
            break;
    }
    // 'g' may choose an exponent form; keep plain decimals where they are short enough.
    if (s.contains(QLatin1Char('e'))) {
        const double back = s.toLatin1().toDouble();
        const double mag = std::fabs(back);
        if (mag >= 1e-5 && mag < 1e15) {
            s = QString::number(back, 'f', 15);
            while (s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(QLatin1Char('.')))
                s.chop(1);
        } else {
            s.replace(QLatin1Char('e'), QLatin1Char('E'));
        }
    }
    return s;
}
}   // namespace

// The white space of Latin-1 text as QChar::isSpace knows it.
static bool isLatin1Space(unsigned char c) { return c == ' ' || (c >= 9 && c <= 13) || c == 0x85 || c == 0xA0; }

QByteArrayView trimmedToken(QByteArrayView token)
{
    qsizetype b = 0;
    qsizetype e = token.size();
    while (b < e && isLatin1Space(static_cast<unsigned char>(token[b])))
        ++b;
    while (e > b && isLatin1Space(static_cast<unsigned char>(token[e - 1])))
        --e;
    return token.sliced(b, e - b);
}

bool isTruthToken(QByteArrayView token, bool& truth)
{
    // No Latin-1 letter folds to an ASCII one, so an ASCII comparison is the case-blind one.
    const auto equalsFolded = [&token](const char* word, qsizetype n) {
        if (token.size() != n)
            return false;
        for (qsizetype i = 0; i < n; ++i) {
            char c = token[i];
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 32);
            if (c != word[i])
                return false;
        }
        return true;
    };
    if (equalsFolded("#TRUE#", 6)) {
        truth = true;
        return true;
    }
    if (equalsFolded("#FALSE#", 7)) {
        truth = false;
        return true;
    }
    return false;
}

// A bare token as a value: empty, a truth value, a number, or else a text as written.
static void bareValue(QByteArrayView bytes, Value& out)
{
    const QByteArrayView token = trimmedToken(bytes);
    out.text = QString::fromLatin1(token);
    if (token.isEmpty()) {
        out.kind = Value::Kind::Empty;
    } else if (isTruthToken(token, out.boolean)) {
        out.kind = Value::Kind::Bool;
        out.number = out.boolean ? -1 : 0;
    } else if (parseNumber(token, out.number)) {
        out.kind = Value::Kind::Number;
    } else {
        out.kind = Value::Kind::Text;
    }
}

static bool startsWithByteOrderMark(QByteArrayView data) { return data.startsWith(QByteArrayView(ByteOrderMark)); }

QString Value::toText() const
{
    switch (kind) {
    case Kind::Empty: return QString();
    case Kind::Text: return text;
    case Kind::Number: return formatDouble(number);
    case Kind::Bool: return boolean ? QStringLiteral("True") : QStringLiteral("False");
    }
    return QString();
}

bool Value::toNumber(double& out) const
{
    switch (kind) {
    case Kind::Empty: out = 0; return true;
    case Kind::Number: out = number; return true;
    case Kind::Bool: out = boolean ? -1 : 0; return true;
    case Kind::Text: return parseNumber(text, out);
    }
    return false;
}

std::optional<int> wholeIn(double number, int lo, int hi)
{
    const double r = std::nearbyint(number);
    if (!(r >= lo && r <= hi))
        return std::nullopt;
    return static_cast<int>(r);
}

std::optional<int> Value::toWhole(int lo, int hi) const
{
    double d = 0;
    if (!toNumber(d))
        return std::nullopt;
    return wholeIn(d, lo, hi);
}

double Value::toDouble(double fallback) const
{
    double d;
    return toNumber(d) ? d : fallback;
}

int Value::toInt(int fallback) const
{
    double d;
    if (!toNumber(d) || std::fabs(d) > 2147483647.0)
        return fallback;
    return static_cast<int>(std::nearbyint(d));
}

Reader::Reader(QByteArray data) : data_(std::move(data))
{
    if (startsWithByteOrderMark(data_))
        pos_ = 3;
}

void Reader::skipBlanks()
{
    while (pos_ < data_.size() && isBlank(data_[pos_]))
        ++pos_;
}

bool Reader::atEnd() const
{
    for (qsizetype i = pos_; i < data_.size(); ++i)
        if (!isBlank(data_[i]) && !isLineEnd(data_[i]))
            return false;
    return true;
}

bool Reader::next(Value& out)
{
    out = Value();
    if (atEnd()) {
        pos_ = data_.size();
        return false;
    }
    skipBlanks();
    const qsizetype n = data_.size();
    if (pos_ < n && data_[pos_] == '"') {
        const qsizetype start = pos_ + 1;
        qsizetype end = data_.indexOf('"', start);
        if (end < 0)
            end = n;
        out.kind = Value::Kind::Text;
        out.text = fromFileBytes(data_.mid(start, end - start));
        pos_ = end < n ? end + 1 : n;
        // Anything between the closing quote and the separator is passed over.
        while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            ++pos_;
        bareValue(QByteArrayView(data_).sliced(start, pos_ - start), out);
    }
    // Consume the separator: a comma, or one line end (CR LF, CR or LF).
    if (pos_ < n) {
        if (data_[pos_] == ',') {
            ++pos_;
        } else if (data_[pos_] == '\r') {
            ++pos_;
            if (pos_ < n && data_[pos_] == '\n')
                ++pos_;
        } else if (data_[pos_] == '\n') {
            ++pos_;
        }
    }
    return true;
}

bool Reader::nextText(QString& out)
{
    Value v;
    if (!next(v))
        return false;
    out = v.toText();
    return true;
}

bool Reader::nextNumber(double& out)
{
    Value v;
    if (!next(v))
        return false;
    return v.toNumber(out);
}

LineReader::LineReader(QByteArrayView data) : data_(data)
{
    if (startsWithByteOrderMark(data_))
        pos_ = 3;
}

bool LineReader::next(QByteArrayView& line)
{
    const qsizetype n = data_.size();
    if (pos_ >= n)
        return false;
    // The line ends at the first LF or CR, whichever comes first.
    const char* const start = data_.data() + pos_;
    const void* lf = std::memchr(start, '\n', size_t(n - pos_));
    const qsizetype lfAt = lf ? static_cast<const char*>(lf) - data_.data() : n;
    const void* cr = std::memchr(start, '\r', size_t(lfAt - pos_));
    const qsizetype end = cr ? static_cast<const char*>(cr) - data_.data() : lfAt;
    line = data_.sliced(pos_, end - pos_);
    ++lineNumber_;
    if (end < n && data_[end] == '\r' && end + 1 < n && data_[end + 1] == '\n')
        pos_ = end + 2;
    else
        pos_ = end + 1;
    return true;
}

bool isBlankLine(QByteArrayView line)
{
    for (char c : line)
        if (!isBlank(c))
            return false;
    return true;
}

bool splitLineViews(QByteArrayView line, LineViews& out)
{
    out.clear();
    const char* const data = line.data();
    const qsizetype n = line.size();
    qsizetype pos = 0;
    for (;;) {
        ValueView v;
        while (pos < n && isBlank(data[pos]))
            ++pos;
        if (pos < n && data[pos] == '"') {
            const qsizetype start = pos + 1;
            qsizetype end = start;
            while (end < n && data[end] != '"')
                ++end;
            if (end == n)
                return false;   // the quote does not close on this line
            v.bytes = line.sliced(start, end - start);
            v.quoted = true;
            pos = end + 1;
            while (pos < n && isBlank(data[pos]))
                ++pos;
            if (pos < n && data[pos] != ',')
                return false;   // something after the closing quote
        } else {
            const qsizetype start = pos;
            while (pos < n && data[pos] != ',') {
                if (data[pos] == '"')
                    return false;   // a quote inside a bare value
                ++pos;
            }
            v.bytes = line.sliced(start, pos - start);
        }
        out.push_back(v);
        if (pos == n)
            return true;
        ++pos;   // the comma; a comma at the end of the line leaves one more, empty value
    }
}

Value toValue(const ValueView& v)
{
    Value out;
    if (v.quoted) {
        out.kind = Value::Kind::Text;
        out.text = QString::fromLatin1(v.bytes);
    } else {
        bareValue(v.bytes, out);
    }
    return out;
}

bool splitLine(QByteArrayView line, QVector<Value>& out)
{
    out.clear();
    LineViews views;
    if (!splitLineViews(line, views))
        return false;
    out.reserve(views.size());
    for (const ValueView& v : views)
        out.push_back(toValue(v));
    return true;
}

void Writer::separate()
{
    if (lineHasValue_)
        out_.append(',');
    lineHasValue_ = true;
}

Writer& Writer::text(const QString& s)
{
    separate();
    QString clean = s;
    // The format has no escape for a double quote; one that slipped through would shift every
    // later value when the file is read back.
    clean.replace(QLatin1Char('"'), QLatin1Char('\''));
    out_.append('"');
    out_.append(toFileBytes(clean));
    out_.append('"');
    return *this;
}

Writer& Writer::number(double v)
{
    separate();
    out_.append(formatDouble(v).toLatin1());
    return *this;
}

Writer& Writer::single(float v)
{
    separate();
    out_.append(formatSingle(v).toLatin1());
    return *this;
}

Writer& Writer::integer(long long v)
{
    separate();
    out_.append(QByteArray::number(v));
    return *this;
}

Writer& Writer::boolean(bool v)
{
    separate();
    out_.append(v ? "#TRUE#" : "#FALSE#");
    return *this;
}

Writer& Writer::empty()
{
    separate();
    return *this;
}

Writer& Writer::endLine()
{
    out_.append("\r\n");
    lineHasValue_ = false;
    return *this;
}

QString formatDouble(double v) { return shortest(v, 15, false); }
QString formatSingle(float v) { return shortest(static_cast<double>(v), 7, true); }

bool parseNumber(const QString& s, double& out)
{
    // Past the trimming, any character outside Latin-1 fails the grammar either way ('?').
    return parseNumber(QByteArrayView(s.trimmed().toLatin1()), out);
}

bool parseNumber(QByteArrayView s, double& out)
{
    const QByteArrayView t = trimmedToken(s);
    if (t.isEmpty())
        return false;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (t[i] == '+' || t[i] == '-')
        ++i;
    int digits = 0;
    while (i < n && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        int expDigits = 0;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

QByteArray toFileBytes(const QString& s) { return s.toLatin1(); }
QString fromFileBytes(const QByteArray& b) { return QString::fromLatin1(b); }

}   // namespace ListFormat
