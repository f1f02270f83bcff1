# The first launch: the onboarding flow with its disk-access and ready pages,
# and the tutorial tour that it and the Help menu's sheet show.
list(APPEND TANDOR_UI_SOURCES
  Onboarding/OnboardingFlow.hpp
  Onboarding/OnboardingFlow.cpp
  Onboarding/OnboardingModel.hpp
  Onboarding/OnboardingModel.cpp
  Onboarding/TourGeometry.hpp
  Onboarding/TourGeometry.cpp
  Onboarding/TutorialTour.hpp
  Onboarding/TutorialTour.cpp
  Onboarding/TutorialTourModel.hpp
  Onboarding/TutorialTourModel.cpp
)
list(APPEND TANDOR_UI_QML
  Onboarding/FirstLaunchGate.qml
  Onboarding/OnboardingView.qml
  Onboarding/AccessPage.qml
  Onboarding/ReadyPage.qml
  Onboarding/FittingPage.qml
  Onboarding/TutorialTour.qml
  Onboarding/TutorialSheet.qml
  Onboarding/OnboardingPage.qml
  Onboarding/FindsDemo.qml
  Onboarding/SwipeDemo.qml
  Onboarding/SafeDemo.qml
)
