#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface of fixed size that shows a prepared image and reports
// mouse events with the button numbering of the editor's handlers (1 left,
// 2 right, 4 middle) and pixel positions as reals.
class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(QSize size, QWidget* parent = nullptr);

    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }

signals:
    void pressed(int button, double x, double y);
    void released(int button, double x, double y);
    void moved(double x, double y);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool afterDoubleClick_ = false;
};

int MouseButtonNumber(Qt::MouseButton button);
