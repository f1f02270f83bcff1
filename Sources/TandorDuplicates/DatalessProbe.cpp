#include "TandorDuplicates/DatalessProbe.hpp"

namespace tandor {

DatalessProbe standardDatalessProbe() {
    return [](const std::string&) { return false; };
}

}  // namespace tandor
