#pragma once

#include <QString>
#include <string>

namespace tandor::FileManagerReveal {

// The file URI of a path, percent-encoding its bytes as they are, so that a
// name that is not UTF-8 still names the same file.
QString fileUri(const std::string& path);
// The folder holding path; "/" for a top-level item and for "/" itself.
std::string parentFolder(const std::string& path);
// Asks the desktop's file manager to show the item selected in its folder
// (org.freedesktop.FileManager1.ShowItems over the session bus); when no file
// manager answers, opens the folder holding it. Never runs a shell.
void reveal(const std::string& path);

}  // namespace tandor::FileManagerReveal
