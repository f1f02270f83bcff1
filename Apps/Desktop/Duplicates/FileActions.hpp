#pragma once

#include <functional>
#include <string>

namespace tandor {

// What the Duplicates lists do with one file outside the application; tests
// put recorders in their place.
struct FileActions {
    using Action = std::function<void(const std::string& path)>;

    // Shows the file selected in the file manager.
    Action reveal;
    // Opens the file with its default application.
    Action open;

    static FileActions standard();
};

}  // namespace tandor
