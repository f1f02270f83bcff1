#pragma once

#include <QString>
#include <cstdint>

#include "TandorCore/Date.hpp"

namespace tandor::DuplicatesText {

// A byte count as the engines write it; shown as it is, never translated.
QString bytes(std::int64_t count);
// Year, abbreviated month and day in the interface's locale.
QString day(Date date);
// The same with the hour and minute.
QString dayAndTime(Date date);

}  // namespace tandor::DuplicatesText
