#pragma once

#include <string>
#include <string_view>

namespace tandor::ui {

// The path with the home folder written as "~": the home folder itself gives
// "~", a path inside it "~/" and the rest. Only whole components count, so
// "/home/ann2" stays as it is for the home "/home/ann". A home of "/" or ""
// abbreviates nothing. Bytes in, bytes out: for display only.
std::string tildePath(std::string_view path, std::string_view home);

}  // namespace tandor::ui
