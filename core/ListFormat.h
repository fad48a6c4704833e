#pragma once
// The sequential list format of every settings file and of log.txt: values separated by commas,
// texts in double quotes, numbers bare with a point, truth values as #TRUE#/#FALSE#, CR LF line
// ends. Line ends only separate values, so a reader takes "the next N values" wherever they stand.
// Files are single-byte text (Latin-1), kept byte for byte.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include <optional>

namespace ListFormat {

// A number as a whole-number variable of range [lo, hi] receives it: rounded, halves to even; no
// value when the result lies outside the range (or the number is not finite).
std::optional<int> wholeIn(double number, int lo, int hi);

struct Value {
    enum class Kind { Empty, Text, Number, Bool };
    Kind kind = Kind::Empty;
    QString text;        // the text as written (quotes removed) for Text; the bare token otherwise
    double number = 0;   // Number and Bool (-1 true, 0 false)
    bool boolean = false;

    bool isEmpty() const { return kind == Kind::Empty; }
    // The value as a text variable receives it: a number as its shortest form, #TRUE# as "True".
    QString toText() const;
    // The value as a numeric variable receives it; false when it is not a number.
    bool toNumber(double& out) const;
    double toDouble(double fallback = 0) const;
    // The value as a whole-number variable of range [lo, hi] receives it (wholeIn); no value when
    // it is not a number or does not fit.
    std::optional<int> toWhole(int lo, int hi) const;
    int toInt(int fallback = 0) const;
};

// A UTF-8 byte-order mark that an editor may put before the first value; readers skip it.
inline constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// Reads values one after another, wherever the line ends stand (settings files).
class Reader {
public:
    explicit Reader(QByteArray data);
    // True when only blanks and line ends remain.
    bool atEnd() const;
    // Reads the next value; false at the end of the data (out is then Empty).
    bool next(Value& out);
    // Convenience: the next value as text / number; false at the end or for a non-number.
    bool nextText(QString& out);
    bool nextNumber(double& out);
    qsizetype position() const { return pos_; }

private:
    void skipBlanks();
    QByteArray data_;
    qsizetype pos_ = 0;
};

// Hands out the lines of a file one at a time, numbered from 1, for files that hold one record
// per line (log.txt). CR LF, LF or a lone CR ends a line; a byte-order mark at the very start
// of the data is skipped. The last line needs no line end.
class LineReader {
public:
    explicit LineReader(QByteArrayView data);
    // The next line without its line end; false at the end of the data.
    bool next(QByteArrayView& line);
    int lineNumber() const { return lineNumber_; }

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
    int lineNumber_ = 0;
};

// True when the line holds nothing but blanks (spaces and tabs). Such a line is no record: it
// separates nothing and is passed over wherever it stands.
bool isBlankLine(QByteArrayView line);

// Splits one line into its values, strictly, so that a damaged line is never taken for a
// different record. Blanks around a value are passed over. A quoted text runs to the next
// double quote on the same line and is followed by a comma or the line's end; a bare value runs
// to the next comma or the line's end and holds no double quote. False for anything else (a
// quote that does not close on its line, characters after a closing quote, a quote inside a
// bare value); `out` is then unspecified.
bool splitLine(QByteArrayView line, QVector<Value>& out);

// One value of a line as it stands in the data, without any conversion: the bytes between the
// quotes of a quoted text, or the bare token (leading blanks passed over, the rest up to the
// comma as written). The view points into the line's data and lives as long as that data.
struct ValueView {
    QByteArrayView bytes;
    bool quoted = false;
};
using LineViews = QVarLengthArray<ValueView, 24>;

// splitLine without converting anything: the same rules, the values as views into `line`.
bool splitLineViews(QByteArrayView line, LineViews& out);

// A view as splitLine gives it: a quoted text as it stands, a bare token by bareValue's rules.
Value toValue(const ValueView& v);

// A bare token without the white space that QString::trimmed removes from Latin-1 text (space,
// tab, the line and page breaks, NEL, no-break space).
QByteArrayView trimmedToken(QByteArrayView token);

// True when a trimmed bare token is a truth value (#TRUE# or #FALSE#, in any case); `truth` says
// which.
bool isTruthToken(QByteArrayView token, bool& truth);

// Builds list-format text. Values on one line are separated by commas; endLine() writes CR LF.
class Writer {
public:
    Writer& text(const QString& s);
    Writer& number(double v);   // double precision: up to 15 significant digits
    Writer& single(float v);    // single precision: up to 7 significant digits
    Writer& integer(long long v);
    Writer& boolean(bool v);
    Writer& empty();   // an unset value: nothing between its commas
    Writer& endLine();
    const QByteArray& data() const { return out_; }

private:
    void separate();
    QByteArray out_;
    bool lineHasValue_ = false;
};

// Shortest decimal forms with a point, whatever the locale ("5.5", "-86.15", "0", "0.33").
QString formatDouble(double v);
QString formatSingle(float v);

// Strict number parse: optional blanks, sign, digits with an optional point (".33" accepted),
// optional exponent. No NaN, no infinities, no thousands separators, no locale forms.
bool parseNumber(const QString& s, double& out);
bool parseNumber(QByteArrayView s, double& out);

QByteArray toFileBytes(const QString& s);
QString fromFileBytes(const QByteArray& b);

}   // namespace ListFormat
