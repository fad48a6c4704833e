#pragma once
// Fake transceivers on pty pairs, written from the radios' public CAT protocols: the program opens
// the pty's device path as its serial port; the fake answers on the master side from the event
// loop (a socket notifier), so tests drive both with QTest::qWait/qWaitFor.
//   KenwoodRadio  - text commands ending in ";" (FA, MD, IF; the FTdx9000 dialect with 8 digits
//                   and MD0)
//   CivRadio      - CI-V frames FE FE to from cmd data FD, echoed on the bus before the answer
//   YaesuRadio    - 5-byte commands (opcode last): the generic 03/01/07 set and the status-block
//                   models' 10/0A/0C
//   OrionRadio    - "?AF", "?RMM", "*AF" text ending in CR
// Each keeps a frequency in hertz and a mode, records every byte it received, and can go silent,
// flood the line with bytes from a thread of its own, or be unplugged.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <atomic>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "tests/support/PtyPair.h"

class FakeRadio : public QObject {
public:
    explicit FakeRadio(qint64 hz = 14025000, QString mode = QStringLiteral("CW")) : hz(hz), mode(std::move(mode))
    {
        notifier_ = new QSocketNotifier(pty.master(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { service(); });
    }
    ~FakeRadio() override { stopFlood(); }

    PtyPair pty;
    qint64 hz;             // the radio's frequency
    QString mode;          // "CW", "CW-R", "LSB", "USB", "AM", "FM"
    int vfo = 0;           // 0 A, 1 B
    bool silent = false;   // takes commands, answers nothing
    QByteArray received;   // every byte the program sent
    int queries = 0;       // answers given

    // Sends `chunk` again and again from a thread of its own until stopFlood().
    void startFlood(QByteArray chunk)
    {
        stopFlood();
        flooding_ = true;
        const int fd = pty.master();
        flood_ = std::thread([this, fd, chunk] {
            while (flooding_) {
                pollfd p{fd, POLLOUT, 0};
                if (::poll(&p, 1, 10) > 0 && (p.revents & POLLOUT))
                    (void)::write(fd, chunk.constData(), size_t(chunk.size()));
            }
        });
    }
    void stopFlood()
    {
        flooding_ = false;
        if (flood_.joinable())
            flood_.join();
    }
    // The adapter pulled out: the radio's side of the line is gone for good.
    void unplug()
    {
        stopFlood();
        delete notifier_;
        notifier_ = nullptr;
        pty.closeMaster();
    }

protected:
    // Handles what arrived (the bytes not yet taken stay in `pending`).
    virtual void handle(QByteArray& pending) = 0;
    void answer(const QByteArray& b)
    {
        if (silent)
            return;
        ++queries;
        pty.write(b);
    }

private:
    void service()
    {
        const QByteArray in = pty.readAvailable();
        received += in;
        pending_ += in;
        handle(pending_);
    }

    QSocketNotifier* notifier_ = nullptr;
    QByteArray pending_;
    std::atomic<bool> flooding_{false};
    std::thread flood_;
};

// Text radios answering "FA;", "MD;" and "IF;"; in the FTdx9000 dialect the frequency has 8
// digits and the mode query is "MD0;".
class KenwoodRadio : public FakeRadio {
public:
    using FakeRadio::FakeRadio;
    bool ftdx = false;

    static char modeDigit(const QString& m)
    {
        if (m == QLatin1String("LSB"))
            return '1';
        if (m == QLatin1String("USB"))
            return '2';
        if (m == QLatin1String("CW"))
            return '3';
        if (m == QLatin1String("FM"))
            return '4';
        if (m == QLatin1String("AM"))
            return '5';
        if (m == QLatin1String("CW-R"))
            return '7';
        return '2';
    }
    static QString modeOf(char d)
    {
        switch (d) {
        case '1': return QStringLiteral("LSB");
        case '2': return QStringLiteral("USB");
        case '3': return QStringLiteral("CW");
        case '4': return QStringLiteral("FM");
        case '5': return QStringLiteral("AM");
        case '7': return QStringLiteral("CW-R");
        default: return QStringLiteral("USB");
        }
    }

protected:
    void handle(QByteArray& pending) override
    {
        for (qsizetype end; (end = pending.indexOf(';')) >= 0;) {
            const QByteArray cmd = pending.left(end);
            pending.remove(0, end + 1);
            const int digits = ftdx ? 8 : 11;
            if (cmd == "FA" || cmd == "FB")
                answer(cmd + QByteArray::number(hz).rightJustified(digits, '0') + ';');
            else if (!ftdx && cmd == "MD")
                answer(QByteArray("MD") + modeDigit(mode) + ';');
            else if (ftdx && cmd == "MD0")
                answer(QByteArray("MD0") + modeDigit(mode) + ';');
            else if (cmd == "IF")
                answer(QByteArray("IF") + QByteArray::number(hz).rightJustified(11, '0') + "     +0000000000" +
                       modeDigit(mode) + char('0' + vfo) + "0000000;");
            else if ((cmd.startsWith("FA") || cmd.startsWith("FB")) && cmd.size() == 2 + digits)
                hz = cmd.mid(2).toLongLong();
            else if (!ftdx && cmd.startsWith("MD") && cmd.size() == 3)
                mode = modeOf(cmd.at(2));
            else if (ftdx && cmd.startsWith("MD0") && cmd.size() == 4)
                mode = modeOf(cmd.at(3));
        }
    }
};

// A CI-V radio at bus address `address`.
class CivRadio : public FakeRadio {
public:
    using FakeRadio::FakeRadio;
    uint8_t address = 0x64;
    int frequencyBytes = 5;   // 4 for the IC-735

    static QByteArray bcd(qint64 hz, int bytes)
    {
        QByteArray out;
        for (int i = 0; i < bytes; ++i) {
            const int two = int(hz % 100);
            out.append(char((two / 10) << 4 | (two % 10)));
            hz /= 100;
        }
        return out;
    }
    static qint64 fromBcd(const QByteArray& data)
    {
        qint64 v = 0;
        for (qsizetype i = data.size() - 1; i >= 0; --i) {
            const int b = uint8_t(data.at(i));
            v = v * 100 + (b >> 4) * 10 + (b & 15);
        }
        return v;
    }
    static int modeCode(const QString& m)
    {
        if (m == QLatin1String("LSB"))
            return 0;
        if (m == QLatin1String("USB"))
            return 1;
        if (m == QLatin1String("AM"))
            return 2;
        if (m == QLatin1String("CW"))
            return 3;
        if (m == QLatin1String("FM"))
            return 5;
        if (m == QLatin1String("CW-R"))
            return 7;
        return 1;
    }

protected:
    void handle(QByteArray& pending) override
    {
        for (qsizetype end; (end = pending.indexOf(char(0xFD))) >= 0;) {
            const QByteArray frame = pending.left(end + 1);
            pending.remove(0, end + 1);
            const qsizetype at = frame.indexOf("\xFE\xFE");
            if (at < 0 || frame.size() < at + 6 || uint8_t(frame.at(at + 2)) != address)
                continue;
            if (!silent)
                pty.write(frame.mid(at));   // the bus echoes every frame
            const uint8_t cmd = uint8_t(frame.at(at + 4));
            const QByteArray data = frame.mid(at + 5, frame.size() - at - 6);
            const QByteArray head = QByteArray("\xFE\xFE\xE0", 3) + char(address);
            if (cmd == 0x03)
                answer(head + '\x03' + bcd(hz, frequencyBytes) + '\xFD');
            else if (cmd == 0x04)
                answer(head + '\x04' + char(modeCode(mode)) + '\x01' + '\xFD');
            else if (cmd == 0x05 && data.size() == frequencyBytes) {
                hz = fromBcd(data);
                answer(head + '\xFB' + '\xFD');
            } else if (cmd == 0x06 && data.size() >= 1) {
                const int code = uint8_t(data.at(0));
                const char* names[] = {"LSB", "USB", "AM", "CW", "RTTY", "FM", "WFM", "CW-R"};
                if (code < 8)
                    mode = QString::fromLatin1(names[code]);
                answer(head + '\xFB' + '\xFD');
            }
        }
    }
};

// The 5-byte command radios. Generic: 03 reads frequency and mode (4 BCD bytes of 10 Hz, most
// significant first, and a mode byte), 01 sets the frequency, 07 the mode (in the first byte).
// Status block (the 990 and 1000 D layout): 10 returns the block (frequency in bytes 2-4 as a
// binary count of 10 Hz, mode in byte 8), 0A sets the frequency (BCD, least significant first),
// 0C the mode (in the fourth byte).
class YaesuRadio : public FakeRadio {
public:
    using FakeRadio::FakeRadio;
    bool statusBlock = false;
    int catOn = 0, catOff = 0;

protected:
    void handle(QByteArray& pending) override
    {
        while (pending.size() >= 5) {
            const QByteArray c = pending.left(5);
            pending.remove(0, 5);
            const uint8_t op = uint8_t(c.at(4));
            auto fromBcd = [](QByteArray b) {
                qint64 v = 0;
                for (char ch : b)
                    v = v * 100 + (uint8_t(ch) >> 4) * 10 + (uint8_t(ch) & 15);
                return v;
            };
            if (op == 0x00)
                ++catOn;
            else if (op == 0x80)
                ++catOff;
            else if (!statusBlock && op == 0x03) {
                qint64 units = hz / 10;
                QByteArray out(4, '\0');
                for (int i = 3; i >= 0; --i) {
                    const int two = int(units % 100);
                    out[i] = char((two / 10) << 4 | (two % 10));
                    units /= 100;
                }
                const char m = mode == QLatin1String("CW") ? 0x02 : mode == QLatin1String("LSB") ? 0x00 : 0x01;
                answer(out + m);
            } else if (!statusBlock && op == 0x01) {
                hz = fromBcd(c.left(4)) * 10;
            } else if (!statusBlock && op == 0x07) {
                mode = uint8_t(c.at(0)) == 0x02   ? QStringLiteral("CW")
                       : uint8_t(c.at(0)) == 0x00 ? QStringLiteral("LSB")
                                                  : QStringLiteral("USB");
            } else if (statusBlock && op == 0x10) {
                QByteArray block(19, '\0');
                const qint64 units = hz / 10;
                block[1] = char(units >> 16);
                block[2] = char(units >> 8);
                block[3] = char(units);
                block[7] = char(mode == QLatin1String("CW") ? 2 : mode == QLatin1String("LSB") ? 0 : 1);
                answer(block);
            } else if (statusBlock && op == 0x0A) {
                QByteArray reversed;
                for (int i = 3; i >= 0; --i)
                    reversed.append(c.at(i));
                hz = fromBcd(reversed) * 10;
            } else if (statusBlock && op == 0x0C) {
                const int m = uint8_t(c.at(3));
                mode = m == 2 || m == 3 ? QStringLiteral("CW") : m == 0 ? QStringLiteral("LSB") : QStringLiteral("USB");
            }
        }
    }
};

// Ten-Tec Orion text protocol. The frequency answer is at least 8 characters of hertz, blank-padded
// on the left below 10 MHz.
class OrionRadio : public FakeRadio {
public:
    using FakeRadio::FakeRadio;
    int starts = 0;

protected:
    void handle(QByteArray& pending) override
    {
        for (qsizetype end; (end = pending.indexOf('\r')) >= 0;) {
            const QByteArray cmd = pending.left(end);
            pending.remove(0, end + 1);
            if (cmd == "X")
                ++starts;
            else if (cmd == "?AF")
                answer("@AF" + QByteArray::number(hz).rightJustified(8, ' ') + '\r');   // " 7030000"
            else if (cmd == "?RMM")
                answer(QByteArray("@RMM") +
                       (mode == QLatin1String("CW")    ? '2'
                        : mode == QLatin1String("LSB") ? '1'
                                                       : '0') +
                       '\r');
            else if (cmd.startsWith("*AF"))
                hz = cmd.mid(3).toLongLong();
        }
    }
};
