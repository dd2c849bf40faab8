#include "RadioCatalogue.h"

namespace {

// The tables keep one model per line, in catalogue order.
// clang-format off
RadioCatalogue build()
{
    RadioCatalogue c;
    c.BrandNames = {QStringLiteral("Icom"), QStringLiteral("Yaesu"), QStringLiteral("Kenwood"),
                    QStringLiteral("Elecraft"), QStringLiteral("TenTec"), QStringLiteral("FlexRadio"),
                    QStringLiteral("Microtelecom")};

    // Display order of each brand's list; not the order of the records.
    const std::array<std::initializer_list<const char*>, BrandCount> columns = {{
        // Icom
        {
            "IC-78", "IC-271", "IC-275", "IC-375", "IC-471", "IC-475", "IC-575", "IC-703",
            "IC-706", "IC-706MkII", "IC-706MkIIG", "IC-707", "IC-718", "IC-725", "IC-726", "IC-728",
            "IC-729", "IC-731", "IC-735", "IC-736", "IC-737", "IC-738", "IC-746", "IC-746Pro",
            "IC-751", "IC-756", "IC-756Pro", "IC-756ProII", "IC-756ProIII", "IC-761", "IC-765", "IC-775",
            "IC-781", "IC-820", "IC-821", "IC-910", "IC-970", "IC-1271", "IC-1275", "IC-7000",
            "IC-7100", "IC-7200", "IC-7300", "IC-7400", "IC-7410", "IC-7600", "IC-7700", "IC-7800",
            "IC-7851", "IC-9100", "IC-9700", "IC-R10", "IC-R20", "IC-R71", "IC-R72", "IC-R75",
            "IC-R7000", "IC-R7100", "IC-R8500", "IC-R9000", "IC-R9500", "IC-RX7",
        },
        // Yaesu
        {
            "FT-100", "FT-450", "FT-450D", "FT-600", "FT-736", "FT-747", "FT-757GXII", "FT-817",
            "FT-840", "FT-847", "FT-857", "FT-890", "FT-897", "FT-900", "FT-920", "FT-950",
            "FT-990", "FT-991", "FT-1000", "FT-1000D", "FT-1000MP", "FT-1000MkV", "FT-1200", "FT-1200FFT",
            "FT-2000", "FT-2000D", "FT-3000", "FT-5000", "FT-5000D", "FT-5000MP", "FT-9000D", "FT-9000CST",
            "FT-9000MP", "VR-5000",
        },
        // Kenwood
        {
            "TS-50", "TS-60", "TS-140", "TS-440", "TS-450", "TS-480HX", "TS-480SAT", "TS-570",
            "TS-590S", "TS-590SG", "TS-680", "TS-690", "TS-711", "TS-770", "TS-780", "TS-790",
            "TS-811", "TS-850", "TS-870", "TS-890", "TS-930", "TS-940", "TS-950", "TS-990",
            "TS-2000", "R-5000",
        },
        // Elecraft
        {
            "K2", "K3",
        },
        // TenTec
        {
            "Argonaut", "Eagle", "Jupiter", "Pegasus", "Omni-VII", "Orion", "RX-350",
        },
        // FlexRadio
        {
            "PowerSDR", "SmartSDR",
        },
        // Microtelecom
        {
            "Perseus",
        },
    }};
    for (int b = 0; b < BrandCount; ++b) {
        int row = 0;
        for (const char* name : columns[b])
            c.ModelNames[b][row++] = QString::fromLatin1(name);
    }

    // Records by "Rig" position: bauds, baud count, dialect, brand, model,
    // key command, unkey command, CI-V address.
    const RadioModel records[RadioModelCount] = {
        {{"4800", "9600", "1200"}, 3, DialectCiv, "Icom", "IC-703", QByteArray(), QByteArray(), "68"}, // 1
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-706", QByteArray(), QByteArray(), "48"}, // 2
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-706MkII", QByteArray(), QByteArray(), "4E"}, // 3
        {{"19200"}, 1, DialectCiv, "Icom", "IC-706MkIIG", QByteArray(), QByteArray(), "58"}, // 4
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-707", QByteArray(), QByteArray(), "3E"}, // 5
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-718", QByteArray(), QByteArray(), "5E"}, // 6
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-725", QByteArray(), QByteArray(), "28"}, // 7
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-726", QByteArray(), QByteArray(), "30"}, // 8
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-728", QByteArray(), QByteArray(), "38"}, // 9
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-729", QByteArray(), QByteArray(), "3A"}, // 10
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-735", QByteArray(), QByteArray(), "04"}, // 11
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-736", QByteArray(), QByteArray(), "40"}, // 12
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-737", QByteArray(), QByteArray(), "3C"}, // 13
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-738", QByteArray(), QByteArray(), "44"}, // 14
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-746", QByteArray(), QByteArray(), "56"}, // 15
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-746Pro", QByteArray(), QByteArray(), "66"}, // 16
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-751", QByteArray(), QByteArray(), "1C"}, // 17
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756", QByteArray(), QByteArray(), "50"}, // 18
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756Pro", QByteArray(), QByteArray(), "5C"}, // 19
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756ProII", QByteArray(), QByteArray(), "64"}, // 20
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-756ProIII", QByteArray(), QByteArray(), "6E"}, // 21
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-761", QByteArray(), QByteArray(), "1E"}, // 22
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-765", QByteArray(), QByteArray(), "2C"}, // 23
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-775", QByteArray(), QByteArray(), "46"}, // 24
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-781", QByteArray(), QByteArray(), "26"}, // 25
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-821", QByteArray(), QByteArray(), "4C"}, // 26
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-910", QByteArray(), QByteArray(), "60"}, // 27
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-970", QByteArray(), QByteArray(), "2E"}, // 28
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7000", QByteArray(), QByteArray(), "70"}, // 29
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7200", QByteArray(), QByteArray(), "76"}, // 30
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7400", QByteArray(), QByteArray(), "66"}, // 31
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7600", QByteArray(), QByteArray(), "7A"}, // 32
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7700", QByteArray(), QByteArray(), "74"}, // 33
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7800", QByteArray(), QByteArray(), "6A"}, // 34
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R10", QByteArray(), QByteArray(), "52"}, // 35
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R20", QByteArray(), QByteArray(), "6C"}, // 36
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R71", QByteArray(), QByteArray(), "1A"}, // 37
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R72", QByteArray(), QByteArray(), "32"}, // 38
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R75", QByteArray(), QByteArray(), "5A"}, // 39
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R7000", QByteArray(), QByteArray(), "08"}, // 40
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R7100", QByteArray(), QByteArray(), "34"}, // 41
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R8500", QByteArray(), QByteArray(), "4A"}, // 42
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R9000", QByteArray(), QByteArray(), "2A"}, // 43
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-R9500", QByteArray(), QByteArray(), "72"}, // 44
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-100", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 45
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-600", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 46
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-736", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), ""}, // 47
        {{"38400", "9600", "4800"}, 3, DialectFiveByte, "Yaesu", "FT-817", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), ""}, // 48
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-840", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 49
        {{"57600", "9600", "4800"}, 3, DialectFiveByte, "Yaesu", "FT-847", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), ""}, // 50
        {{"38400", "9600", "4800"}, 3, DialectFiveByte, "Yaesu", "FT-857", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), ""}, // 51
        {{"4800", "9600", "38400"}, 3, DialectFiveByte, "Yaesu", "FT-897", QByteArray("\x00\x00\x00\x00\x08", 5), QByteArray("\x00\x00\x00\x00\x88", 5), ""}, // 52
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-900", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 53
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-920", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 54
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-990", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 55
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 56
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000MP", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 57
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000MkV", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 58
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-450", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 59
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-950", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 60
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-2000", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 61
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-2000D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 62
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-5000", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 63
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-9000D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 64
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-9000CST", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 65
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-9000MP", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 66
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-50", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 67
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-60", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 68
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-140", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 69
        {{"4800", "57600", "38400", "19200", "9600"}, 5, DialectSemicolon, "Kenwood", "TS-440", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 70
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-450", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 71
        {{"4800", "115200", "57600", "38400", "19200", "9600"}, 6, DialectSemicolon, "Kenwood", "TS-480HX", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), ""}, // 72
        {{"4800", "115200", "57600", "38400", "19200", "9600"}, 6, DialectSemicolon, "Kenwood", "TS-480SAT", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), ""}, // 73
        {{"9600", "4800", "19200", "38400", "57600"}, 5, DialectSemicolon, "Kenwood", "TS-570", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 74
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-680", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 75
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-690", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 76
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-711", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 77
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-770", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 78
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-780", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 79
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-790", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 80
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-811", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 81
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-850", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 82
        {{"4800", "57600", "38400", "19200", "9600"}, 5, DialectSemicolon, "Kenwood", "TS-870", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 83
        {{"4800", "9600"}, 2, DialectSemicolon, "Kenwood", "TS-930", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 84
        {{"4800", "9600"}, 2, DialectSemicolon, "Kenwood", "TS-940", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 85
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "TS-950", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 86
        {{"9600", "4800", "19200", "38400", "57600"}, 5, DialectSemicolon, "Kenwood", "TS-2000", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 87
        {{"4800"}, 1, DialectSemicolon, "Kenwood", "R-5000", QByteArray(), QByteArray(), ""}, // 88
        {{"9600"}, 1, DialectSemicolon, "FlexRadio", "PowerSDR", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 89
        {{"4800"}, 1, DialectSemicolon, "Elecraft", "K2", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 90
        {{"4800", "9600", "19200", "38400"}, 4, DialectSemicolon, "Elecraft", "K3", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 91
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Microtelecom", "Perseus", QByteArray(), QByteArray(), "04"}, // 92
        {{"57600"}, 1, DialectCr, "TenTec", "Eagle", QByteArray("*TK\r", 4), QByteArray("*TU\r", 4), ""}, // 93
        {{"57600"}, 1, DialectCr, "TenTec", "Orion", QByteArray("*TK\r", 4), QByteArray("*TU\r", 4), ""}, // 94
        {{"57600"}, 1, DialectCr, "TenTec", "Jupiter", QByteArray(), QByteArray(), ""}, // 95
        {{"1200"}, 1, DialectCr, "TenTec", "Argonaut", QByteArray("#0\r", 3), QByteArray("#1\r", 3), ""}, // 96
        {{"57600"}, 1, DialectCr, "TenTec", "RX-350", QByteArray(), QByteArray(), ""}, // 97
        {{"57600"}, 1, DialectCr, "TenTec", "Omni-VII", QByteArray("*T\x04\x00\r", 5), QByteArray("*T\x00\x00\r", 5), ""}, // 98
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-890", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 99
        {{"4800", "9600", "57600"}, 3, DialectFiveByte, "Yaesu", "VR-5000", QByteArray(), QByteArray(), ""}, // 100
        {{"9600", "4800", "19200", "38400", "57600", "115200"}, 6, DialectSemicolon, "Kenwood", "TS-590S", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), ""}, // 101
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-747", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 102
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-757GXII", QByteArray(), QByteArray(), ""}, // 103
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-1271", QByteArray(), QByteArray(), "24"}, // 104
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-1275", QByteArray(), QByteArray(), "18"}, // 105
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-271", QByteArray(), QByteArray(), "20"}, // 106
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-275", QByteArray(), QByteArray(), "10"}, // 107
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-375", QByteArray(), QByteArray(), "12"}, // 108
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-471", QByteArray(), QByteArray(), "22"}, // 109
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-475", QByteArray(), QByteArray(), "14"}, // 110
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-575", QByteArray(), QByteArray(), "16"}, // 111
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-78", QByteArray(), QByteArray(), "62"}, // 112
        {{"1200", "9600"}, 2, DialectCiv, "Icom", "IC-820", QByteArray(), QByteArray(), "42"}, // 113
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-731", QByteArray(), QByteArray(), "04"}, // 114
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-RX7", QByteArray(), QByteArray(), "78"}, // 115
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-9100", QByteArray(), QByteArray(), "7C"}, // 116
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-450D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 117
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-5000D", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 118
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-5000MP", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 119
        {{"57600"}, 1, DialectCr, "TenTec", "Pegasus", QByteArray("Q1\r", 3), QByteArray("Q0\r", 3), ""}, // 120
        {{"4800"}, 1, DialectFiveByte, "Yaesu", "FT-1000D", QByteArray("\x00\x00\x00\x01\x0F", 5), QByteArray("\x00\x00\x00\x00\x0F", 5), ""}, // 121
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7410", QByteArray(), QByteArray(), "80"}, // 122
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-3000", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 123
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7100", QByteArray(), QByteArray(), "88"}, // 124
        {{"9600"}, 1, DialectSemicolon, "FlexRadio", "SmartSDR", QByteArrayLiteral("TX;"), QByteArrayLiteral("RX;"), ""}, // 125
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-1200", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 126
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-1200FFT", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 127
        {{"115200", "19200", "9600", "4800", "1200"}, 5, DialectCiv, "Icom", "IC-7300", QByteArray(), QByteArray(), "94"}, // 128
        {{"9600", "4800", "19200", "38400", "57600", "115200"}, 6, DialectSemicolon, "Kenwood", "TS-990", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), ""}, // 129
        {{"9600", "4800", "19200", "38400", "57600", "115200"}, 6, DialectSemicolon, "Kenwood", "TS-590SG", QByteArrayLiteral("TX1;"), QByteArrayLiteral("RX;"), ""}, // 130
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-7851", QByteArray(), QByteArray(), "8E"}, // 131
        {{"4800", "38400", "19200", "9600"}, 4, DialectSemicolon, "Yaesu", "FT-991", QByteArrayLiteral("TX1;"), QByteArrayLiteral("TX0;"), ""}, // 132
        {{"19200", "9600", "4800", "1200"}, 4, DialectCiv, "Icom", "IC-9700", QByteArray(), QByteArray(), "A2"}, // 133
        {{"4800", "57600", "38400", "19200", "9600"}, 5, DialectSemicolon, "Kenwood", "TS-890", QByteArrayLiteral("TX0;"), QByteArrayLiteral("RX;"), ""}, // 134
    };
    for (int i = 0; i < RadioModelCount; ++i)
        c.RadioModels[i + 1] = records[i];
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
    const auto& names = LoadRadioCatalogue().BrandNames;
    for (int b = 0; b < BrandCount; ++b) {
        if (names[b] == brand)
            return b;
    }
    return -1;
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
