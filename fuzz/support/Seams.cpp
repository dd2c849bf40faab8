// The targets link only the sources they exercise. These stand in for the
// few functions those sources call on paths no target takes: reaching one
// means a target strayed, so it aborts.

#include "app/MessageBox.h"

#include <cstdio>
#include <cstdlib>

void MessageBox::show(QWidget*, const QString&, Icon, const QString&)
{
    std::fprintf(stderr, "fuzz target reached MessageBox::show, which it does not link\n");
    std::abort();
}
