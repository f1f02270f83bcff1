#pragma once

#include <memory>

#include "TandorSmart/ExplanationService.hpp"

// The one explanation service of the process: the on-device model (which
// this build does not have, so it is never available), then the templates.
// Its cache serves every card for the life of the process.
namespace tandor::Explanations {

std::shared_ptr<ExplanationService> service();

}  // namespace tandor::Explanations
