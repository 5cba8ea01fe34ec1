// The as4100 command (skeleton; the command-line program arrives with the app).
#include <cstdio>

int main() {
    std::puts("as4100: not built yet");
    return 0;
}
