#include "Sorting/SortingTutorialFrame.hpp"

#include <algorithm>
#include <cmath>

namespace tandor {
namespace {

constexpr double riseLoop = 2.2;
constexpr double fateStep = 1.4;

}  // namespace

SortingTutorialFrame::SortingTutorialFrame(QObject* parent) : QObject(parent) {
}

void SortingTutorialFrame::setTime(double time) {
    if (time_ != time) {
        time_ = time;
        emit timeChanged();
    }
}

double SortingTutorialFrame::phase() const {
    return std::fmod(time_, riseLoop) / riseLoop;
}

double SortingTutorialFrame::progress() const {
    return std::clamp((phase() - 0.15) / 0.55, 0.0, 1.0);
}

double SortingTutorialFrame::eased() const {
    const double p = progress();
    return p * p * (3 - 2 * p);
}

double SortingTutorialFrame::cardOffset() const {
    return 44 - 110 * eased();
}

double SortingTutorialFrame::cardScale() const {
    return 1 - 0.6 * eased();
}

double SortingTutorialFrame::cardOpacity() const {
    return 1 - std::max(0.0, (phase() - 0.7) / 0.3);
}

double SortingTutorialFrame::folderScale() const {
    return progress() > 0.95 ? 1.08 : 1.0;
}

double SortingTutorialFrame::firstBob() const {
    return 4 * std::sin(2 * time_);
}

double SortingTutorialFrame::secondBob() const {
    return 4 * std::sin(2 * time_ + 1.6);
}

int SortingTutorialFrame::activeFate() const {
    return int(std::fmod(std::floor(time_ / fateStep), 3.0));
}

double SortingTutorialFrame::barWidth() const {
    return 20 + 30 * (std::fmod(time_, fateStep) / fateStep);
}

}  // namespace tandor
