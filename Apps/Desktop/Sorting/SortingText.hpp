#pragma once

#include <QString>
#include <string>

#include "TandorReview/SortingStore.hpp"

namespace tandor::SortingText {

// "Could not save the list of sorting folders: %@" with the save's error.
QString couldNotSave(const std::string& error);

// What finishing the folder named name did: what moved on and what failed,
// else what waits on the pile, else what moved on, else that the folder stays;
// then the save's error, if the list could not be saved. Moves that happened
// are said even when others failed.
QString finishMessage(const SortingStore::FinishResult& result, const std::string& name);

}  // namespace tandor::SortingText
