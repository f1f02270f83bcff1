#include "Onboarding/TourGeometry.hpp"

#include <algorithm>
#include <array>

namespace tandor {
namespace TourLayout {
namespace {

// The title, the subtitle, the spacing between them and the least room above.
constexpr double textRoom = 230.0;
constexpr double smallestSide = 110.0;
constexpr double swipeDistance = 150.0;

}  // namespace

double artSide(double height, double bottomRoom) {
    return std::min(std::max(height - textRoom - bottomRoom, smallestSide), designSide);
}

SwipePose swipePose(int step) {
    constexpr std::array<double, 4> offsets = {0.0, -swipeDistance, 0.0, swipeDistance};
    const int pose = ((step % 4) + 4) % 4;
    const double offset = offsets[static_cast<std::size_t>(pose)];
    return {offset, offset / 12.0, offset == 0.0 ? 1.0 : 0.6, pose == 1 ? 1.25 : 1.0,
            pose == 3 ? 1.25 : 1.0};
}

}  // namespace TourLayout

TourGeometry::TourGeometry(QObject* parent) : QObject(parent) {
}

double TourGeometry::artSide(double height, double bottomRoom) {
    return TourLayout::artSide(height, bottomRoom);
}

QVariantMap TourGeometry::swipePose(int step) {
    const TourLayout::SwipePose pose = TourLayout::swipePose(step);
    return {{QStringLiteral("offset"), pose.offset},
            {QStringLiteral("rotation"), pose.rotation},
            {QStringLiteral("opacity"), pose.opacity},
            {QStringLiteral("trashScale"), pose.trashScale},
            {QStringLiteral("heartScale"), pose.heartScale}};
}

}  // namespace tandor
