#include "ui/MapView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double MaxZoom = 8.0;
constexpr double ZoomStep = 1.25;

}  // namespace

int MouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

MapView::MapView(QSize pictureSize, QWidget* parent) : QAbstractScrollArea(parent), pictureSize_(pictureSize) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
}

QSize MapView::sizeHint() const { return pictureSize_; }
QSize MapView::minimumSizeHint() const { return pictureSize_ / 2; }

double MapView::FitScale() const {
    const QSize area = viewport()->size();
    const double fit = std::min(area.width() / double(pictureSize_.width()), area.height() / double(pictureSize_.height()));
    return std::max(fit, 0.25);
}

double MapView::Scale() const { return FitScale() * zoom_; }

QSize MapView::ScaledSize() const {
    const double scale = Scale();
    return {static_cast<int>(std::lround(pictureSize_.width() * scale)),
            static_cast<int>(std::lround(pictureSize_.height() * scale))};
}

// Centred while it fits, scrolled when it does not.
QPoint MapView::Origin() const {
    const QSize scaled = ScaledSize(), area = viewport()->size();
    const int x = scaled.width() <= area.width() ? (area.width() - scaled.width()) / 2 : -horizontalScrollBar()->value();
    const int y = scaled.height() <= area.height() ? (area.height() - scaled.height()) / 2 : -verticalScrollBar()->value();
    return {x, y};
}

QPointF MapView::ToPicture(QPointF viewportPoint) const { return (viewportPoint - QPointF(Origin())) / Scale(); }
QPointF MapView::ToViewport(QPointF picturePoint) const { return picturePoint * Scale() + QPointF(Origin()); }

void MapView::UpdateScrollBars() {
    const QSize scaled = ScaledSize(), area = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, scaled.width() - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, scaled.height() - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setPageStep(area.height());
    horizontalScrollBar()->setSingleStep(24);
    verticalScrollBar()->setSingleStep(24);
}

void MapView::Refresh() {
    cacheScale_ = 0;
    viewport()->update();
}

void MapView::SetZoom(double zoom, QPointF anchor) {
    zoom = std::clamp(zoom, 1.0, MaxZoom);
    const QPointF fixed = ToPicture(anchor);
    zoom_ = zoom;
    UpdateScrollBars();
    // Keep the picture point under the anchor where it was.
    const QPointF moved = fixed * Scale() - anchor;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(moved.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(moved.y())));
    Refresh();
    emit activated();
}

void MapView::SetZoom(double zoom) { SetZoom(zoom, QPointF(viewport()->rect().center())); }
void MapView::ZoomIn() { SetZoom(zoom_ * ZoomStep); }
void MapView::ZoomOut() { SetZoom(zoom_ / ZoomStep); }

void MapView::ShowPicturePoint(QPointF picturePoint) {
    const QPointF at = picturePoint * Scale();
    const QSize area = viewport()->size();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(at.x() - area.width() / 2.0)));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(at.y() - area.height() / 2.0)));
}

void MapView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    Refresh();
}

void MapView::scrollContentsBy(int, int) { viewport()->update(); }

void MapView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    const double scale = Scale();
    const double ratio = devicePixelRatioF();
    if (cacheScale_ != scale || cache_.devicePixelRatio() != ratio) {
        const QSize scaled = ScaledSize();
        cache_ = QImage(scaled * ratio, QImage::Format_RGB32);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::black);
        if (paint_ && isEnabled()) {
            QPainter picture(&cache_);
            paint_(picture, scale);
        }
        cacheScale_ = scale;
    }
    const QPoint origin = Origin();
    painter.drawImage(origin, cache_);
    if (overlay_) {
        painter.translate(origin);
        overlay_(painter, scale);
    }
}

void MapView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) Refresh();
}

bool MapView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) emit left();
    if (event->type() == QEvent::ToolTip && tip_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = tip_(ToPicture(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void MapView::mousePressEvent(QMouseEvent* event) {
    afterDoubleClick_ = false;
    emit activated();
    if (event->button() == Qt::MiddleButton && (horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0)) {
        panning_ = true;
        panFrom_ = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    const QPointF at = ToPicture(event->position());
    emit pressed(MouseButtonNumber(event->button()), at.x(), at.y());
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (panning_ && event->button() == Qt::MiddleButton) {
        panning_ = false;
        viewport()->unsetCursor();
        return;
    }
    const QPointF at = ToPicture(event->position());
    emit released(MouseButtonNumber(event->button()), at.x(), at.y());
    // The release that ends a double-click is not another click.
    const QRectF picture(QPointF(0, 0), QSizeF(pictureSize_));
    if (!afterDoubleClick_ && picture.contains(at)) emit clicked();
    afterDoubleClick_ = false;
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPoint now = event->position().toPoint(), delta = now - panFrom_;
        panFrom_ = now;
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
        return;
    }
    const QPointF at = ToPicture(event->position());
    emit moved(at.x(), at.y());
}

void MapView::mouseDoubleClickEvent(QMouseEvent*) {
    afterDoubleClick_ = true;
    emit doubleClicked();
}

void MapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QAbstractScrollArea::wheelEvent(event);
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) SetZoom(zoom_ * std::pow(ZoomStep, steps), event->position());
    event->accept();
}
