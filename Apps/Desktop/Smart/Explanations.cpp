#include "Smart/Explanations.hpp"

#include "TandorSmart/OnDeviceModelExplainer.hpp"
#include "TandorSmart/TemplateExplainer.hpp"

namespace tandor::Explanations {

std::shared_ptr<ExplanationService> service() {
    static const auto shared =
        std::make_shared<ExplanationService>(std::vector<std::shared_ptr<const Explainer>>{
            std::make_shared<OnDeviceModelExplainer>(), std::make_shared<TemplateExplainer>()});
    return shared;
}

}  // namespace tandor::Explanations
