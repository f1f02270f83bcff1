#pragma once

#include <string>

namespace tandor {

// The user's home folder: $HOME when it is an absolute path, else the password
// database's entry for this user.
std::string homeFolderPath();

// Where every store keeps its file: ${XDG_DATA_HOME:-$HOME/.local/share}/Tandor.
// An XDG_DATA_HOME that is empty or relative is ignored, as the XDG rules say.
// One function, used by the application and by the assistant server alike.
std::string supportFolderPath();

}  // namespace tandor
