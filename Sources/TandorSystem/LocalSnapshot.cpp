#include "TandorSystem/LocalSnapshot.hpp"

#include <nlohmann/json.hpp>

#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/PathJSON.hpp"

namespace tandor {

void to_json(nlohmann::json& value, const LocalSnapshot& snapshot) {
    value = {{"name", pathToJSON(snapshot.name)}};
    if (snapshot.date) {
        value["date"] = iso8601String(*snapshot.date);
    }
}

void from_json(const nlohmann::json& value, LocalSnapshot& snapshot) {
    decode::requireObject(value, "local snapshot");
    snapshot.name = decode::requireString(value, "name");
    snapshot.date = decode::optionalDate(value, "date");
}

}  // namespace tandor
