#pragma once

#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tandor::results {

// A byte path for display only; the bytes themselves stay in C++.
QString displayPath(const std::string& path);
// The last component of a path, for display.
QString displayName(const std::string& path);
// The byte count as the engine formats it.
QString bytesText(std::int64_t bytes);
// An English text an engine built at run time, in the current language
// (a direct translation, else a translated template, else unchanged).
QString engineText(std::string_view english);
// A fixed key of this program's own, translated and filled in.
QString uiText(const char* key, const QVariantList& args = {});

// The share of part in whole as a whole percentage, halves away from zero;
// none when whole is not positive.
std::optional<std::int64_t> sharePercent(std::int64_t part, std::int64_t whole);

}  // namespace tandor::results
