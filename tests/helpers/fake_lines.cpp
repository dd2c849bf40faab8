// Preloaded into rigctld (LD_PRELOAD) by the tests of the README's Hamlib
// recipes: a pseudo-terminal has no RTS/DTR lines and no CM108 sits on the
// test machine, so their ioctls are answered here. The line states go to the
// file named by KELDO_LINES_LOG, one "RTS=r DTR=d" line per change; with
// KELDO_FAKE_CM108 set, any file passes for a CM108's HID device.
//
// No <sys/ioctl.h>: it declares ioctl() differently from this definition.
#include <asm/ioctls.h>
#include <asm/termios.h>
#include <linux/hidraw.h>

#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
int lines = 0;

void logLines()
{
    const char* path = std::getenv("KELDO_LINES_LOG");
    if (!path)
        return;
    if (FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "RTS=%d DTR=%d\n", (lines & TIOCM_RTS) ? 1 : 0, (lines & TIOCM_DTR) ? 1 : 0);
        std::fclose(f);
    }
}
} // namespace

extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list ap;
    va_start(ap, request);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    using Real = int (*)(int, unsigned long, void*);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "ioctl"));

    switch (request) {
    case TIOCMGET:
        *static_cast<int*>(arg) = lines;
        return 0;
    case TIOCMBIS:
        lines |= *static_cast<int*>(arg);
        logLines();
        return 0;
    case TIOCMBIC:
        lines &= ~*static_cast<int*>(arg);
        logLines();
        return 0;
    case TIOCMSET:
        lines = *static_cast<int*>(arg);
        logLines();
        return 0;
    default:
        break;
    }
    if (request == HIDIOCGRAWINFO && std::getenv("KELDO_FAKE_CM108")) {
        auto* info = static_cast<hidraw_devinfo*>(arg);
        info->bustype = 3; // USB
        info->vendor = 0x0d8c; // C-Media CM108
        info->product = 0x000c;
        return 0;
    }
    return real(fd, request, arg);
}
