#pragma once

#include "ptt/SerialPortList.h"

// Serial devices the test decides, so that no test sees the machine's own.
class FakePortEnumerator : public SerialPortEnumerator
{
public:
    QList<SerialDevice> list;
    QList<SerialDevice> devices() const override { return list; }
};
