#include "Onboarding/TutorialTourModel.hpp"

#include "Onboarding/TutorialTour.hpp"

namespace tandor {

TutorialTourModel::TutorialTourModel(QObject* parent) : QObject(parent) {
}

int TutorialTourModel::count() {
    return TutorialTour::count;
}

QString TutorialTourModel::leadingButton() const {
    return QString::fromUtf8(TutorialTour::rawValue(TutorialTour::leadingButton(page_)));
}

QString TutorialTourModel::mainButton() const {
    return QString::fromUtf8(TutorialTour::rawValue(TutorialTour::mainButton(page_)));
}

void TutorialTourModel::pressLeading() {
    goOrFinish(TutorialTour::pageAfter(page_, TutorialTour::leadingButton(page_)));
}

void TutorialTourModel::pressMain() {
    goOrFinish(TutorialTour::pageAfter(page_, TutorialTour::mainButton(page_)));
}

bool TutorialTourModel::pressKey(int key) {
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        return false;
    }
    const auto arrow = key == Qt::Key_Left ? TutorialTour::Key::left : TutorialTour::Key::right;
    if (const auto target = TutorialTour::pageAfterKey(page_, arrow)) {
        go(*target);
    }
    return true;
}

void TutorialTourModel::goOrFinish(std::optional<int> target) {
    if (target) {
        go(*target);
    } else {
        emit done();
    }
}

void TutorialTourModel::go(int target) {
    forward_ = page_ < target;
    page_ = target;
    emit pageChanged();
}

}  // namespace tandor
