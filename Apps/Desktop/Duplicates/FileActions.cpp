#include "Duplicates/FileActions.hpp"

#include <QDesktopServices>
#include <QUrl>

#include "Support/FileManagerReveal.hpp"

namespace tandor {

FileActions FileActions::standard() {
    return {
        &FileManagerReveal::reveal,
        [](const std::string& path) {
            QDesktopServices::openUrl(QUrl(FileManagerReveal::fileUri(path)));
        },
    };
}

}  // namespace tandor
