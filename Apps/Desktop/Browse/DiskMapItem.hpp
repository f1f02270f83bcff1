#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QPointer>
#include <QQuickPaintedItem>
#include <optional>

#include "TandorCore/IcicleCell.hpp"

namespace tandor {

class BrowseState;

// Paints the browser's icicle cells as rows of rounded bars, one row per depth,
// the focus on top; reports hover and clicks to the BrowseState, and asks for
// an item's menu on a right click.
class DiskMapItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tandor::BrowseState* browse READ browse WRITE setBrowse NOTIFY browseChanged)
    // The outline of the highlighted bar and the labels' names.
    Q_PROPERTY(QColor primaryColor READ primaryColor WRITE setPrimaryColor NOTIFY colorsChanged)
    // The labels' sizes.
    Q_PROPERTY(
        QColor secondaryColor READ secondaryColor WRITE setSecondaryColor NOTIFY colorsChanged)

  public:
    explicit DiskMapItem(QQuickItem* parent = nullptr);

    BrowseState* browse() const { return browse_; }
    void setBrowse(BrowseState* browse);
    QColor primaryColor() const { return primary_; }
    void setPrimaryColor(const QColor& colour);
    QColor secondaryColor() const { return secondary_; }
    void setSecondaryColor(const QColor& colour);

    void paint(QPainter* painter) override;
    // The cell under a point of the item, as the pointer finds it.
    std::optional<IcicleCell> cellAt(QPointF point) const;

  signals:
    void browseChanged();
    void colorsChanged();
    // A right click on the cell at this index of the browser's cells, one
    // that stands for an item.
    void menuRequested(int cell);

  protected:
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    double currentRowHeight() const;

    QPointer<BrowseState> browse_;
    QColor primary_{Qt::black};
    QColor secondary_{Qt::darkGray};
};

}  // namespace tandor
