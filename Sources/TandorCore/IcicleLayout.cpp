#include "TandorCore/IcicleLayout.hpp"

#include <algorithm>
#include <cmath>

#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

struct Placement {
    int depth;
    double start;
    double length;
    int branch;
};

class CellBuilder {
  public:
    CellBuilder(const IcicleLayout& layout, std::vector<IcicleCell>& cells)
        : layout_(layout), cells_(cells) {}

    void place(const FileNode& node, const Placement& at) {
        cells_.push_back({node.path(), node.path(), node.name(), at.depth, at.start, at.length,
                          node.allocatedSize(), node.isDirectory(),
                          node.isDirectory() && !node.children().empty(), at.branch,
                          IcicleCell::Kind::node()});
        if (at.depth >= layout_.maxDepth || !node.isDirectory() || node.allocatedSize() <= 0) {
            return;
        }
        placeChildren(node, at);
    }

  private:
    void placeChildren(const FileNode& node, const Placement& at) {
        const double total = static_cast<double>(node.allocatedSize());
        double cursor = at.start;
        std::int64_t placedBytes = 0;
        std::int64_t skippedCount = 0;
        std::int64_t skippedBytes = 0;
        const auto sorted = node.childrenBySize();
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            const FileNode& child = *sorted[i];
            const double width = static_cast<double>(child.allocatedSize()) * at.length / total;
            if (layout_.minimumFraction > width || child.allocatedSize() <= 0) {
                ++skippedCount;
                skippedBytes = saturatingAdd(skippedBytes, child.allocatedSize());
                continue;
            }
            const int branch = at.depth == 0 ? static_cast<int>(i) : at.branch;
            place(child, {at.depth + 1, cursor, width, branch});
            placedBytes = saturatingAdd(placedBytes, child.allocatedSize());
            cursor += width;
        }
        const std::int64_t rest = std::max(node.allocatedSize() - placedBytes, skippedBytes);
        if (rest <= 0) {
            return;
        }
        const double proportional = static_cast<double>(rest) * at.length / total;
        const double length = std::max(std::min(proportional, at.start + at.length - cursor), 0.0);
        cells_.push_back({node.path() + IcicleLayout::smallerItemsSuffix, node.path(),
                          "Smaller items", at.depth + 1, cursor, length, rest, false, false,
                          at.depth == 0 ? -1 : at.branch,
                          IcicleCell::Kind::smallerItems(skippedCount)});
    }

    const IcicleLayout& layout_;
    std::vector<IcicleCell>& cells_;
};

}  // namespace

const std::string IcicleLayout::smallerItemsSuffix{"/\0smaller", 9};

IcicleLayout::IcicleLayout(int maxDepth, double minimumFraction)
    : maxDepth(std::max(maxDepth, 0)),
      minimumFraction(minimumFraction >= 0.0 ? minimumFraction : 0.0) {
}

std::vector<IcicleCell> IcicleLayout::cells(const FileNode& root) const {
    std::vector<IcicleCell> cells;
    CellBuilder(*this, cells).place(root, {0, 0.0, 1.0, -1});
    return cells;
}

std::optional<IcicleCell> IcicleLayout::hit(const std::vector<IcicleCell>& cells, double x,
                                            int depth) {
    const auto found = std::find_if(cells.begin(), cells.end(), [&](const IcicleCell& cell) {
        return cell.depth == depth && cell.start <= x && x < cell.start + cell.length;
    });
    if (found == cells.end()) {
        return std::nullopt;
    }
    return *found;
}

std::vector<FileNodePtr> IcicleLayout::chain(const FileNodePtr& root, std::string_view path) {
    std::vector<FileNodePtr> nodes{root};
    std::string prefix = FileNode::normalize(root->path());
    if (!prefix.ends_with('/')) {
        prefix += '/';
    }
    const std::string target = FileNode::normalize(path);
    if (!target.starts_with(prefix)) {
        return nodes;
    }
    for (const auto piece : paths::components(std::string_view(target).substr(prefix.size()))) {
        const auto& children = nodes.back()->children();
        const auto found =
            std::find_if(children.begin(), children.end(),
                         [piece](const auto& child) { return child->name() == piece; });
        if (found == children.end()) {
            break;
        }
        nodes.push_back(*found);
    }
    return nodes;
}

}  // namespace tandor

std::size_t std::hash<tandor::IcicleCell>::operator()(
    const tandor::IcicleCell& cell) const noexcept {
    return tandor::HashCombiner()
        .add(cell.id)
        .add(cell.path)
        .add(cell.name)
        .add(cell.depth)
        .add(cell.start)
        .add(cell.length)
        .add(cell.bytes)
        .add(cell.isDirectory)
        .add(cell.canOpen)
        .add(cell.branch)
        .add(cell.kind.isSmallerItems)
        .add(cell.kind.count)
        .value();
}
