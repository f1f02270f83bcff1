#include <cstdio>
#include <string_view>

#include "TandorAssistant/AssistantLaunch.hpp"

int main(int argc, char** argv) {
    // The assistant mode is chosen before anything else is set up: it needs no
    // display and must run on a headless machine.
    for (int index = 1; index < argc; ++index) {
        if (std::string_view(argv[index]) == "--mcp") {
            tandor::AssistantLaunch::run();
        }
    }
    std::fprintf(stderr,
                 "Tandor %s: the window is not built yet. Start \"tandor --mcp\" for the AI "
                 "assistant server.\n",
                 TANDOR_VERSION);
    return 2;
}
