#pragma once

#include <string>
#include <string_view>

// Recognises AppImages and the name their file suggests.
namespace tandor::AppImageFile {

// Whether path is itself a regular file (a symbolic link is not) that begins
// like a type 2 AppImage: an ELF header whose bytes 8 to 10 are "AI" and 2.
// Reads those first 11 bytes only; a file that cannot be read is not one.
bool isAppImage(const std::string& path);

// The application's name in an AppImage's file name: without a final
// ".AppImage" (any letter case), and cut at the first "-", "_" or blank
// (never the first character) followed by a version (a digit, or "v" and a
// digit), an architecture (such as x86_64, amd64, aarch64) or "linux".
// "Editor-1.2.3-x86_64.AppImage" gives "Editor". The whole file name when
// nothing would be left.
std::string nameFromFileName(std::string_view fileName);

}  // namespace tandor::AppImageFile
