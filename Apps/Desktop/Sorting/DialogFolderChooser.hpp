#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QUrl>

#include "Sorting/FolderChooser.hpp"

namespace tandor {

// The application's folder chooser: each request is shown by the folder dialog
// of FolderChooserDialog.qml, which answers through accept or cancel.
class DialogFolderChooser : public QObject, public FolderChooser {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The sorting model owns its folder chooser.")

    // The title of the dialog's accepting button for the open request.
    Q_PROPERTY(QString prompt READ prompt NOTIFY requested)
    // Where the dialog opens: the folder chosen last, else the home folder.
    Q_PROPERTY(QUrl startFolder READ startFolder NOTIFY requested)

  public:
    explicit DialogFolderChooser(QObject* parent = nullptr);

    void choose(const QString& prompt, Done done) override;
    QString prompt() const { return prompt_; }
    QUrl startFolder() const;

    // The folder the user chose; its path is taken from the URL's bytes.
    Q_INVOKABLE void accept(const QUrl& folder);
    Q_INVOKABLE void cancel();

  signals:
    // A request waits for the dialog.
    void requested();

  private:
    void answer(std::optional<std::string> path);

    QString prompt_;
    Done done_;
    QUrl lastFolder_;
};

}  // namespace tandor
