#include <cstdio>

int main()
{
    std::puts("Tavrel: the main window is not built yet.");
    return 0;
}
