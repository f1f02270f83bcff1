#pragma once

#include <string>
#include <string_view>

namespace tandor {

// The user's home folder: $HOME when it is an absolute path, else the password
// database's entry for this user.
std::string homeFolderPath();

// ${XDG_DATA_HOME:-$HOME/.local/share}, the folder of the user's program data
// (Tandor's support folder, the home Trash). An XDG_DATA_HOME that is empty or
// relative is ignored, as the XDG rules say.
std::string dataHomePath();

// The freedesktop.org home Trash of a user whose home folder is home:
// ${XDG_DATA_HOME:-home/.local/share}/Trash, normalised. Computed only.
std::string trashFolderPath(std::string_view home);

// Where every store keeps its file: dataHomePath()/Tandor. One function, used
// by the application and by the assistant server alike.
std::string supportFolderPath();

}  // namespace tandor
