#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandor {

// One part of what the system reports as System Data, with its own English
// texts and how much of it could be measured.
struct SystemDataItem {
    enum class Kind {
        snapshots,
        purgeable,
        swap,
        logs,
        temporary,
        deviceBackups,
        deviceUpdates,
        developer,
        virtualMachines,
    };

    // How much of the part could be measured.
    class Measurement {
      public:
        enum class Case { measured, partial, notMeasurable };

        // The whole part was measured.
        static Measurement measured(std::int64_t bytes);
        // Only bytes could be read; unreadableFolders folders inside could not.
        static Measurement partial(std::int64_t bytes, std::int64_t unreadableFolders);
        // Applications cannot measure this part.
        static Measurement notMeasurable();

        Case kind() const { return case_; }
        // The bytes of measured and partial; absent for notMeasurable.
        std::optional<std::int64_t> bytes() const;
        // Non-zero only for partial.
        std::int64_t unreadableFolders() const { return unreadableFolders_; }

        friend bool operator==(const Measurement&, const Measurement&) = default;

      private:
        Measurement(Case kind, std::int64_t bytes, std::int64_t unreadableFolders)
            : case_(kind), bytes_(bytes), unreadableFolders_(unreadableFolders) {}

        Case case_;
        std::int64_t bytes_;
        std::int64_t unreadableFolders_;
    };

    Kind kind = Kind::snapshots;
    std::string title;
    std::string explanation;
    std::string advice;
    bool handledByMacOS = false;
    // The folders found and measured for the item, in measuring order.
    std::vector<std::string> paths;
    Measurement measurement = Measurement::notMeasurable();
    // The number of entries the item stands for when it is counted, not measured.
    std::optional<std::int64_t> count;
    // Further lines shown under the item.
    std::vector<std::string> details;

    // The identity used by lists: the raw value of kind (a report holds one item per kind).
    std::string id() const;

    friend bool operator==(const SystemDataItem&, const SystemDataItem&) = default;
};

inline constexpr std::array allSystemDataItemKinds{
    SystemDataItem::Kind::snapshots,
    SystemDataItem::Kind::purgeable,
    SystemDataItem::Kind::swap,
    SystemDataItem::Kind::logs,
    SystemDataItem::Kind::temporary,
    SystemDataItem::Kind::deviceBackups,
    SystemDataItem::Kind::deviceUpdates,
    SystemDataItem::Kind::developer,
    SystemDataItem::Kind::virtualMachines,
};

std::string_view rawValue(SystemDataItem::Kind kind);
// Only an exact, case-sensitive raw value gives a kind.
std::optional<SystemDataItem::Kind> systemDataItemKindFromRawValue(std::string_view raw);

// JSON: keys are the field names, "count" left out when absent; the kind as its
// raw value; a measurement as an object with exactly one case-name key
// ({"measured": {"_0": n}}, {"partial": {"_0": n, "unreadableFolders": k}},
// {"notMeasurable": {}}). Decoding throws DecodingError.
void to_json(nlohmann::json& value, SystemDataItem::Kind kind);
void from_json(const nlohmann::json& value, SystemDataItem::Kind& kind);
void to_json(nlohmann::json& value, const SystemDataItem::Measurement& measurement);
void to_json(nlohmann::json& value, const SystemDataItem& item);
void from_json(const nlohmann::json& value, SystemDataItem& item);

}  // namespace tandor

// Measurement has no empty state, so it is decoded by value.
template <>
struct nlohmann::adl_serializer<tandor::SystemDataItem::Measurement> {
    static tandor::SystemDataItem::Measurement from_json(const nlohmann::json& value);
    static void to_json(nlohmann::json& value,
                        const tandor::SystemDataItem::Measurement& measurement) {
        tandor::to_json(value, measurement);
    }
};
