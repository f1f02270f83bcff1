#pragma once

#include <functional>
#include <string>

namespace tandor {

// Tells whether a file's content lives only in the cloud, so that reading it
// would download it. Linux file systems keep no such files: the standard probe
// answers false. Tests pass their own.
using DatalessProbe = std::function<bool(const std::string& path)>;

DatalessProbe standardDatalessProbe();

}  // namespace tandor
