#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorCore/FileNode.hpp"
#include "TandorCore/IcicleCell.hpp"

namespace tandor {

// Lays a folder tree out as an icicle diagram: row 0 is the root at full width,
// each row below splits a bar among its children by allocated size, largest
// first; children narrower than minimumFraction are gathered into one
// "Smaller items" bar at the end of their parent's span.
struct IcicleLayout {
    // "/", NUL, "smaller": appended to a folder's path it forms the id of the
    // folder's smaller-items cell.
    static const std::string smallerItemsSuffix;

    // maxDepth below 0 becomes 0; a negative or NaN minimumFraction becomes 0.0.
    IcicleLayout(int maxDepth, double minimumFraction);

    int maxDepth;
    double minimumFraction;

    // The cells in pre-order: a node, its placed children's subtrees from left
    // to right, then its smaller-items cell.
    std::vector<IcicleCell> cells(const FileNode& root) const;

    // The first cell on row depth with start <= x < end.
    static std::optional<IcicleCell> hit(const std::vector<IcicleCell>& cells, double x, int depth);

    // The nodes from root down to path, following child names; stops at the
    // first missing component.
    static std::vector<FileNodePtr> chain(const FileNodePtr& root, std::string_view path);
};

}  // namespace tandor
