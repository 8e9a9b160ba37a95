#pragma once

#include <QLabel>

// A label that never widens its window: a text longer than the space it is
// given is cut with an ellipsis, and the whole text is in its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString& text = {}, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // Whether the text is cut at the label's current width.
    bool Elided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QStringList ShownLines() const;
};
