#include "Sorting/DialogFolderChooser.hpp"

#include <QDir>
#include <QFile>
#include <QJSEngine>

namespace tandor {

DialogFolderChooser::DialogFolderChooser(QObject* parent) : QObject(parent) {
    // The sorting model owns it; QML only borrows it.
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
}

void DialogFolderChooser::choose(const QString& prompt, Done done) {
    answer(std::nullopt);
    prompt_ = prompt;
    done_ = std::move(done);
    emit requested();
}

QUrl DialogFolderChooser::startFolder() const {
    return lastFolder_.isEmpty() ? QUrl::fromLocalFile(QDir::homePath()) : lastFolder_;
}

void DialogFolderChooser::accept(const QUrl& folder) {
    if (!folder.isLocalFile()) {
        answer(std::nullopt);
        return;
    }
    lastFolder_ = folder;
    answer(QFile::encodeName(folder.toLocalFile()).toStdString());
}

void DialogFolderChooser::cancel() {
    answer(std::nullopt);
}

void DialogFolderChooser::answer(std::optional<std::string> path) {
    // Taken out first: done may ask for the next folder at once.
    Done done = std::move(done_);
    done_ = nullptr;
    if (done) {
        done(std::move(path));
    }
}

}  // namespace tandor
