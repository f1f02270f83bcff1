#include "Results/ResultsText.hpp"

#include <QVariantList>
#include <cmath>

#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::results {

QString displayPath(const std::string& path) {
    return ui::displayPath(path);
}

QString displayName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos || (slash + 1 == path.size() && path.size() == 1)) {
        return displayPath(path);
    }
    return displayPath(path.substr(slash + 1));
}

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

QString engineText(std::string_view english) {
    return ui::Texts::localized(ui::fromEngine(english));
}

QString uiText(const char* key, const QVariantList& args) {
    return ui::Texts::tr(QString::fromUtf8(key), args);
}

std::optional<std::int64_t> sharePercent(std::int64_t part, std::int64_t whole) {
    if (whole <= 0) {
        return std::nullopt;
    }
    // llround rounds halves away from zero.
    return std::llround(static_cast<double>(part) / static_cast<double>(whole) * 100.0);
}

}  // namespace tandor::results
