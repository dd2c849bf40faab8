// Stands in for a modem program: does nothing until it is ended.
#include <unistd.h>

int main()
{
    for (;;)
        pause();
}
