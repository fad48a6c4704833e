// Rig replies to frequency, mode and VFO, and the set-frequency and set-mode bytes, per model.
#include <gtest/gtest.h>

#include "rig/RigProtocol.h"

#include <QByteArray>
#include <QString>

using namespace Rig;

namespace {

QByteArray hex(const char* h) { return QByteArray::fromHex(QByteArray(h).replace(' ', "")); }

// The "IF" answer of the VFO-reporting Kenwood: 11 digits of hertz, then the fields up to the
// mode (29 characters after "IF") and the VFO (30).
QByteArray kenwoodIF(const char* hz, char mode, char vfo)
{
    return QByteArray("IF") + hz + "     " + "+0000" + "0" + "0" + "000" + "0" + mode + vfo + "0000000;";
}

struct DecodeRow {
    const char* name;
    const char* rig;
    QByteArray reply;
    int toggle;
    std::optional<float> freq;
    std::optional<QString> mode;
    std::optional<int> vfo = std::nullopt;
};

void PrintTo(const DecodeRow& r, std::ostream* os) { *os << r.name; }

class DecodeTable : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeTable, ReplyGivesOnlyWhatItHoldsWhole)
{
    const DecodeRow& row = GetParam();
    const Model* m = findModel(QString::fromLatin1(row.rig));
    ASSERT_NE(m, nullptr);
    const Reading r = decodeReply(m->name, row.reply, row.toggle, m->freqQuery, m->modeQuery);
    EXPECT_EQ(r.freq.has_value(), row.freq.has_value());
    if (r.freq && row.freq) {
        EXPECT_FLOAT_EQ(*r.freq, *row.freq);
    }
    EXPECT_EQ(r.mode, row.mode);
    EXPECT_EQ(r.vfo, row.vfo);
}

const QString CW = QStringLiteral("CW"), PH = QStringLiteral("PH");
const std::optional<float> none;
const std::optional<QString> noMode;

INSTANTIATE_TEST_SUITE_P(
    AllModels, DecodeTable,
    ::testing::Values(
        // Kenwood and Elecraft: FA and MD answers, one reply.
        DecodeRow{"kenwood_both", "Kenwood", "FA00014025000;MD3;", 0, 14.025f, CW},
        DecodeRow{"kenwood_cw_reverse", "Kenwood", "FA00007150000;MD7;", 0, 7.15f, CW},
        DecodeRow{"kenwood_usb", "Kenwood", "MD2;FA00014250000;", 0, 14.25f, PH},
        DecodeRow{"kenwood_fa_without_terminator", "Kenwood", "FA00014025000", 0, none, noMode},
        DecodeRow{"kenwood_fa_cut_short", "Kenwood", "FA0001402;", 0, none, noMode},
        DecodeRow{"kenwood_fa_not_digits", "Kenwood", "FA0001402X000;MD", 0, none, noMode},
        DecodeRow{"elecraft_both", "Elecraft", "FA00003525000;MD3;", 0, 3.525f, CW},
        DecodeRow{"elecraft_garbage", "Elecraft", "\xff\x00;;", 0, none, noMode},
        // Kenwood 2: the IF answer with mode and VFO.
        DecodeRow{"kenwood2_cw_vfo_b", "Kenwood 2", kenwoodIF("00014025000", '3', '1'), 0, 14.025f, CW, 1},
        DecodeRow{"kenwood2_lsb_vfo_a", "Kenwood 2", kenwoodIF("00003800000", '1', '0'), 0, 3.8f, PH, 0},
        DecodeRow{"kenwood2_cw_reverse", "Kenwood 2", kenwoodIF("00007030000", '7', '0'), 0, 7.03f, CW, 0},
        DecodeRow{"kenwood2_cut_before_mode", "Kenwood 2", kenwoodIF("00014025000", '3', '1').left(29), 0, 14.025f,
                  noMode},
        DecodeRow{"kenwood2_cut_before_vfo", "Kenwood 2", kenwoodIF("00014025000", '3', '1').left(30), 0, 14.025f, CW},
        // FTdx9000: each field on its own.
        DecodeRow{"ftdx_both", "Yaesu FTdx9000", "FA14025000;MD03;", 0, 14.025f, CW},
        DecodeRow{"ftdx_mode_a", "Yaesu FTdx9000", "MD0A;", 0, none, PH},
        DecodeRow{"ftdx_cw_reverse", "Yaesu FTdx9000", "MD07;", 0, none, CW},
        DecodeRow{"ftdx_freq_not_a_number", "Yaesu FTdx9000", "FA1402x000;MD02;", 0, none, PH},
        DecodeRow{"ftdx_freq_cut_short", "Yaesu FTdx9000", "FA140250", 0, none, noMode},
        // Orion: answers ending in CR, in any order.
        DecodeRow{"orion_both", "Ten Tec Orion", "@AF14025000\r@RMM2\r", 0, 14.025f, CW},
        DecodeRow{"orion_mode_first", "Ten Tec Orion", "@RMM0\r@AF7000000\r", 0, 7.0f, PH},
        DecodeRow{"orion_lcw", "Ten Tec Orion", "@RMM3\r", 0, none, CW},
        DecodeRow{"orion_af_without_cr", "Ten Tec Orion", "@AF14025000", 0, none, noMode},
        // Below 10 MHz the radio pads its frequency field with blanks on the left.
        DecodeRow{"orion_blank_padded_40m", "Ten Tec Orion", "@AF 7030000\r@RMM2\r", 0, 7.03f, CW},
        DecodeRow{"orion_blank_padded_160m", "Ten Tec Orion", "@AF  1830000\r", 0, 1.83f, noMode},
        DecodeRow{"orion_only_blanks", "Ten Tec Orion", "@AF        \r", 0, none, noMode},
        DecodeRow{"orion_blank_inside", "Ten Tec Orion", "@AF 70 30000\r", 0, none, noMode},
        DecodeRow{"orion_blank_after", "Ten Tec Orion", "@AF7030000 \r", 0, none, noMode},
        // Generic Yaesu: four BCD bytes of 10 Hz and a mode byte.
        DecodeRow{"yaesu_cw", "Yaesu", hex("01 40 25 00 02"), 0, 14.025f, CW},
        DecodeRow{"yaesu_475khz", "Yaesu", hex("00 04 75 00 01"), 0, 0.475f, PH},
        DecodeRow{"yaesu_cw_narrow", "Yaesu", hex("00 70 30 00 82"), 0, 7.03f, CW},
        DecodeRow{"yaesu_dig_keeps_mode", "Yaesu", hex("01 40 70 00 0A"), 0, 14.07f, noMode},
        DecodeRow{"yaesu_four_bytes", "Yaesu", hex("01 40 25 00"), 0, none, noMode},
        DecodeRow{"yaesu_not_bcd", "Yaesu", hex("0A 40 25 00 02"), 0, none, noMode},
        // 757 GX II: BCD in bytes 9..6, mode code in byte 10.
        DecodeRow{"y757_cw", "Yaesu 757 GX II", hex("00 00 00 00 00 00 25 40 01 02"), 0, 14.025f, CW},
        DecodeRow{"y757_am", "Yaesu 757 GX II", hex("00 00 00 00 00 00 00 72 00 04"), 0, 7.2f, QStringLiteral("AM")},
        DecodeRow{"y757_0a_is_phone", "Yaesu 757 GX II", hex("00 00 00 00 00 00 00 40 01 0A"), 0, 14.0f, PH},
        DecodeRow{"y757_without_mode_byte", "Yaesu 757 GX II", hex("00 00 00 00 00 00 25 40 01"), 0, 14.025f, noMode},
        DecodeRow{"y757_cut_in_frequency", "Yaesu 757 GX II", hex("00 00 00 00 00 00 25 40"), 0, none, noMode},
        // Status-block models: binary frequency, mode in the low nibble of byte 8.
        DecodeRow{"y890_cw", "Yaesu 890", hex("00 00 15 66 84 00 00 02 00"), 0, 14.025f, CW},
        DecodeRow{"y890_digit_9_keeps_mode", "Yaesu 890", hex("00 00 15 66 84 00 00 09"), 0, 14.025f, noMode},
        DecodeRow{"y890_without_byte_8", "Yaesu 890", hex("00 00 15 66 84"), 0, 14.025f, noMode},
        DecodeRow{"y890_four_bytes", "Yaesu 890", hex("00 00 15 66"), 0, none, noMode},
        DecodeRow{"y1000_cw", "Yaesu 1000", hex("00 01 56 68 40 00 00 02"), 0, 14.025f, CW},
        DecodeRow{"y990_usb", "Yaesu 990", hex("00 15 66 84 00 00 00 01"), 0, 14.025f, PH},
        DecodeRow{"y1000d_cw", "Yaesu 1000 D", hex("00 15 66 84 00 00 00 02"), 0, 14.025f, CW},
        DecodeRow{"y920_cw", "Yaesu 920", hex("00 00 D6 01 28 00 00 01"), 0, 14.025f, CW},
        DecodeRow{"y920_other_digit_phone", "Yaesu 920", hex("00 00 D6 01 28 00 00 09"), 0, 14.025f, PH},
        DecodeRow{"y920_without_byte_8", "Yaesu 920", hex("00 00 D6 01 28"), 0, 14.025f, noMode},
        // CI-V: the echo of the query first, then the answer.
        DecodeRow{"icom_echo_then_answer", "Icom", hex("FE FE 64 E0 03 FD FE FE E0 64 03 00 50 02 14 00 FD"), 1,
                  14.025f, noMode},
        DecodeRow{"icom_echo_alone", "Icom", hex("FE FE 64 E0 03 FD"), 1, none, noMode},
        DecodeRow{"icom_answer_without_fd", "Icom", hex("FE FE E0 64 03 00 50 02 14 00"), 1, none, noMode},
        DecodeRow{"icom_answer_short", "Icom", hex("FE FE E0 64 03 00 50 02 FD"), 1, none, noMode},
        DecodeRow{"icom_answer_not_bcd", "Icom", hex("FE FE E0 64 03 00 5A 02 14 00 FD"), 1, none, noMode},
        DecodeRow{"icom_mode_cw", "Icom", hex("FE FE 64 E0 04 FD FE FE E0 64 04 03 01 FD"), 0, none, CW},
        DecodeRow{"icom_mode_cw_reverse", "Icom", hex("FE FE E0 64 04 07 01 FD"), 0, none, CW},
        DecodeRow{"icom_mode_usb", "Icom", hex("FE FE E0 64 04 01 01 FD"), 0, none, PH},
        DecodeRow{"icom_mode_turn_ignores_freq", "Icom", hex("FE FE E0 64 03 00 50 02 14 00 FD"), 0, none, noMode},
        DecodeRow{"icom735_four_bytes", "Icom 735", hex("FE FE E0 64 03 00 50 02 14 FD"), 1, 14.025f, noMode},
        DecodeRow{"icom735_five_bytes_refused", "Icom 735", hex("FE FE E0 64 03 00 50 02 14 00 FD"), 1, none, noMode},
        DecodeRow{"omni_vi_answer", "Ten Tec Omni VI", hex("FE FE E0 04 03 00 00 83 01 00 FD"), 1, 1.83f, noMode},
        // Ten-Tec front panel: "A" and four bytes of hertz; "M" and the mode.
        DecodeRow{"panel_freq", "Ten Tec Fnt Pnl", hex("41 00 D6 01 28 0D"), 1, 14.025f, noMode},
        DecodeRow{"panel_freq_cut", "Ten Tec Fnt Pnl", hex("41 00 D6 01"), 1, none, noMode},
        DecodeRow{"panel_freq_wrong_answer", "Ten Tec Fnt Pnl", hex("4D 33 33 0D 00"), 1, none, noMode},
        DecodeRow{"panel_mode_cw", "Ten Tec Fnt Pnl", hex("4D 33 33 0D"), 0, none, CW},
        DecodeRow{"panel_mode_lsb", "Ten Tec Fnt Pnl", hex("4D 32 32 0D"), 0, none, PH},
        DecodeRow{"panel_mode_unknown", "Ten Tec Fnt Pnl", hex("4D 39 39 0D"), 0, none, noMode},
        // No decoder.
        DecodeRow{"other_shows_only", "Other", "FA00014025000;", 0, none, noMode},
        DecodeRow{"none_shows_only", "None", "FA00014025000;", 0, none, noMode}),
    [](const ::testing::TestParamInfo<DecodeRow>& i) { return std::string(i.param.name); });

TEST(PegasusStatus, FrequencyAndModeFromTheStatusFile)
{
    Reading r = Pegasus::parseStatus("14.025,\"USB\"\r\n");
    ASSERT_TRUE(r.freq);
    EXPECT_FLOAT_EQ(*r.freq, 14.025f);
    EXPECT_EQ(r.mode, QStringLiteral("PH"));
    r = Pegasus::parseStatus("7.03\r\nCW\r\n");
    EXPECT_EQ(r.mode, QStringLiteral("CW"));
    r = Pegasus::parseStatus("14.025\r\n");
    EXPECT_TRUE(r.freq);
    EXPECT_FALSE(r.mode);
    EXPECT_FALSE(Pegasus::parseStatus("abc,CW").freq);
    EXPECT_FALSE(Pegasus::parseStatus("abc,CW").mode);
    EXPECT_FALSE(Pegasus::parseStatus("nan,CW").freq);
}

// A status file whose frequency no radio can have changes nothing, as a serial answer that does
// not hold a frequency; the largest the serial answers can carry (eleven digits of hertz) still
// counts.
TEST(PegasusStatus, NegativeOrAbsurdFrequencyChangesNothing)
{
    const struct {
        const char* name;
        QByteArray file;
    } refused[] = {
        {"negative", "-5\r\n"},
        {"negative_with_mode", "-5,\"USB\"\r\n"},
        {"just_below_zero", "-0.001,CW\r\n"},
        {"beyond_eleven_digits_of_hertz", "100000,CW\r\n"},
        {"absurd", "1E+30,CW\r\n"},
        {"infinite", "inf,CW\r\n"},
    };
    for (const auto& c : refused) {
        const Reading r = Pegasus::parseStatus(c.file);
        EXPECT_FALSE(r.freq) << c.name << " gave " << *r.freq;
        EXPECT_FALSE(r.mode) << c.name;
    }
    const Reading top = Pegasus::parseStatus("99999.99999,CW\r\n");
    ASSERT_TRUE(top.freq);
    EXPECT_FLOAT_EQ(*top.freq, 99999.99999f);
}

// ---------------------------------------------------------------------------------------------
// Commands: 14.025 MHz and CW for every model, with the model's default queries.

struct CommandRow {
    const char* rig;
    QByteArray freq;
    QByteArray mode;
};

TEST(Commands, FourteenOhTwentyFiveInCwForEveryModel)
{
    const QVector<CommandRow> rows = {
        {"None", {}, {}},
        {"Elecraft", "FA00014025000;", "MD3;"},
        {"Icom", hex("FE FE 64 E0 05 00 50 02 14 00 FD"), hex("FE FE 64 E0 06 03 FD")},
        {"Icom 735", hex("FE FE 64 E0 05 00 50 02 14 FD"), {}},
        {"Kenwood", "FA00014025000;", "MD3;"},
        {"Kenwood 2", "FA00014025000;", "MD3;"},
        {"Ten Tec Omni VI", hex("FE FE 04 E0 05 00 50 02 14 00 FD"), hex("FE FE 04 E0 06 03 FD")},
        {"Ten Tec Orion", "*AF14025000\r", {}},
        {"Ten Tec Fnt Pnl", hex("2A 41 00 D6 01 28 0D"), {}},
        {"Ten Tec Pegasus", {}, {}},
        {"Yaesu", hex("01 40 25 00 01"), hex("02 00 00 00 07")},
        {"Yaesu 757 GX II", hex("00 25 40 01 0A"), hex("00 00 00 02 0C")},
        {"Yaesu 890", hex("00 25 40 01 0A"), hex("00 00 00 02 0C")},
        {"Yaesu 920", hex("00 25 40 01 0A"), hex("00 00 00 02 0C")},
        {"Yaesu 990", hex("00 25 40 01 0A"), hex("00 00 00 02 0C")},
        {"Yaesu 1000 D", hex("00 25 40 01 0A"), hex("00 00 00 02 0C")},
        {"Yaesu 1000", hex("00 25 40 01 0A"), hex("00 00 00 02 0C")},
        {"Yaesu FTdx9000", "FA14025000;", "MD03;"},
        {"Other", {}, {}},
    };
    ASSERT_EQ(rows.size(), models().size());
    for (int i = 0; i < rows.size(); ++i) {
        const Model& m = models()[i];
        SCOPED_TRACE(m.name.toStdString());
        EXPECT_EQ(m.name, QString::fromLatin1(rows[i].rig));
        EXPECT_EQ(frequencyCommand(m.name, 14.025f, m.freqQuery, 10).toHex(' '), rows[i].freq.toHex(' '));
        EXPECT_EQ(modeCommand(m.name, QStringLiteral("CW"), m.freqQuery, m.modeQuery).toHex(' '),
                  rows[i].mode.toHex(' '));
    }
    EXPECT_EQ(Pegasus::command(14.025f, QStringLiteral(" CW ")), QByteArray("14.025\r\nCW\r\n"));
}

TEST(Commands, OtherFrequenciesVfoAndLimits)
{
    const QString icomQuery = QStringLiteral("FE FE 64 E0 03 FD");
    EXPECT_EQ(frequencyCommand("Icom", 1.83f, icomQuery, 10), hex("FE FE 64 E0 05 00 00 83 01 00 FD"));
    EXPECT_EQ(frequencyCommand("Yaesu", 1.8f, "", 10), hex("00 18 00 00 01"));
    EXPECT_EQ(frequencyCommand("Yaesu 890", 1.8f, "", 10), hex("00 00 18 00 0A"));
    EXPECT_EQ(frequencyCommand("Ten Tec Orion", 7.0f, "", 10), QByteArray("*AF7000000\r"));
    EXPECT_EQ(frequencyCommand("Kenwood 2", 14.025f, "IF;", 1), QByteArray("FB00014025000;"));
    EXPECT_EQ(frequencyCommand("Kenwood 2", 14.025f, "IF;", 0), QByteArray("FA00014025000;"));
    // Hertz come from the seven-digit decimal the operator gave, not from the nearest float.
    EXPECT_EQ(frequencyCommand("Kenwood", 14.0251f, "FA;", 10), QByteArray("FA00014025100;"));
    EXPECT_EQ(frequencyCommand("Kenwood", 7.123456f, "FA;", 10), QByteArray("FA00007123456;"));
    EXPECT_EQ(frequencyCommand("Yaesu", 0.4751234f, "", 10), hex("00 04 75 12 01"));
    // Nothing for 0, a negative frequency, or one too large for the command's digits.
    for (const Model& m : models()) {
        SCOPED_TRACE(m.name.toStdString());
        EXPECT_TRUE(frequencyCommand(m.name, 0.0f, m.freqQuery, 10).isEmpty());
        EXPECT_TRUE(frequencyCommand(m.name, -7.0f, m.freqQuery, 10).isEmpty());
    }
    EXPECT_TRUE(frequencyCommand("Yaesu FTdx9000", 144.2f, "FA;", 10).isEmpty());   // 9 digits of hertz
    EXPECT_TRUE(frequencyCommand("Yaesu", 1296.0f, "", 10).isEmpty());              // 9 digits of 10 Hz
    EXPECT_TRUE(frequencyCommand("Icom 735", 144.2f, icomQuery, 10).isEmpty());     // 9 digits of hertz
    EXPECT_FALSE(frequencyCommand("Icom", 1296.0f, icomQuery, 10).isEmpty());
    // A query the command takes its address or marker from must be whole.
    EXPECT_TRUE(frequencyCommand("Icom", 14.025f, "FE FE", 10).isEmpty());
    EXPECT_TRUE(frequencyCommand("Icom", 14.025f, "FE FE XY E0 03 FD", 10).isEmpty());
    EXPECT_TRUE(frequencyCommand("Kenwood", 14.025f, "F", 10).isEmpty());
}

TEST(Commands, ModeTableByFamily)
{
    struct Row {
        const char* mode;
        QByteArray k;
        QByteArray ft;
        QByteArray y;
        QByteArray y5;
        QByteArray ci;
    };
    const QVector<Row> rows = {
        {"CW", "MD3;", "MD03;", hex("02 00 00 00 07"), hex("00 00 00 02 0C"), hex("FE FE 64 E0 06 03 FD")},
        {"CW-R", {}, "MD07;", {}, hex("00 00 00 03 0C"), hex("FE FE 64 E0 06 07 FD")},
        {"LSB", "MD1;", "MD01;", hex("00 00 00 00 07"), hex("00 00 00 00 0C"), hex("FE FE 64 E0 06 00 FD")},
        {"USB", "MD2;", "MD02;", hex("01 00 00 00 07"), hex("00 00 00 01 0C"), hex("FE FE 64 E0 06 01 FD")},
        {"AM", "MD5;", "MD05;", hex("04 00 00 00 07"), hex("00 00 00 04 0C"), hex("FE FE 64 E0 06 02 FD")},
        {"FM", "MD4;", "MD04;", hex("08 00 00 00 07"), hex("00 00 00 06 0C"), hex("FE FE 64 E0 06 05 FD")},
        {"RTTY", "MD6;", "MD06;", hex("0A 00 00 00 07"), hex("00 00 00 08 0C"), hex("FE FE 64 E0 06 04 FD")},
        {"RTTY-R", {}, {}, {}, {}, hex("FE FE 64 E0 06 08 FD")},
        {"FSK", "MD6;", {}, {}, {}, {}},
        {"DIG", {}, {}, hex("0A 00 00 00 07"), {}, {}},
        {"PKT", {}, {}, hex("0C 00 00 00 07"), hex("00 00 00 0A 0C"), {}},
        {"cw", {}, {}, {}, {}, {}},
    };
    const QString icomQuery = QStringLiteral("FE FE 64 E0 03 FD");
    for (const Row& r : rows) {
        const QString mode = QString::fromLatin1(r.mode);
        SCOPED_TRACE(r.mode);
        EXPECT_EQ(modeCommand("Kenwood 2", mode, "IF;", ""), r.k);
        EXPECT_EQ(modeCommand("Yaesu FTdx9000", mode, "FA;", "MD0;"), r.ft);
        EXPECT_EQ(modeCommand("Yaesu", mode, "", ""), r.y);
        EXPECT_EQ(modeCommand("Yaesu 1000", mode, "", ""), r.y5);
        EXPECT_EQ(modeCommand("Icom", mode, icomQuery, ""), r.ci);
        for (const char* silent : {"Icom 735", "Ten Tec Orion", "Ten Tec Fnt Pnl", "Ten Tec Pegasus", "Other", "None"})
            EXPECT_TRUE(modeCommand(silent, mode, icomQuery, "MD0;").isEmpty()) << silent;
    }
}

TEST(Hex, ConversionsOfQueriesAndReplies)
{
    EXPECT_EQ(BytesToHexText(hex("FE 03")), QStringLiteral("FE 03 "));
    EXPECT_EQ(BytesToHexPairs(hex("FE 03 0a")), QStringLiteral("FE030A"));
    EXPECT_EQ(HexTextToBytes("FE FE 04 E0 03 FD"), hex("FE FE 04 E0 03 FD"));
    EXPECT_EQ(HexTextToBytes("FE FE 0"), hex("FE FE 00"));
    EXPECT_TRUE(HexTextToBytes("FE XY 04").isEmpty());
    EXPECT_EQ(HexPairsToBytes("FEFE64E005"), hex("FE FE 64 E0 05"));
    EXPECT_TRUE(HexPairsToBytes("FEFG").isEmpty());
    EXPECT_EQ(NibbleToHex(11), QStringLiteral("B"));
    EXPECT_TRUE(NibbleToHex(16).isEmpty());
}

TEST(ModeFromFrequency, SubBandEdgesAreExclusive)
{
    EXPECT_FALSE(modeFromFrequency(1.9f));   // no 160 m row
    EXPECT_FALSE(modeFromFrequency(3.6f));   // on the edge between CW and phone
    EXPECT_EQ(modeFromFrequency(10.12f), QStringLiteral("CW"));
    EXPECT_EQ(modeFromFrequency(14.2f), QStringLiteral("PH"));
    EXPECT_EQ(modeFromFrequency(7.1f), QStringLiteral("CW"));
    EXPECT_EQ(modeFromFrequency(144.2f), QStringLiteral("PH"));
}

TEST(Models, ListDefaults)
{
    ASSERT_EQ(models().size(), 19);
    EXPECT_EQ(models().front().name, QStringLiteral("None"));
    EXPECT_EQ(models().back().name, QStringLiteral("Other"));
    EXPECT_EQ(findModel("kenwood"), nullptr);   // names compare exactly
    const Model* ft = findModel("Yaesu FTdx9000");
    ASSERT_NE(ft, nullptr);
    EXPECT_EQ(ft->dataBits, 0);   // FTdx9000 keeps the operator's data bits, stop bits and parity
    EXPECT_EQ(ft->baud, QStringLiteral("4800"));
    EXPECT_TRUE(usesYaesuCatOnOff("Yaesu 757 GX II"));
    EXPECT_FALSE(usesYaesuCatOnOff("Yaesu FTdx9000"));
    EXPECT_FALSE(usesYaesuCatOnOff("Kenwood"));
}

}   // namespace
