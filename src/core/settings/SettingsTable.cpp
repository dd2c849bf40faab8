#include "SettingsTable.h"

#include "IniDocument.h"

#include <cmath>
#include <optional>
#include <type_traits>

namespace {

constexpr const char* PTT = "PTT";
constexpr const char* Setup = "Setup";
constexpr const char* Position = "Position";
constexpr const char* Path = "Path";
constexpr const char* Options = "Options";

constexpr SettingRange TcpPort{0, 65535};

// The stored numbers of "Via" and "AutoLaunch". Any other number reads as
// Other and is written back as it was.
template <typename E>
struct Numbered
{
    E value;
    quint8 number;
};
// 4 reads as VOX; VOX is written as 3, the first number it has.
constexpr Numbered<PttMethod> ViaNumbers[] = {
    {PttMethod::Cat, 1}, {PttMethod::Com, 2}, {PttMethod::Vox, 3}, {PttMethod::Vox, 4}, {PttMethod::Rigctld, 5}};
constexpr Numbered<AutoLaunch> AutoLaunchNumbers[] = {{AutoLaunch::Off, 0}, {AutoLaunch::On, 1}};

const auto& numbersOf(PttMethod)
{
    return ViaNumbers;
}
const auto& numbersOf(AutoLaunch)
{
    return AutoLaunchNumbers;
}

template <typename E>
StoredChoice<E, quint8> choiceOf(quint8 number)
{
    for (const Numbered<E>& entry : numbersOf(E{}))
        if (entry.number == number)
            return entry.value;
    return StoredChoice<E, quint8>::other(number);
}

template <typename E>
quint8 numberOf(const StoredChoice<E, quint8>& choice)
{
    for (const Numbered<E>& entry : numbersOf(E{}))
        if (choice == entry.value)
            return entry.number;
    return choice.otherValue();
}

template <typename T>
struct IsNumberedChoice : std::false_type
{ };
template <typename E>
struct IsNumberedChoice<StoredChoice<E, quint8>> : std::true_type
{ };

// "KELDO Mode": the spelling of a mode, or any other text as it is.
// "KELDOFM1200" and the like are FM.
ModeSetting modeOf(const QString& text)
{
    const QString fm = QLatin1String(ProfileOf(Mode::FM)->iniName);
    if (text.contains(fm))
        return Mode::FM;
    for (Mode mode : KnownModes)
        if (text == QLatin1String(ProfileOf(mode)->iniName))
            return mode;
    return ModeSetting::other(text);
}

QString textOf(const ModeSetting& mode)
{
    const ModeProfile* profile = ProfileOf(mode.value());
    return profile ? QLatin1String(profile->iniName) : mode.otherValue();
}

// A whole decimal number, optionally signed, with an optional fraction:
// "12", " -3 ", "12.6", ".5". Anything else ("12abc", "1e3", "0x10", "")
// is not a number; the caller then falls back to the key's default rather
// than guessing what a damaged file meant.
std::optional<double> parseDecimal(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != n)
        return std::nullopt;
    bool ok = false;
    const double v = QStringView(t).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The text rounded to the nearest integer (halves to even, as the original
// platform's conversion does); nothing when it is no number or out of range.
std::optional<qint64> wholeNumber(const QString& text, const SettingRange& range)
{
    const auto v = parseDecimal(text);
    if (!v)
        return std::nullopt;
    const double r = std::nearbyint(*v);
    if (r < double(range.min) || r > double(range.max))
        return std::nullopt;
    return qint64(r);
}

// The stored number, else the default's, in range and in what T holds.
template <typename T>
T storedNumber(const QString& stored, const SettingKey& k)
{
    const SettingRange range{qMax<qint64>(k.range.min, std::numeric_limits<T>::min()),
                             qMin<qint64>(k.range.max, std::numeric_limits<T>::max())};
    auto n = wholeNumber(stored, range);
    if (!n)
        n = wholeNumber(k.defaultText, range);
    return T(n.value_or(0));
}

QString listKey(int i, const char* name)
{
    return QString::number(i) + QLatin1String(name);
}

QString macroKey(int index, const char* part)
{
    return QStringLiteral("F%1 %2").arg(index + 1).arg(QLatin1String(part));
}

void applyCallSignRule(QString& value)
{
    if (!IsValidCallSign(value))
        value.clear();
}

void readKey(const IniDocument& doc, const SettingKey& k, Settings& s)
{
    const QString section = QLatin1String(k.section);
    const QString key = QLatin1String(k.key);
    const QString def = k.rule == SettingRule::DesktopFolder ? Settings::defaultPathFolder() : k.defaultText;
    std::visit(
        [&](auto member) {
            auto& v = s.*member;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>) {
                v = doc.value(section, key, def);
                if (k.rule == SettingRule::CallSign || k.rule == SettingRule::OwnCall)
                    applyCallSignRule(v);
                // The modem must be told a call: a stored value that leaves
                // none (empty, invalid, or a bare SSID such as "-5") reads as
                // the default.
                if (k.rule == SettingRule::OwnCall && CallSignBase(v).isEmpty())
                    v = def;
            } else if constexpr (std::is_arithmetic_v<T>) {
                v = storedNumber<T>(doc.value(section, key, def), k);
            } else if constexpr (IsNumberedChoice<T>::value) {
                v = choiceOf<decltype(v.value())>(storedNumber<quint8>(doc.value(section, key, def), k));
            } else if constexpr (std::is_same_v<T, ModeSetting>) {
                v = modeOf(doc.value(section, key, def));
            } else if constexpr (std::is_same_v<T, CallSignList>) {
                for (int i = 0; i < int(v.size()); ++i) {
                    v[size_t(i)] = doc.value(section, listKey(i, k.key));
                    applyCallSignRule(v[size_t(i)]);
                }
            } else if constexpr (std::is_same_v<T, QMap<int, QString>>) {
                v.clear();
                for (int n = 1; n <= 16; ++n) {
                    const QString device = doc.value(section, key + QString::number(n));
                    if (!device.isEmpty())
                        v.insert(n, device);
                }
            } else if constexpr (std::is_same_v<T, MacroSet>) {
                for (int i = 0; i < MacroCount; ++i) {
                    v[size_t(i)].label = doc.value(section, macroKey(i, "Label"));
                    v[size_t(i)].text = UnescapeMacroText(doc.fullValue(section, macroKey(i, "Text")));
                }
            } else {
                static_assert(sizeof(T) == 0, "a member type with no reading rule");
            }
        },
        k.member);
}

void writeKey(const Settings& s, const SettingKey& k, IniDocument& doc)
{
    const QString section = QLatin1String(k.section);
    const QString key = QLatin1String(k.key);
    std::visit(
        [&](auto member) {
            const auto& v = s.*member;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QString>) {
                if (k.rule != SettingRule::WrittenWhenSet || !v.isEmpty() || doc.contains(section, key))
                    doc.setValue(section, key, v);
            } else if constexpr (std::is_arithmetic_v<T>) {
                doc.setValue(section, key, QString::number(qint64(v)));
            } else if constexpr (IsNumberedChoice<T>::value) {
                doc.setValue(section, key, QString::number(numberOf(v)));
            } else if constexpr (std::is_same_v<T, ModeSetting>) {
                doc.setValue(section, key, textOf(v));
            } else if constexpr (std::is_same_v<T, CallSignList>) {
                for (int i = 0; i < int(v.size()); ++i)
                    doc.setValue(section, listKey(i, k.key), v[size_t(i)]);
            } else if constexpr (std::is_same_v<T, MacroSet>) {
                // Only what was set or is there already: a file without macros stays without.
                auto put = [&](const QString& name, const QString& value) {
                    if (!value.isEmpty() || doc.contains(section, name))
                        doc.setValue(section, name, value);
                };
                for (int i = 0; i < MacroCount; ++i) {
                    put(macroKey(i, "Label"), v[size_t(i)].label);
                    // A hand-written text that reads as it is (a lone backslash) stays as written.
                    const QString textKey = macroKey(i, "Text");
                    if (!doc.contains(section, textKey)
                        || UnescapeMacroText(doc.fullValue(section, textKey)) != v[size_t(i)].text)
                        put(textKey, EscapeMacroText(v[size_t(i)].text));
                }
            } else if constexpr (!std::is_same_v<T, QMap<int, QString>>) {
                // [Ports] is only read: its lines stay in the file as they are.
                static_assert(sizeof(T) == 0, "a member type with no writing rule");
            }
        },
        k.member);
}

} // namespace

const std::vector<SettingKey>& SettingKeys()
{
    using R = SettingRule;
    static const std::vector<SettingKey> keys = {
        {PTT, "Rig", &Settings::rig, QString::number(DefaultRig), R::Plain, {1, RigCount}},
        {PTT, "PTTPort", &Settings::pttPort, "COM1"},
        {PTT, "CATPort", &Settings::catPort, "COM1"},
        {PTT, "Baud", &Settings::baud, "4800"},
        {PTT, "Pin", &Settings::pin, "1"},
        {PTT, "RTS", &Settings::rts, "0"},
        {PTT, "DTR", &Settings::dtr, "0"},
        {PTT, "Via", &Settings::via, "3"},
        {PTT, "Icom Address", &Settings::icomAddress, ""},
        {PTT, "Rigctld Host", &Settings::rigctldHost, "localhost"},
        {PTT, "Rigctld Port", &Settings::rigctldPort, "4532", R::Plain, TcpPort},

        {Setup, "HF TCP Port", &Settings::hfTcpPort, "8300", R::Plain, TcpPort},
        {Setup, "FM TCP Port", &Settings::fmTcpPort, "8300", R::Plain, TcpPort},
        {Setup, "SAT TCP Port", &Settings::satTcpPort, "8300", R::Plain, TcpPort},
        {Setup, "HF Host", &Settings::hfHost, "localhost"},
        {Setup, "FM Host", &Settings::fmHost, "localhost"},
        {Setup, "SAT Host", &Settings::satHost, "localhost"},
        {Setup, "My Callsign", &Settings::myCallsign, "N0CALL-1", R::OwnCall},
        {Setup, "Connect With HF", &Settings::connectWithHf, "N0CALL-2", R::CallSign},
        {Setup, "Connect With FM", &Settings::connectWithFm, "N0CALL-2", R::CallSign},
        {Setup, "Connect With SAT", &Settings::connectWithSat, "N0CALL-2", R::CallSign},
        {Setup, "Via1", &Settings::via1, "", R::CallSign},
        {Setup, "Via2", &Settings::via2, "", R::CallSign},
        {Setup, "KELDO Mode", &Settings::keldoMode, "KELDOHF"},
        {Setup, "KELDOHF BW", &Settings::keldoHfBw, "2300"},
        {Setup, "KELDO HF Path", &Settings::keldoHfPath, "C:\\KELDO\\KELDO.exe"},
        {Setup, "KELDO FM Path", &Settings::keldoFmPath, "C:\\KELDO FM\\KELDOFM.exe"},
        {Setup, "KELDO SAT Path", &Settings::keldoSatPath, "C:\\KELDO\\KELDOSAT.exe"},
        {Setup, "Font Size", &Settings::fontSize, "10"},
        {Setup, "Colour", &Settings::colour, "Black"},
        {Setup, "AutoLaunch", &Settings::autoLaunch, "1"},
        {Setup, "ConnectHF List", &Settings::connectHfList, ""},
        {Setup, "ConnectFM List", &Settings::connectFmList, ""},
        {Setup, "ConnectSAT List", &Settings::connectSatList, ""},
        {Setup, "Via1 List", &Settings::via1List, ""},
        {Setup, "Via2 List", &Settings::via2List, ""},

        // In twips.
        {Position, "Top Position", &Settings::topPosition, "870"},
        {Position, "Left Position", &Settings::leftPosition, "2325"},
        {Position, "Terminal Width", &Settings::terminalWidth, "8145"},
        {Position, "Terminal Height", &Settings::terminalHeight, "6105"},
        {Position, "Window State", &Settings::windowState, "0"},

        {Path, "Load Path File", &Settings::loadPathFile, "", R::DesktopFolder},
        {Path, "Save Path File", &Settings::savePathFile, "", R::DesktopFolder},

        // Features beyond the original design.
        {Options, "PTT Timeout", &Settings::pttTimeoutSeconds, "300", R::Plain, {0, 86400}},
        {Options, "Speaker Colours", &Settings::speakerColours, "0"},
        {Options, "Notify on Incoming Call", &Settings::notifyIncomingCall, "0"},
        {Options, "Log Conversations", &Settings::logConversations, "0"},
        {Options, "Log Folder", &Settings::logFolder, ""},
        {Options, "Keyer Lines", &Settings::keyerLines, "1"},
        {Options, "Show Call Events", &Settings::showCallEvents, "1"},
        {Options, "Log QSOs", &Settings::logQsos, "0"},
        {Options, "Log Without Asking", &Settings::logWithoutAsking, "0"},
        {Options, "Log Mode", &Settings::logMode, ""},
        {Options, "Log Submode", &Settings::logSubmode, ""},
        {Options, "Rig Control Host", &Settings::rigControlHost, ""},
        {Options, "Rig Control Port", &Settings::rigControlPort, "4532", R::Plain, TcpPort},
        {Options, "Send QSOs to Loggers", &Settings::sendQsosToLoggers, "0"},
        {Options, "Logger Host", &Settings::loggerHost, "127.0.0.1"},
        {Options, "Logger Port", &Settings::loggerPort, "2237", R::Plain, TcpPort},
        {Options, "Show Macro Bar", &Settings::showMacroBar, "0"},
        {Options, "Show Own Text at Once", &Settings::showOwnTextAtOnce, "1"},
        {Options, "Type Ahead", &Settings::typeAhead, "1"},
        {Options, "Time Stamps", &Settings::timeStamps, "0"},
        {Options, "Alert On Own Call", &Settings::alertOnOwnCall, "0"},
        {Options, "Alert Words", &Settings::alertWords, ""},
        {Options, "My Locator", &Settings::myLocator, "", R::WrittenWhenSet},
        {Options, "TX Power", &Settings::txPower, "", R::WrittenWhenSet},
        {Options, "Language", &Settings::language, "", R::WrittenWhenSet},

        // COM1 to COM16.
        {"Ports", "COM", &Settings::portDevices, ""},
        {"Macros", "F", &Settings::macros, ""},
    };
    return keys;
}

void ReadSettings(const IniDocument& doc, Settings& s)
{
    for (const SettingKey& k : SettingKeys())
        readKey(doc, k, s);
}

void WriteSettings(const Settings& s, IniDocument& doc)
{
    for (const SettingKey& k : SettingKeys())
        writeKey(s, k, doc);
}
