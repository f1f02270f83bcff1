#pragma once

#include <string>

namespace tandor {

// The user's home folder: $HOME when it is an absolute path, else the password
// database's entry for this user.
std::string homeFolderPath();

// ${XDG_DATA_HOME:-$HOME/.local/share}, the folder of the user's program data
// (Tandor's support folder, the home Trash). An XDG_DATA_HOME that is empty or
// relative is ignored, as the XDG rules say.
std::string dataHomePath();

// Where every store keeps its file: dataHomePath()/Tandor. One function, used
// by the application and by the assistant server alike.
std::string supportFolderPath();

}  // namespace tandor
