#pragma once

#include <QString>
#include <exception>
#include <optional>
#include <string>

#include "TandorReview/SortingStore.hpp"

namespace tandor::SortingText {

// "Could not save the list of sorting folders: %@" with the save's error.
QString couldNotSave(const std::string& error);

// What to say when an operation threw error: why nothing moved when the move
// could not be recorded first or the item at a moved path is another, with
// paths shown with home as "~"; else the error's own sentence.
QString failure(const std::exception& error, const std::string& home);

// Why the link at path (shown with home as "~") is not taken as a folder: it
// names target, the folder the link leads to, when it leads to one.
QString linkRefused(const std::string& path, const std::optional<std::string>& target,
                    const std::string& home);

// What finishing the folder named name did: what moved on and what failed,
// else what waits on the pile, else what moved on, else that the folder stays;
// then why moving on stopped, if moves could not be recorded, and the save's
// error, if the list could not be saved. Moves that happened are said even
// when others failed.
QString finishMessage(const SortingStore::FinishResult& result, const std::string& name);

}  // namespace tandor::SortingText
