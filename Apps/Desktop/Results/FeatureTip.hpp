#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

namespace tandor {

// A one-time hint next to the control it explains. It is shown until the
// user closes it once; the closing is remembered in the settings under
// "tips/<identifier>/dismissed", so it stays closed across launches.
class FeatureTip : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(Tip tip READ tip WRITE setTip NOTIFY tipChanged)
    Q_PROPERTY(QString identifier READ identifier NOTIFY tipChanged)
    Q_PROPERTY(QString title READ title NOTIFY tipChanged)
    Q_PROPERTY(QString message READ message NOTIFY tipChanged)
    // The icon name of the tip, from the shared icon set.
    Q_PROPERTY(QString image READ image NOTIFY tipChanged)
    Q_PROPERTY(bool dismissed READ dismissed NOTIFY dismissedChanged)

  public:
    enum class Tip { Pile, SwipeKeys };
    Q_ENUM(Tip)

    explicit FeatureTip(QObject* parent = nullptr);

    Tip tip() const { return tip_; }
    void setTip(Tip tip);
    QString identifier() const;
    QString title() const;
    QString message() const;
    QString image() const;
    bool dismissed() const { return dismissed_; }

    // Closes the tip for good.
    Q_INVOKABLE void close();

  signals:
    void tipChanged();
    void dismissedChanged();

  private:
    QString settingsKey() const;
    void reload();

    Tip tip_ = Tip::Pile;
    bool dismissed_ = false;
};

}  // namespace tandor
