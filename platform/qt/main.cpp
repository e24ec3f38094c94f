// Entry point of the real program: until the window lands, it builds the
// whole system and says so.
#include <cstdio>

int main()
{
    std::puts("Tervan is built; its window is not there yet.");
    return 0;
}
