#include "RadioCatalogue.h"

namespace {

int BrandIndexOf(const std::array<QString, BrandCount>& names, const QString& brand)
{
    for (int b = 0; b < BrandCount; ++b) {
        if (names[b] == brand)
            return b;
    }
    return -1;
}

// The table keeps one model per line, in catalogue order.
// clang-format off
RadioCatalogue build()
{
    RadioCatalogue c;
    c.BrandNames = {QStringLiteral("Icom"), QStringLiteral("Yaesu"), QStringLiteral("Kenwood"),
                    QStringLiteral("Elecraft"), QStringLiteral("TenTec"), QStringLiteral("FlexRadio"),
                    QStringLiteral("Microtelecom")};

    // One record per radio, by "Rig" position: bauds, baud count, dialect,
    // brand, model, key command, unkey command, CI-V address, and its place
    // in its brand's list (the dialog's order, not the positions').
    const RadioModel records[RadioModelCount] = {
        {{"4800", "9600", "1200"}, 3, DialectCiv, "Icom", "IC-703", QByteArray(), QByteArray(), "68", 7}, // 1
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-706", QByteArray(), QByteArray(), "48", 8}, // 2
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-706MkII", QByteArray(), QByteArray(), "4E", 9}, // 3
        {{"19200"}, 1, DialectCiv, "Icom", "IC-706MkIIG", QByteArray(), QByteArray(), "58", 10}, // 4
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-707", QByteArray(), QByteArray(), "3E", 11}, // 5
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-718", QByteArray(), QByteArray(), "5E", 12}, // 6
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-725", QByteArray(), QByteArray(), "28", 13}, // 7
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-726", QByteArray(), QByteArray(), "30", 14}, // 8
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-728", QByteArray(), QByteArray(), "38", 15}, // 9
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-729", QByteArray(), QByteArray(), "3A", 16}, // 10
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-735", QByteArray(), QByteArray(), "04", 18}, // 11
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-736", QByteArray(), QByteArray(), "40", 19}, // 12
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-737", QByteArray(), QByteArray(), "3C", 20}, // 13
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-738", QByteArray(), QByteArray(), "44", 21}, // 14
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-746", QByteArray(), QByteArray(), "56", 22}, // 15
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-746Pro", QByteArray(), QByteArray(), "66", 23}, // 16
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-751", QByteArray(), QByteArray(), "1C", 24}, // 17
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756", QByteArray(), QByteArray(), "50", 25}, // 18
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756Pro", QByteArray(), QByteArray(), "5C", 26}, // 19
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756ProII", QByteArray(), QByteArray(), "64", 27}, // 20
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756ProIII", QByteArray(), QByteArray(), "6E", 28}, // 21
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-761", QByteArray(), QByteArray(), "1E", 29}, // 22
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-765", QByteArray(), QByteArray(), "2C", 30}, // 23
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-775", QByteArray(), QByteArray(), "46", 31}, // 24
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-781", QByteArray(), QByteArray(), "26", 32}, // 25
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-821", QByteArray(), QByteArray(), "4C", 34}, // 26
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-910", QByteArray(), QByteArray(), "60", 35}, // 27
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-970", QByteArray(), QByteArray(), "2E", 36}, // 28
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7000", QByteArray(), QByteArray(), "70", 39}, // 29
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7200", QByteArray(), QByteArray(), "76", 41}, // 30
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7400", QByteArray(), QByteArray(), "66", 43}, // 31
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7600", QByteArray(), QByteArray(), "7A", 45}, // 32
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7700", QByteArray(), QByteArray(), "74", 46}, // 33
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7800", QByteArray(), QByteArray(), "6A", 47}, // 34
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R10", QByteArray(), QByteArray(), "52", 51}, // 35
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R20", QByteArray(), QByteArray(), "6C", 52}, // 36
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R71", QByteArray(), QByteArray(), "1A", 53}, // 37
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R72", QByteArray(), QByteArray(), "32", 54}, // 38
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R75", QByteArray(), QByteArray(), "5A", 55}, // 39
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R7000", QByteArray(), QByteArray(), "08", 56}, // 40
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R7100", QByteArray(), QByteArray(), "34", 57}, // 41
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R8500", QByteArray(), QByteArray(), "4A", 58}, // 42
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R9000", QByteArray(), QByteArray(), "2A", 59}, // 43
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R9500", QByteArray(), QByteArray(), "72", 60}, // 44
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-100", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 0}, // 45
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-600", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 3}, // 46
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-736", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), "", 4}, // 47
        {{"38400", "9600", "4800"}, 3, DialectFiveByte, "Yaesu", "FT-817", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), "", 7}, // 48
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-840", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 8}, // 49
        {{"57600", "9600", "4800"}, 3, DialectFiveByte, "Yaesu", "FT-847", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), "", 9}, // 50
        {{"38400", "9600", "4800"}, 3, DialectFiveByte, "Yaesu", "FT-857", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), "", 10}, // 51
        {{"4800", "9600", "38400"}, 3, DialectFiveByte, "Yaesu", "FT-897", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), "", 12}, // 52
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-900", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 13}, // 53
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-920", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 14}, // 54
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-990", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 16}, // 55
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 18}, // 56
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000MP", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 20}, // 57
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000MkV", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 21}, // 58
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-450", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 1}, // 59
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-950", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 15}, // 60
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-2000", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 24}, // 61
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-2000D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 25}, // 62
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-5000", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 27}, // 63
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-9000D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 30}, // 64
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-9000CST", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 31}, // 65
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-9000MP", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 32}, // 66
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-50", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 0}, // 67
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-60", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 1}, // 68
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-140", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 2}, // 69
        {{"4800", "57600", "38400", "19200", "9600"}, 5, DialectSemicolon, "Kenwood", "TS-440", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 3}, // 70
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-450", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 4}, // 71
        {{"4800", "115200", "57600", "38400", "19200", "9600"}, 6, DialectSemicolon, "Kenwood", "TS-480HX", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), "", 5}, // 72
        {{"4800", "115200", "57600", "38400", "19200", "9600"}, 6, DialectSemicolon, "Kenwood", "TS-480SAT", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), "", 6}, // 73
        {{"9600", "4800", "19200", "38400", "57600"}, 5, DialectSemicolon, "Kenwood", "TS-570", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 7}, // 74
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-680", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 10}, // 75
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-690", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 11}, // 76
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-711", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 12}, // 77
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-770", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 13}, // 78
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-780", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 14}, // 79
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-790", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 15}, // 80
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-811", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 16}, // 81
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-850", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 17}, // 82
        {{"4800", "57600", "38400", "19200", "9600"}, 5, DialectSemicolon, "Kenwood", "TS-870", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 18}, // 83
        {{"4800", "9600"}, 2, DialectSemicolon, "Kenwood", "TS-930", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 20}, // 84
        {{"4800", "9600"}, 2, DialectSemicolon, "Kenwood", "TS-940", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 21}, // 85
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-950", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 22}, // 86
        {{"9600", "4800", "19200", "38400", "57600"}, 5, DialectSemicolon, "Kenwood", "TS-2000", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 24}, // 87
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "R-5000", QByteArray(), QByteArray(), "", 25}, // 88
        {{"9600"}, 1, DialectSemicolon, "FlexRadio", "PowerSDR", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 0}, // 89
        {{"4800"}, 1, DialectSemicolon, "Elecraft", "K2", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 0}, // 90
        {{"4800", "9600", "19200", "38400"}, 4, DialectSemicolon, "Elecraft", "K3", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 1}, // 91
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Microtelecom", "Perseus", QByteArray(), QByteArray(), "04", 0}, // 92
        {{"57600"}, 1, DialectCr, "TenTec", "Eagle", QByteArray("*TK\r", 4), QByteArray("*TU\r", 4), "", 1}, // 93
        {{"57600"}, 1, DialectCr, "TenTec", "Orion", QByteArray("*TK\r", 4), QByteArray("*TU\r", 4), "", 5}, // 94
        {{"57600"}, 1, DialectCr, "TenTec", "Jupiter", QByteArray(), QByteArray(), "", 2}, // 95
        {{"1200"}, 1, DialectCr, "TenTec", "Argonaut", QByteArray("#0\r", 3), QByteArray("#1\r", 3), "", 0}, // 96
        {{"57600"}, 1, DialectCr, "TenTec", "RX-350", QByteArray(), QByteArray(), "", 6}, // 97
        {{"57600"}, 1, DialectCr, "TenTec", "Omni-VII", QByteArray("*T\x04\x00\r", 5), QByteArray("*T\x00\x00\r", 5), "", 4}, // 98
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-890", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 11}, // 99
        {{"4800", "9600", "57600"}, 3, DialectFiveByte, "Yaesu", "VR-5000", QByteArray(), QByteArray(), "", 33}, // 100
        {{"9600", "4800", "19200", "38400", "57600", "115200"}, 6, DialectSemicolon, "Kenwood", "TS-590S", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), "", 8}, // 101
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-747", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 5}, // 102
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-757GXII", QByteArray(), QByteArray(), "", 6}, // 103
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-1271", QByteArray(), QByteArray(), "24", 37}, // 104
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-1275", QByteArray(), QByteArray(), "18", 38}, // 105
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-271", QByteArray(), QByteArray(), "20", 1}, // 106
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-275", QByteArray(), QByteArray(), "10", 2}, // 107
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-375", QByteArray(), QByteArray(), "12", 3}, // 108
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-471", QByteArray(), QByteArray(), "22", 4}, // 109
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-475", QByteArray(), QByteArray(), "14", 5}, // 110
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-575", QByteArray(), QByteArray(), "16", 6}, // 111
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-78", QByteArray(), QByteArray(), "62", 0}, // 112
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-820", QByteArray(), QByteArray(), "42", 33}, // 113
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-731", QByteArray(), QByteArray(), "04", 17}, // 114
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-RX7", QByteArray(), QByteArray(), "78", 61}, // 115
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-9100", QByteArray(), QByteArray(), "7C", 49}, // 116
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-450D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 2}, // 117
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-5000D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 28}, // 118
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-5000MP", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 29}, // 119
        {{"57600"}, 1, DialectCr, "TenTec", "Pegasus", QByteArray("Q1\r", 3), QByteArray("Q0\r", 3), "", 3}, // 120
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000D", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), "", 19}, // 121
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7410", QByteArray(), QByteArray(), "80", 44}, // 122
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-3000", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 26}, // 123
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7100", QByteArray(), QByteArray(), "88", 40}, // 124
        {{"9600"}, 1, DialectSemicolon, "FlexRadio", "SmartSDR", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), "", 1}, // 125
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-1200", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 22}, // 126
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-1200FFT", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 23}, // 127
        {{"115200", "19200", "9600", "4800", "1200"}, 5, DialectCiv, "Icom", "IC-7300", QByteArray(), QByteArray(), "94", 42}, // 128
        {{"9600", "4800", "19200", "38400", "57600", "115200"}, 6, DialectSemicolon, "Kenwood", "TS-990", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), "", 23}, // 129
        {{"9600", "4800", "19200", "38400", "57600", "115200"}, 6, DialectSemicolon, "Kenwood", "TS-590SG", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), "", 9}, // 130
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7851", QByteArray(), QByteArray(), "8E", 48}, // 131
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-991", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), "", 17}, // 132
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-9700", QByteArray(), QByteArray(), "A2", 50}, // 133
        {{"4800", "57600", "38400", "19200", "9600"}, 5, DialectSemicolon, "Kenwood", "TS-890", QByteArrayLiteral("TX0;"), QByteArrayLiteral("RX;"), "", 19}, // 134
    };
    for (int i = 0; i < RadioModelCount; ++i) {
        const RadioModel& m = records[i];
        c.RadioModels[i + 1] = m;
        const int brand = BrandIndexOf(c.BrandNames, m.Brand);
        if (brand >= 0 && m.ListRow < ModelRows)
            c.ModelNames[brand][m.ListRow] = m.Model;
    }
    return c;
}
// clang-format on

} // namespace

QStringList RadioModel::baudList() const
{
    QStringList list;
    for (int i = 0; i < BaudCount && i < int(Bauds.size()); ++i)
        list << Bauds[i];
    return list;
}

const RadioCatalogue& LoadRadioCatalogue()
{
    static const RadioCatalogue catalogue = build();
    return catalogue;
}

const RadioModel* RadioModelAt(int rig)
{
    if (rig < 1 || rig > RadioModelCount)
        return nullptr;
    return &LoadRadioCatalogue().RadioModels[rig];
}

int RadioPositionOf(const QString& model)
{
    const auto& models = LoadRadioCatalogue().RadioModels;
    for (int i = 1; i <= RadioModelCount; ++i) {
        if (models[i].Model == model)
            return i;
    }
    return 0;
}

int BrandIndexOf(const QString& brand)
{
    return BrandIndexOf(LoadRadioCatalogue().BrandNames, brand);
}

QStringList ModelsOfBrand(int brand)
{
    QStringList list;
    if (brand < 0 || brand >= BrandCount)
        return list;
    for (const QString& name : LoadRadioCatalogue().ModelNames[brand]) {
        if (name.isEmpty())
            break;
        list << name;
    }
    return list;
}

QString DefaultModelOfBrand(int brand)
{
    static const char* const defaults[BrandCount] = {"IC-7000", "FT-897",   "TS-2000", "K3",
                                                     "Jupiter", "SmartSDR", "Perseus"};
    if (brand < 0 || brand >= BrandCount)
        return QString();
    return QString::fromLatin1(defaults[brand]);
}
