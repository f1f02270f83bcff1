#include "Browse/DiskMapItem.hpp"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Browse/BrowseState.hpp"
#include "Browse/DiskMapGeometry.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

QRectF toQt(const diskmap::Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

QColor toQt(const diskmap::Rgba& colour) {
    return QColor::fromRgbF(static_cast<float>(colour.red), static_cast<float>(colour.green),
                            static_cast<float>(colour.blue), static_cast<float>(colour.alpha));
}

QString labelName(const IcicleCell& cell) {
    if (!cell.kind.isSmallerItems) {
        return ui::displayPath(cell.name);
    }
    if (cell.kind.count <= 0) {
        return ui::Texts::tr(QStringLiteral("Small files"));
    }
    return ui::Texts::tr(QStringLiteral("%lld smaller"), {qint64{cell.kind.count}});
}

}  // namespace

DiskMapItem::DiskMapItem(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
    setAntialiasing(true);
}

void DiskMapItem::setBrowse(BrowseState* browse) {
    if (browse == browse_) {
        return;
    }
    if (browse_ != nullptr) {
        disconnect(browse_, nullptr, this, nullptr);
    }
    browse_ = browse;
    if (browse != nullptr) {
        connect(browse, &BrowseState::cellsChanged, this, [this] { update(); });
        connect(browse, &BrowseState::hoveredChanged, this, [this] { update(); });
    }
    update();
    emit browseChanged();
}

void DiskMapItem::setPrimaryColor(const QColor& colour) {
    if (colour != primary_) {
        primary_ = colour;
        update();
        emit colorsChanged();
    }
}

void DiskMapItem::setSecondaryColor(const QColor& colour) {
    if (colour != secondary_) {
        secondary_ = colour;
        update();
        emit colorsChanged();
    }
}

double DiskMapItem::currentRowHeight() const {
    return browse_ != nullptr ? diskmap::rowHeight(height(), diskmap::rows(browse_->cells())) : 0;
}

std::optional<IcicleCell> DiskMapItem::cellAt(QPointF point) const {
    if (browse_ == nullptr) {
        return std::nullopt;
    }
    return diskmap::hitCell(browse_->cells(), point.x(), point.y(), width(), currentRowHeight());
}

void DiskMapItem::paint(QPainter* painter) {
    if (browse_ == nullptr) {
        return;
    }
    const double rowHeight = currentRowHeight();
    const auto& hovered = browse_->hovered();
    QFont nameFont = QGuiApplication::font();
    nameFont.setPixelSize(10);
    nameFont.setWeight(QFont::Medium);
    QFont sizeFont = nameFont;
    sizeFont.setWeight(QFont::Normal);
    const QFontMetricsF nameMetrics(nameFont);
    for (const auto& cell : browse_->cells()) {
        const auto bar = diskmap::cellRect(cell, width(), rowHeight);
        if (!diskmap::isDrawn(bar)) {
            continue;
        }
        QPainterPath shape;
        shape.addRoundedRect(toQt(diskmap::shapeRect(bar)), diskmap::cornerRadius,
                             diskmap::cornerRadius);
        painter->fillPath(shape, toQt(diskmap::fill(cell)));
        if (hovered == cell.id) {
            painter->strokePath(shape, QPen(primary_, 2));
        }
        if (!diskmap::hasLabel(bar, rowHeight)) {
            continue;
        }
        // Long labels are cut at the bar's edge.
        const QRectF clip = toQt(diskmap::labelRect(bar));
        painter->save();
        painter->setClipRect(clip);
        const QString name = labelName(cell) + QStringLiteral("  ");
        painter->setFont(nameFont);
        painter->setPen(primary_);
        painter->drawText(clip, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
        QRectF sizeArea = clip;
        sizeArea.setLeft(clip.left() + nameMetrics.horizontalAdvance(name));
        painter->setFont(sizeFont);
        painter->setPen(secondary_);
        painter->drawText(sizeArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          ui::Texts::byteCount(cell.bytes));
        painter->restore();
    }
}

void DiskMapItem::hoverEnterEvent(QHoverEvent* event) {
    hoverMoveEvent(event);
}

void DiskMapItem::hoverMoveEvent(QHoverEvent* event) {
    if (browse_ != nullptr) {
        browse_->hoverFromMap(cellAt(event->position()));
    }
}

void DiskMapItem::hoverLeaveEvent(QHoverEvent* /*event*/) {
    if (browse_ != nullptr) {
        browse_->hoverFromMap(std::nullopt);
    }
}

void DiskMapItem::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void DiskMapItem::mouseReleaseEvent(QMouseEvent* event) {
    if (browse_ == nullptr || !contains(event->position())) {
        return;
    }
    const auto cell = cellAt(event->position());
    if (!cell) {
        return;
    }
    if (event->button() != Qt::RightButton) {
        browse_->tap(*cell);
    } else if (!cell->kind.isSmallerItems) {
        const auto& cells = browse_->cells();
        emit menuRequested(
            static_cast<int>(std::find(cells.begin(), cells.end(), *cell) - cells.begin()));
    }
}

}  // namespace tandor
