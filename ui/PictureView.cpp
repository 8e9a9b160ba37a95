#include "ui/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

int MouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

PictureView::PictureView(QSize size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::black);
}

void PictureView::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, image_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    afterDoubleClick_ = false;
    emit pressed(MouseButtonNumber(event->button()), event->position().x(), event->position().y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(MouseButtonNumber(event->button()), event->position().x(), event->position().y());
    // The release that ends a double-click is not another click.
    if (!afterDoubleClick_ && rect().contains(event->position().toPoint())) emit clicked();
    afterDoubleClick_ = false;
}

void PictureView::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().x(), event->position().y()); }

void PictureView::mouseDoubleClickEvent(QMouseEvent*) {
    afterDoubleClick_ = true;
    emit doubleClicked();
}
