#include <cstdio>

int main() {
    std::fprintf(stderr,
                 "Tandor %s: the window and the --mcp assistant server are not built yet; "
                 "only the engine and its tests exist so far.\n",
                 TANDOR_VERSION);
    return 2;
}
