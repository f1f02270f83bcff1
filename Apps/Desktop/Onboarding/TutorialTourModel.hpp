#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <optional>

namespace tandor {

// The page state of one tour (TutorialTour.qml makes one per tour, so each
// showing starts at the first page): which page shows, the direction of the
// last change, and the footer's buttons. The tour only reports that it
// ended; where it is shown decides what that means.
class TutorialTourModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(int page READ page NOTIFY pageChanged)
    // True when the last change went to a later page.
    Q_PROPERTY(bool forward READ forward NOTIFY pageChanged)
    Q_PROPERTY(int count READ count CONSTANT)
    // The English texts of the footer's buttons (shown translated).
    Q_PROPERTY(QString leadingButton READ leadingButton NOTIFY pageChanged)
    Q_PROPERTY(QString mainButton READ mainButton NOTIFY pageChanged)

  public:
    explicit TutorialTourModel(QObject* parent = nullptr);

    int page() const { return page_; }
    bool forward() const { return forward_; }
    static int count();
    QString leadingButton() const;
    QString mainButton() const;

    Q_INVOKABLE void pressLeading();
    Q_INVOKABLE void pressMain();
    // Qt::Key_Left or Qt::Key_Right; true when the key is the tour's (it is
    // consumed even when it changes nothing).
    Q_INVOKABLE bool pressKey(int key);

  signals:
    void pageChanged();
    // "Skip" or "Get Started" was pressed.
    void done();

  private:
    void goOrFinish(std::optional<int> target);
    void go(int target);

    int page_ = 0;
    bool forward_ = true;
};

}  // namespace tandor
