#pragma once

#include "settings/RigNumbers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// The built-in radio catalogue: seven brands and one record per radio (134),
// which also places the radio in its brand's list. "Rig" in the settings is
// a position in RadioModels, so the order of the records is part of the
// settings-file format.

// CAT command families.
enum RadioDialect : quint8 {
    DialectCiv = 1, // Icom CI-V frame built at keying time
    DialectFiveByte = 2, // five binary bytes
    DialectSemicolon = 3, // ASCII text ending in ';'
    DialectCr = 4, // text ending in a carriage return
};

struct RadioModel
{
    std::array<QString, 6> Bauds; // the first BaudCount are used
    quint8 BaudCount = 0;
    quint8 Dialect = 0;
    QString Brand;
    QString Model;
    QByteArray TxCommand;
    QByteArray RxCommand;
    QString CivAddress; // dialect 1 only
    quint8 ListRow = 0; // place in its brand's list

    QStringList baudList() const;
};

constexpr int BrandCount = 7;
constexpr int ModelRows = 62;
constexpr int RadioModelCount = RigCount;

struct RadioCatalogue
{
    std::array<QString, BrandCount> BrandNames;
    // ModelNames[brand][row], drawn from the records; a column ends at its
    // first empty entry.
    std::array<std::array<QString, ModelRows>, BrandCount> ModelNames;
    // Positions 1..134; entry 0 is unused.
    std::array<RadioModel, RadioModelCount + 1> RadioModels;
};

// The catalogue, filled on first use and never changed afterwards.
const RadioCatalogue& LoadRadioCatalogue();

// Record at a "Rig" position, or nullptr outside 1..134.
const RadioModel* RadioModelAt(int rig);
// First position whose model name equals name exactly, or 0.
int RadioPositionOf(const QString& model);
// Position of a brand in BrandNames, or -1.
int BrandIndexOf(const QString& brand);
// A brand's models in list order (empty for an unknown brand).
QStringList ModelsOfBrand(int brand);
// The model offered when the selected radio is of another brand.
QString DefaultModelOfBrand(int brand);
