#include "TandorDuplicates/SimilarPhoto.hpp"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

std::optional<float> decodeScore(const nlohmann::json& object) {
    if (decode::isAbsent(object, "qualityScore")) {
        return std::nullopt;
    }
    const auto& value = object.at("qualityScore");
    if (!value.is_number()) {
        throw DecodingError("qualityScore is not a number");
    }
    const auto number = value.get<double>();
    if (!std::isfinite(number) || std::fabs(number) > std::numeric_limits<float>::max()) {
        throw DecodingError("qualityScore is out of range");
    }
    return static_cast<float>(number);
}

}  // namespace

const Date SimilarPhoto::distantPast =
    std::chrono::sys_days{std::chrono::year{1700} / std::chrono::January / 1};

std::int64_t SimilarPhoto::pixelCount() const {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(pixelWidth, pixelHeight, &product)) {
        return (pixelWidth < 0) == (pixelHeight < 0) ? std::numeric_limits<std::int64_t>::max()
                                                     : std::numeric_limits<std::int64_t>::min();
    }
    return product;
}

std::string SimilarPhoto::name() const {
    return paths::lastComponent(path);
}

void to_json(nlohmann::json& value, const SimilarPhoto& photo) {
    value = nlohmann::json{{"path", pathToJSON(photo.path)},
                           {"bytes", photo.bytes},
                           {"captureDate", iso8601String(photo.captureDate)},
                           {"pixelWidth", photo.pixelWidth},
                           {"pixelHeight", photo.pixelHeight}};
    if (photo.qualityScore) {
        value["qualityScore"] = *photo.qualityScore;
    }
}

void from_json(const nlohmann::json& value, SimilarPhoto& photo) {
    const auto& object = decode::requireObject(value, "SimilarPhoto");
    photo = SimilarPhoto{pathFromJSON(decode::requireKey(object, "path")),
                         decode::requireInt64(object, "bytes"),
                         decode::requireDate(object, "captureDate"),
                         decode::requireInt64(object, "pixelWidth"),
                         decode::requireInt64(object, "pixelHeight"),
                         decodeScore(object)};
}

}  // namespace tandor

std::size_t std::hash<tandor::SimilarPhoto>::operator()(
    const tandor::SimilarPhoto& photo) const noexcept {
    return tandor::HashCombiner{}
        .add(photo.path)
        .add(photo.bytes)
        .add(photo.captureDate)
        .add(photo.pixelWidth)
        .add(photo.pixelHeight)
        .add(photo.qualityScore)
        .value();
}
