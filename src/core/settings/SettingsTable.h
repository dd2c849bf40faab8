#pragma once

#include "Settings.h"

#include <limits>
#include <variant>
#include <vector>

class IniDocument;

// The member a key is read into. Its type says how the text is read:
// numbers are rounded and kept in range, Via and AutoLaunch are stored
// numbers, "KELDO Mode" is stored text, a call-sign list is ten keys
// "0<key>" to "9<key>", [Ports] is COM1 to COM16, only read, and the macros
// are "F<n> Label" and "F<n> Text" (n 1 to 12), texts escaped and never cut.
using SettingMember =
    std::variant<QString Settings::*, quint8 Settings::*, qint16 Settings::*, qint32 Settings::*, bool Settings::*,
                 PttMethodSetting Settings::*, AutoLaunchSetting Settings::*, ModeSetting Settings::*,
                 CallSignList Settings::*, QMap<int, QString> Settings::*, MacroSet Settings::*>;

// What is done with a text key after reading it.
enum class SettingRule {
    Plain,
    CallSign, // upper-cased; anything but a call sign reads as empty
    OwnCall, // the same, and a value that leaves no call reads as the default
    DesktopFolder, // the default is the desktop folder (or home), found on reading
    WrittenWhenSet, // a newer key: written only when set or already in the file, so an older file keeps its bytes
};

// The numbers a numeric key accepts; others read as the default. Always
// narrowed to what the member's type holds.
struct SettingRange
{
    qint64 min = std::numeric_limits<qint64>::min();
    qint64 max = std::numeric_limits<qint64>::max();
};

struct SettingKey
{
    const char* section;
    const char* key;
    SettingMember member;
    QString defaultText; // the default, as the file stores it
    SettingRule rule = SettingRule::Plain;
    SettingRange range = {};
};

// Every key, in the order a save writes them.
const std::vector<SettingKey>& SettingKeys();

// Each member from its key in doc, or its default where the key is missing
// or unusable.
void ReadSettings(const IniDocument& doc, Settings& s);
// Every key but the read-only ones into doc.
void WriteSettings(const Settings& s, IniDocument& doc);
