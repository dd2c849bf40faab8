#pragma once

#include <QByteArray>
#include <QString>

// A driver's own lines of the keying state file (KeyingState.h): each
// keying method writes and reads its part, the file only frames entries.

// Writes "key=value" lines; '%' and control bytes are escaped so that a
// value stays on its line.
class KeyingStateOut
{
public:
    explicit KeyingStateOut(QByteArray& out)
        : m_out(out)
    { }

    void field(const char* key, const QString& value);
    void field(const char* key, int value);

private:
    QByteArray& m_out;
};

// One line of an entry, for its driver to take. A bad value marks the whole
// entry broken: it is passed over.
struct KeyingStateIn
{
    QByteArray key;
    QByteArray value; // decoded
    bool broken = false;

    QString text() const { return QString::fromUtf8(value); }
    // Leaves `to` alone and marks the entry broken outside [low, high].
    void number(int& to, int low, int high);
};
