#pragma once

#include <cstdint>
#include <string>

namespace tandor {

// One bar of the disk map, in unit coordinates: a node, or the "Smaller items"
// of a folder gathered into one bar.
struct IcicleCell {
    struct Kind {
        bool isSmallerItems = false;
        // The number of children that got no cell of their own; 0 for a node.
        std::int64_t count = 0;

        static Kind node() { return {}; }
        static Kind smallerItems(std::int64_t count) { return {true, count}; }

        friend bool operator==(const Kind&, const Kind&) = default;
    };

    // The node's path; a smaller-items cell's id is its folder's path followed
    // by IcicleLayout::smallerItemsSuffix and so never equals a path. Holds a NUL
    // character: keep it a std::string, never a C string.
    std::string id;
    std::string path;
    std::string name;
    int depth = 0;
    double start = 0.0;
    double length = 0.0;
    std::int64_t bytes = 0;
    bool isDirectory = false;
    bool canOpen = false;
    // Which child of the root the cell descends from (0 for the largest), or -1.
    int branch = -1;
    Kind kind;

    double end() const { return start + length; }

    friend bool operator==(const IcicleCell&, const IcicleCell&) = default;
};

}  // namespace tandor

template <>
struct std::hash<tandor::IcicleCell> {
    std::size_t operator()(const tandor::IcicleCell& cell) const noexcept;
};
