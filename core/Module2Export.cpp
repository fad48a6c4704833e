#include "core/Module2Export.h"

#include "core/BandTable.h"
#include "core/CommonFileDialog.h"
#include "core/CoreLog.h"
#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/Module2Log.h"
#include "platform/Clock.h"
#include "platform/KeyEvents.h"
#include "platform/Prompts.h"

#include <QDir>

namespace Module2 {

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Calls of the United States begin with one of these capitals.
bool usCall(const QString& call)
{
    if (call.isEmpty())
        return false;
    const QChar c = call.at(0);
    return c == QLatin1Char('A') || c == QLatin1Char('K') || c == QLatin1Char('N') || c == QLatin1Char('W');
}

QString withoutTrailingBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

// The record's number and call, as messages about one record name it.
QString recordName(int i) { return QStringLiteral("Contact %1 (%2)").arg(i).arg(G.ContactArrays.ContactCall[i]); }

}   // namespace

// ---- Dovrel --------------------------------------------------------------------------------

QByteArray DovrelExportText(const QString& power)
{
    const ContactArraysT& ca = G.ContactArrays;
    ListFormat::Writer w;
    for (int i = 1; i <= G.QSOCount; ++i) {
        const QString& spc = ca.ContactSPC[i];
        QString state, country;
        if (spc.size() == 2) {
            if (usCall(ca.ContactCall[i])) {
                state = spc;
                country = QStringLiteral("USA");
            } else {
                country = QStringLiteral("Canada");
            }
        } else if (spc.size() > 2) {
            country = spc;
        } else if (spc.isEmpty()) {
            state = G.PartyState;
        }
        if (!ca.ContactField6[i].isEmpty())
            state = ca.ContactField6[i];
        if (state == QLatin1String("AK"))
            country = QStringLiteral("Alaska");
        else if (state == QLatin1String("HI"))
            country = QStringLiteral("Hawaii");

        const QString& mode = ca.ContactMode[i];
        const QString dovrelMode =
            mode == QLatin1String("CW") || mode == QLatin1String("DG") ? mode : QStringLiteral("SSB");

        w.text(ca.ContactCall[i]).text(ca.ContactDate[i]).text(ca.ContactBand[i]).text(dovrelMode).text(power);
        w.text(ca.ContactTime[i]).text(ca.ContactRSTSent[i]).text(ca.ContactRSTRcvd[i]).empty();
        w.text(country).text(state).text(ca.ContactCounty[i]).empty().empty().empty();
        w.text(QStringLiteral("QSO Party Contest")).endLine();
    }
    return w.data();
}

bool ExportForDovrel(QString* error)
{
    auto& p = Platform::prompts();
    const QString power = p.inputBox(QStringLiteral("Please enter the power value you would like to record."),
                                     QStringLiteral("Please enter the power value"), QString());
    const QString path = Files::resolve(G.ProgramFolder, QStringLiteral("LogExp.txt"));
    if (!Files::writeAtomic(path, DovrelExportText(power), error))
        return false;
    p.beep();
    p.messageBox(QStringLiteral("LogExp.txt has been written to this program's working directory ") + G.ProgramFolder +
                     QStringLiteral(".  Import these contacts into the Dovrel program by clicking File, Import, and "
                                    "navigating to this directory from the Dovrel program."),
                 QStringLiteral("Export Successful!"), Platform::Buttons::Ok);
    return true;
}

// ---- ADIF ----------------------------------------------------------------------------------

QString AdifCountryFile()
{
    for (const QString& folder : {G.SharedFolder, G.DataFolder, G.ProgramFolder}) {
        if (folder.isEmpty())
            continue;
        const QString path = Files::resolve(folder, QStringLiteral("ADIFCnt.txt"));
        if (Files::exists(path))
            return path;
    }
    return QString();
}

bool ReadAdifCountries(QVector<AdifCountry>& rows, QString* error)
{
    constexpr int MaxRows = 1000;
    rows.clear();
    const QString path = AdifCountryFile();
    if (path.isEmpty()) {
        setError(error, QStringLiteral("File not found: ADIFCnt.txt is in none of the folders %1, %2 and %3.")
                            .arg(QDir::toNativeSeparators(G.SharedFolder), QDir::toNativeSeparators(G.DataFolder),
                                 QDir::toNativeSeparators(G.ProgramFolder)));
        return false;
    }
    QByteArray data;
    if (!Files::readAll(path, data, error))
        return false;
    ListFormat::Reader reader(std::move(data));
    ListFormat::Value name, number;
    while (!reader.atEnd()) {
        const int row = int(rows.size()) + 1;
        const QString where = QStringLiteral("%1, row %2").arg(QDir::toNativeSeparators(path)).arg(row);
        if (row > MaxRows) {
            setError(error, QStringLiteral("%1: the file holds more than %2 rows.").arg(where).arg(MaxRows));
            return false;
        }
        double d = 0;
        if (!reader.next(name) || !reader.next(number) || !number.toNumber(d) || d != double(qint64(d)) || d < -32768 ||
            d > 32767) {
            setError(error, QStringLiteral("%1: a country name and a DXCC number were expected.").arg(where));
            return false;
        }
        rows.push_back({name.toText(), int(d)});
    }
    return true;
}

QByteArray AdifExportText(const QString& power, const QString& comment, const QVector<AdifCountry>& countries,
                          const QDateTime& exportedAt)
{
    const ContactArraysT& ca = G.ContactArrays;
    const QString eol = QStringLiteral("\r\n");
    QString text;
    text +=
        QStringLiteral("Exported from Quolt's ") + G.PartyState + QStringLiteral(" Sarnevo ") + G.ProgramVersion + eol;
    text += QStringLiteral("Contest logging program by the vqplog authors.") + eol;
    text += QStringLiteral("Questions and reports about this file go to the program's makers.") + eol;
    text += QStringLiteral("Log exported on: ") + exportedAt.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")) + eol;
    text += eol + QStringLiteral("<EOH>") + eol + eol;

    // One data specifier: the name, the value's length, an optional type, the value.
    auto field = [&text](const char* name, const QString& value, const char* type = nullptr) {
        text += QLatin1Char('<') + QLatin1String(name) + QLatin1Char(':') + QString::number(value.size());
        if (type)
            text += QLatin1Char(':') + QLatin1String(type);
        text += QLatin1Char('>') + value;
    };

    // The answers as typing gives them: a pasted line end, tab or NUL would break the record's
    // line and is no character of an ADIF text.
    const QString powerAnswer = KeyEvents::storableOnly(power), commentAnswer = KeyEvents::storableOnly(comment);
    const QString txPower = withoutTrailingBlanks(powerAnswer);
    for (int i = 1; i <= G.QSOCount; ++i) {
        const QString& call = ca.ContactCall[i];
        // A date that does not convert costs that record its Qso_Date and nothing else.
        const std::optional<QDate> date = Format::parseLogDate(ca.ContactDate[i]);
        if (!date)
            qCWarning(lcCore).noquote() << "ADIF export:" << recordName(i) << "has the date" << ca.ContactDate[i]
                                        << "and is written without Qso_Date";

        QString time = ca.ContactTime[i].trimmed();
        const qsizetype colon = time.indexOf(QLatin1Char(':'));
        if (colon >= 0)
            time = time.left(colon) + time.mid(colon + 1, 2);
        time = time.left(4);
        while (time.size() < 4)
            time.prepend(QLatin1Char('0'));

        QString country, continent, state;
        const QString& spc = ca.ContactSPC[i];
        if (spc.size() == 2) {
            if (usCall(call)) {
                country = QStringLiteral("USA");
                continent = QStringLiteral("NA");
                state = spc;
                if (state == QLatin1String("HI"))
                    country = QStringLiteral("Hawaii");
                else if (state == QLatin1String("AK"))
                    country = QStringLiteral("Alaska");
            } else {
                country = QStringLiteral("Canada");
            }
        } else if (spc.size() > 2) {
            country = spc;
        } else {
            state = G.PartyState;
        }
        state = state.left(2);
        const QString& county = ca.ContactCounty[i];
        if (!county.isEmpty()) {
            country = QStringLiteral("USA");
            continent = QStringLiteral("NA");
        }
        int dxcc = 0;
        const QString wanted = country.trimmed();
        for (const AdifCountry& c : countries) {
            if (c.country == wanted) {
                dxcc = c.dxcc;
                break;
            }
        }

        if (!call.isEmpty()) {
            field("Call", call);
            text += QLatin1Char(' ');
        }
        if (date) {
            field("Qso_Date", date->toString(QStringLiteral("yyyyMMdd")), "d");
            text += QLatin1Char(' ');
        }
        if (!ca.ContactBand[i].isEmpty()) {
            // The band under the format's own name; a band the table does not hold costs that
            // record its Band and nothing else, as a wrong band name would mislead the reader.
            if (const Bands::BandRow* band = Bands::find(ca.ContactBand[i].trimmed())) {
                field("Band", QString::fromLatin1(band->adif));
                text += QLatin1Char(' ');
            } else {
                qCWarning(lcCore).noquote() << "ADIF export:" << recordName(i) << "has the band" << ca.ContactBand[i]
                                            << "and is written without Band";
            }
        }
        if (!ca.ContactMode[i].isEmpty()) {
            const QString mode = ca.ContactMode[i] == QLatin1String("PH") ? QStringLiteral("SSB") : ca.ContactMode[i];
            field("Mode", mode.toUpper());
            text += eol;
        }
        if (!powerAnswer.isEmpty()) {
            field("Tx_Pwr", txPower);
            text += QLatin1Char(' ');
        }
        if (!ca.ContactFrequency[i].isEmpty()) {
            field("Freq", ca.ContactFrequency[i].trimmed());
            text += QLatin1Char(' ');
        }
        if (time >= QLatin1String("0000")) {
            field("Time_On", time);
            text += QLatin1Char(' ');
        }
        if (dxcc > 0) {
            field("DXCC", QString::number(dxcc));
            text += QLatin1Char(' ');
        }
        if (!state.isEmpty()) {
            field("State", state);
            text += QLatin1Char(' ');
        }
        if (!county.isEmpty()) {
            field("Cnty", state + QLatin1Char(',') + county);
            text += QLatin1Char(' ');
        }
        if (!continent.isEmpty()) {
            field("Cont", continent);
            text += QLatin1Char(' ');
        }
        if (!ca.ContactRSTRcvd[i].isEmpty()) {
            field("RST_Rcvd", withoutTrailingBlanks(ca.ContactRSTRcvd[i]));
            text += QLatin1Char(' ');
        }
        if (!ca.ContactRSTSent[i].isEmpty()) {
            field("RST_Sent", withoutTrailingBlanks(ca.ContactRSTSent[i]));
            text += QLatin1Char(' ');
        }
        if (!commentAnswer.isEmpty()) {
            field("Comment", commentAnswer);
            text += eol;
        }
        text += QStringLiteral("<eor>") + eol + eol;
    }
    return ListFormat::toFileBytes(text);
}

void ExportADIF(CommonFileDialog& dialog)
{
    auto& p = Platform::prompts();
    const QString power = p.inputBox(
        QStringLiteral("Please enter the power value that you would like to record.  This is an optional value that "
                       "will be included in each QSO record and displayed in Dovrel's power output column."),
        QStringLiteral("Please enter your transmitter output power."), QStringLiteral("100"));
    const QString comment = p.inputBox(
        QStringLiteral("Please enter a comment that you would like to appear on each QSO record.  This is an optional "
                       "description that will be displayed in Dovrel's Comments column."),
        QStringLiteral("Please enter a comment."), G.PartyState + QStringLiteral(" State QSO Party Contest"));

    auto fail = [&p](const QString& reason) {
        p.beep();
        p.messageBox(reason, QStringLiteral("Unable to write file."), Platform::Buttons::Ok);
    };

    QVector<AdifCountry> countries;
    QString error;
    if (!ReadAdifCountries(countries, &error)) {
        fail(error);
        return;
    }

    dialog.CancelError = true;
    dialog.InitDir = G.DataFolder;
    dialog.FileName = G.PartyState + QStringLiteral(".adi");
    dialog.Filter = QStringLiteral("ADIF Files (*.adi)");
    dialog.Flags = 2;
    if (!dialog.ShowSave())
        return;
    const QString path = dialog.FileName;
    if (IsWorkingLog(path)) {
        fail(WorkingLogRefusal());
        return;
    }

    const QByteArray data = AdifExportText(power, comment, countries, Platform::clock().read().local);
    if (!Files::writeAtomic(path, data, &error)) {
        fail(error);
        return;
    }
    p.messageBox(QStringLiteral("The file was successfully written to the directory:\r\n\r\n") + path +
                     QStringLiteral("."),
                 QStringLiteral("File Written Successfully."), Platform::Buttons::Ok);
}

}   // namespace Module2
