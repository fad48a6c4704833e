#pragma once
// The log's exports: LogExp.txt for the general-purpose logger Dovrel, and an ADIF file.
//
// Each export is a text made whole from the log in memory (G.ContactArrays, records 1 to
// G.QSOCount), the station profile and the operator's answers, then written in one atomic
// replace (Files::writeAtomic): a failure leaves no partial file behind and an earlier file of
// that name as it was.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

class CommonFileDialog;

namespace Module2 {

// ---- Dovrel --------------------------------------------------------------------------------

// The text of LogExp.txt: one line of 16 list-format values per record (call, date, band, mode,
// power, time, reports, an unset value, country, state, county, three unset values, the contest
// name). Reads G.ContactArrays, G.QSOCount and G.PartyState.
QByteArray DovrelExportText(const QString& power);

// Asks for the power, writes LogExp.txt in the program folder, beeps and shows "Export
// Successful!". Returns false with the system's reason when the file cannot be written and shows
// nothing then: the menu command reports it.
bool ExportForDovrel(QString* error = nullptr);

// ---- ADIF ----------------------------------------------------------------------------------

// One row of ADIFCnt.txt: a country as the log names it and its DXCC entity number.
struct AdifCountry {
    QString country;
    int dxcc = 0;
};

// The path of the ADIFCnt.txt the export reads: the first of the shared, data and program folders
// that holds one; empty when none does.
QString AdifCountryFile();

// Reads ADIFCnt.txt (AdifCountryFile) into `rows`. False with the reason when the file is missing
// from all three folders or cannot be read, when a row is not a text and a whole number from
// -32768 to 32767, or when it holds more than 1000 rows.
bool ReadAdifCountries(QVector<AdifCountry>& rows, QString* error = nullptr);

// The whole ADIF file: the header (with `exportedAt` as the local export time) and one record per
// contact. `power` and `comment` are the operator's answers (empty when cancelled), written without
// control characters. The band is written under its ADIF name from the band table ("20m",
// "1.25m", "70cm", "3cm"). A record whose date is not a "yyyy/mm/dd" calendar date is written
// without its Qso_Date, one whose band the table does not hold without its Band (each with a
// warning in the log category). Reads G.ContactArrays, G.QSOCount, G.PartyState and
// G.ProgramVersion.
QByteArray AdifExportText(const QString& power, const QString& comment, const QVector<AdifCountry>& countries,
                          const QDateTime& exportedAt);

// The export as the menu command runs it: the power and comment questions, ADIFCnt.txt, the
// Save dialog `dialog` (the main window's cdbFile), the write and the success message. Cancel in
// the dialog ends it silently; every failure beeps and shows "Unable to write file." with the
// reason, and leaves no file written.
void ExportADIF(CommonFileDialog& dialog);

}   // namespace Module2
