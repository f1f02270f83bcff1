#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>

namespace tandor {

// One frame of the sorting tutorial's three demonstrations, drawn from the
// clock alone: a card rising into a folder (a 2.2 s loop), two folders
// bobbing, and the three fates lit in turn (1.4 s each).
class SortingTutorialFrame : public QObject {
    Q_OBJECT
    QML_ELEMENT

    // Seconds; with reduced motion the view holds it at stillTime.
    Q_PROPERTY(double time READ time WRITE setTime NOTIFY timeChanged)
    // The rising card: its phase in the loop, eased progress, then how it is
    // drawn.
    Q_PROPERTY(double phase READ phase NOTIFY timeChanged)
    Q_PROPERTY(double eased READ eased NOTIFY timeChanged)
    Q_PROPERTY(double cardOffset READ cardOffset NOTIFY timeChanged)
    Q_PROPERTY(double cardScale READ cardScale NOTIFY timeChanged)
    Q_PROPERTY(double cardOpacity READ cardOpacity NOTIFY timeChanged)
    Q_PROPERTY(double folderScale READ folderScale NOTIFY timeChanged)
    // The two folders' vertical offsets.
    Q_PROPERTY(double firstBob READ firstBob NOTIFY timeChanged)
    Q_PROPERTY(double secondBob READ secondBob NOTIFY timeChanged)
    // The lit fate (0 stays, 1 moves on, 2 to the pile) and its bar's width.
    Q_PROPERTY(int activeFate READ activeFate NOTIFY timeChanged)
    Q_PROPERTY(double barWidth READ barWidth NOTIFY timeChanged)

  public:
    static constexpr double stillTime = 1.2;

    explicit SortingTutorialFrame(QObject* parent = nullptr);

    double time() const { return time_; }
    void setTime(double time);
    // The still frame of reduced motion.
    Q_INVOKABLE void holdStill() { setTime(stillTime); }

    double phase() const;
    double eased() const;
    double cardOffset() const;
    double cardScale() const;
    double cardOpacity() const;
    double folderScale() const;
    double firstBob() const;
    double secondBob() const;
    int activeFate() const;
    double barWidth() const;

  signals:
    void timeChanged();

  private:
    double progress() const;

    double time_ = stillTime;
};

}  // namespace tandor
