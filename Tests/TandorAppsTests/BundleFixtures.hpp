#pragma once

#include <plist/plist.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <variant>

namespace tandor::testing {

// One value of a fixture property list: a text or a number.
using PlistValue = std::variant<std::string, std::uint64_t>;
using PlistKeys = std::map<std::string, PlistValue>;

inline void writeText(const std::string& path, const std::string& contents) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream file(path, std::ios::binary);
    file << contents;
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The keys as an XML or binary property list, written by the same library
// that reads them.
inline std::string propertyList(const PlistKeys& keys, bool binary) {
    const plist_t dictionary = plist_new_dict();
    for (const auto& [key, value] : keys) {
        plist_dict_set_item(dictionary, key.c_str(),
                            std::holds_alternative<std::string>(value)
                                ? plist_new_string(std::get<std::string>(value).c_str())
                                : plist_new_uint(std::get<std::uint64_t>(value)));
    }
    char* data = nullptr;
    std::uint32_t length = 0;
    binary ? plist_to_bin(dictionary, &data, &length) : plist_to_xml(dictionary, &data, &length);
    std::string text(data, length);
    binary ? plist_to_bin_free(data) : plist_to_xml_free(data);
    plist_free(dictionary);
    return text;
}

// A bundle folder at path with the keys in its Contents/Info.plist.
inline void makeBundle(const std::string& path, const PlistKeys& keys, bool binary = false) {
    writeText(path + "/Contents/Info.plist", propertyList(keys, binary));
}

inline void makeApp(const std::string& path, const std::string& bundleID, const std::string& name) {
    makeBundle(path, {{"CFBundleIdentifier", bundleID}, {"CFBundleName", name}});
}

}  // namespace tandor::testing
