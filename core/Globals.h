#pragma once
// The program's shared state: one instance, G, read and written by every module and window.
// Start values are the ones before QSOpref.txt is read: texts empty, numbers 0, no defaults.
// resetGlobals() puts everything back to those values (tests call it between cases).
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>
#include <cstdint>

// The log in memory: 19 parallel arrays indexed by record number, slots 0 to 11000.
// Slot 0 never holds a record; records are 1 to QSOCount.
struct ContactArraysT {
    static constexpr int MaxContacts = 11000;
    static constexpr int FieldCount = 19;

    QVector<QString> ContactCall, ContactRSTSent, ContactRSTRcvd, ContactSPC, ContactCounty, ContactField6,
        ContactSentCounty, ContactField8, ContactField9, ContactField10, ContactField11, ContactDate, ContactTime,
        ContactMode, ContactBand, ContactField17, ContactField18, ContactFrequency;
    QVector<double> ContactField16;

    ContactArraysT();
    // Text field k (1..19, not 16) of record i.
    QString& text(int k, int i);
    const QString& text(int k, int i) const;
    // Empties every field of slot i.
    void clearSlot(int i);
    // Copies all 19 fields of slot `from` into slot `to`.
    void copySlot(int from, int to);
    // The array of text field k (1..19, not 16).
    QVector<QString>& array(int k);
};

// One row of the country table (arrlpre2.txt).
struct CountryRow {
    QString prefix, country, continent;
    double longitude = 0, latitude = 0;
};

// One row of the state table (states.txt).
struct StatePosition {
    double latitude = 0, longitude = 0;
    QString abbrev;   // the state's abbreviation (StatePosAbbrevs)
};

struct Globals {
    // Folders (start-up and per-user folders).
    QString ProgramFolder, UserRootFolder, DataFolder, SharedFolder;
    QString ProgramVersion = QStringLiteral("2.1");

    // QSOpref.txt, items 1 to 25 in file order.
    QString OwnCall, OwnStateProvince, OwnCountry, OwnSection, OwnName, OwnCategory, CurrentCounty, OwnCity,
        CurrentMode, CurrentBand;
    float UtcOffsetHours = 0, OwnLongitude = 0, OwnLatitude = 0;
    QString OwnContinent;
    uint8_t FormSizePercent = 0;
    int32_t WorkedColor = 0, UnworkedColor = 0;
    float OpSecondsSaved = 0;
    QString PartyState;
    uint8_t OutOfStateFlag = 0, RoverFlag = 0, VoiceNavLevel = 0;
    QString RigType;
    uint8_t TaskbarOption = 0, ListPreviousFlag = 0;
    // The items of QSOpref.txt that did not read at the last reading (index 0 is item 1): what the
    // file held, and the item's value as written when it took its installed value instead. While
    // the item still has that value, a rewrite gives the file back its own text.
    struct UnreadPref {
        QString found;
        QByteArray takenForm;
    };
    std::array<std::optional<UnreadPref>, 25> UnreadPrefs;

    // The log store.
    ContactArraysT ContactArrays;
    int32_t QSOCount = 0;
    float LogCountAtLoad = 0;

    // Tallies recomputed from the log.
    int32_t QSOPoints = 0;
    int32_t MultiplierCount = 0;
    // CountyModeMatrix[slot][row]: slots 1-2 a state or province on CW/phone, 3-4 a county.
    std::array<std::array<uint8_t, 171>, 9> CountyModeMatrix{};
    // Per-band DX country lists of the in-state window: bands 160, 80, 40, 20, 15, 10, 6.
    std::array<QStringList, 7> BandDXLists;
    std::array<int32_t, 7> BandDXCounts{};

    // Tables loaded at start.
    QVector<CountryRow> CountryTable;
    QVector<StatePosition> StatePositions;          // rows 1..50 (index 0 unused)
    QStringList CountyNames, CountyAbbreviations;   // the contest state's counties, 0-based
    QStringList StateProvinceTable, StateProvinceNames;
    int32_t StateProvinceCount = 0;

    // Entry and logging.
    QString CurrentFrequency;
    uint8_t DupeFlag = 0;
    uint8_t ShowPartialsFlag = 0;
    QString WildCall, WildRST, WildCounty;
    int FieldForwardState = 0;
    QString ForwardedKey;
    // The call the last country lookup looked up (the part after "/" of a portable call).
    QString LookupCall;
    uint8_t KeyboardCWMode = 0;
    int32_t EditIndex = 0;

    // Operating time.
    uint8_t LoggedOnFlag = 0;
    double OpSecondsTotal = 0;

    // Keying. CWBuffer: text waiting to be sent as CW; CWSending: 1 while the CW keyer's own send
    // loop runs; CWKeyMethod: keying output (0 none, 1 serial RTS, 2 serial DTR, 3 parallel port,
    // 5 keyer device); CWRepeatOn / PhoneRepeatOn: the F1 repeat of a keyer is armed.
    QString CWBuffer;
    uint8_t CWSending = 0, CWKeyMethod = 0, CWRepeatOn = 0, PhoneRepeatOn = 0;
    // The keyer device: WinkeyVersion not 0 while it is open; WinkeyStatus the last status read;
    // its serial port number, pin configuration and keyer mode bytes (the device window sets 6 and 0
    // at its load).
    uint8_t WinkeyVersion = 0;
    int32_t WinkeyStatus = 0;
    uint8_t WinkeyComPort = 0, WinkeyPinConfig = 0, WinkeyMode = 0;

    // Tallies area: contacts by mode, recounted with the points at every reload.
    int32_t PHContactCount = 0, CWContactCount = 0, DGContactCount = 0;

    // Shared preferences file (SharedUserPreferences.xml): the whole text without its final line
    // end, its path, and whether an existing file could not be read at load.
    QString GlobalPrefsText, GlobalPrefsPath;
    bool GlobalPrefsUnreadable = false;

    // Entry and logging area: the refusal flags of logging a contact, the local time of the last
    // duplicate found at logging.
    uint8_t MissingFieldFlag = 0, BadCountyFlag = 0, BadSectionFlag = 0;
    QDateTime DupeTime;

    // Contact list: 1 while it shows every contact, 0 for the last 20 (never saved).
    uint8_t ListAllFlag = 0;

    // Main window entry wiring: the local time of the last Time On.
    QDateTime LogOnTime;

    // Start-up: the first character of ProgramFolder (its drive; "/" here), set once at start.
    QString ProgramDrive;
};

extern Globals G;

void resetGlobals();
