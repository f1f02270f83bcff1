#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string_view>

// The two ways text from the engines reaches the screen.
namespace tandor::ui {

// A path or file name (raw bytes) for display only: the bytes themselves stay
// in C++ and never come back from this text.
inline QString displayPath(std::string_view bytes) {
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Text the engines wrote in UTF-8 (titles, messages, error sentences).
inline QString fromEngine(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace tandor::ui
