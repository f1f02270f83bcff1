#include "TandorAssistant/AssistantLaunch.hpp"

#include <cstdio>
#include <cstdlib>

#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"

namespace tandor::AssistantLaunch {

bool isAllowed() {
    return AssistantSettings::load(AssistantSettings::defaultPath()).enabled;
}

void run() {
    if (!isAllowed()) {
        std::fputs(
            "Tandor: the AI assistant is off. Turn it on in Tandor under AI assistant, then "
            "start the assistant again.\n",
            stderr);
        std::exit(2);
    }
    TandorAssistant assistant(homeFolderPath(),
                              AssistantProposalStore(paths::join(AssistantSettings::folder(),
                                                                 "assistant-proposals.json")));
    assistant.server(TANDOR_VERSION, isAllowed).runStdio();
    std::exit(0);
}

}  // namespace tandor::AssistantLaunch
