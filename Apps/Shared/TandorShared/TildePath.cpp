#include "TandorShared/TildePath.hpp"

namespace tandor::ui {

std::string tildePath(std::string_view path, std::string_view home) {
    while (home.size() > 1 && home.ends_with('/')) {
        home.remove_suffix(1);
    }
    if (home.empty() || home == "/" || !path.starts_with(home)) {
        return std::string(path);
    }
    const std::string_view rest = path.substr(home.size());
    if (rest.empty()) {
        return "~";
    }
    if (!rest.starts_with('/')) {
        return std::string(path);
    }
    return "~" + std::string(rest);
}

}  // namespace tandor::ui
