#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <string>

namespace tandor::AppIcon {

// Real icon files stay well below this; anything larger is not read.
constexpr std::int64_t maximumFileSize = 16 * 1024 * 1024;

// The file in "Contents/Resources" that CFBundleIconFile names: the name as
// given when it ends in ".icns", else with ".icns" added.
std::string resourceName(const std::string& iconFile);

// The bundle's icon, its largest picture scaled down to fit box (kept whole
// when box is empty); a null image when the file is missing, escapes the
// bundle (a ".." in its name or a link leading out), is not a regular file,
// is larger than maximumFileSize or cannot be decoded. Any thread; reading
// an ".icns" needs Qt's ICNS image plugin.
QImage read(const std::string& bundlePath, const std::string& iconFile, QSize box);

// The picture of the image file at an absolute path (an icon a desktop entry
// names), scaled down as read does; a null image when it is not absolute, is
// not a regular file, is larger than maximumFileSize or cannot be decoded.
QImage readFile(const std::string& path, QSize box);

}  // namespace tandor::AppIcon
