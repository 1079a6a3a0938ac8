// The one platform-specific question of the companion: is standard error a terminal?
#ifdef _WIN32
#include <io.h>
#include <stdio.h>
bool Stderristerminal() {
    return _isatty(_fileno(stderr)) != 0;
}
#else
#include <unistd.h>
bool Stderristerminal() {
    return isatty(2) != 0;
}
#endif
