#include "PttDriver.h"

#include "KeyingState.h"
#include "KeyingTrace.h"
#include "RigctldLinks.h"

void PttDriver::describeTo(KeyingTraceLine& line) const
{
    line.field("driver", DriverName(m_method));
}

std::optional<SerialLine::Parameters> PttDriver::portParameters(QString*) const
{
    return std::nullopt;
}

void PttDriver::keepOnlyOwnLink(RigctldLinks& links) const
{
    links.release();
}
