#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>

// A map picture that fills the space it is given and scales with it, keeping
// its proportions; zooms in and out (Ctrl+wheel, or the window's zoom
// commands) and scrolls or pans (middle button) when zoomed in. It draws
// through a painting function at the current scale, keeps the result until
// Refresh, and reports mouse events in pixels of the unscaled picture (as
// reals) with the editor's button numbering (1 left, 2 right, 4 middle).
class MapView : public QAbstractScrollArea {
    Q_OBJECT
public:
    using PaintFunction = std::function<void(QPainter& painter, double scale)>;
    using TipFunction = std::function<QString(QPointF picturePoint)>;

    MapView(QSize pictureSize, QWidget* parent = nullptr);

    void SetPaint(PaintFunction paint) { paint_ = std::move(paint); Refresh(); }
    // Drawn over the picture on every repaint (markers), at the scale.
    void SetOverlay(PaintFunction overlay) { overlay_ = std::move(overlay); }
    void SetTip(TipFunction tip) { tip_ = std::move(tip); }
    // The picture changed: draw it again.
    void Refresh();

    double Scale() const;
    double Zoom() const { return zoom_; }
    // Zoom factor over the fitted size, 1 (fit) to 8; keeps the picture point
    // under `anchor` (viewport pixels) in place.
    void SetZoom(double zoom, QPointF anchor);
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();
    void Fit() { SetZoom(1.0); }

    // Viewport pixel <-> unscaled picture pixel.
    QPointF ToPicture(QPointF viewportPoint) const;
    QPointF ToViewport(QPointF picturePoint) const;
    // Scrolls so that a picture point is visible.
    void ShowPicturePoint(QPointF picturePoint);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pressed(int button, double x, double y);
    void released(int button, double x, double y);
    void moved(double x, double y);
    void clicked();
    void doubleClicked();
    void activated();  // the user pressed or zoomed this view
    void left();       // the pointer left the view

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    double FitScale() const;
    QSize ScaledSize() const;
    QPoint Origin() const;  // viewport position of the picture's top-left corner
    void UpdateScrollBars();

    QSize pictureSize_;
    PaintFunction paint_;
    PaintFunction overlay_;
    TipFunction tip_;
    QImage cache_;
    double cacheScale_ = 0;
    double zoom_ = 1.0;
    bool afterDoubleClick_ = false;
    bool panning_ = false;
    QPoint panFrom_;
};

int MouseButtonNumber(Qt::MouseButton button);
