#include "ui/ElidedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QSize ElidedLabel::sizeHint() const {
    const QSize full = QLabel::sizeHint();
    return {std::min(full.width(), 240), full.height()};
}

QSize ElidedLabel::minimumSizeHint() const { return {fontMetrics().averageCharWidth() * 3, QLabel::minimumSizeHint().height()}; }

QStringList ElidedLabel::ShownLines() const {
    QStringList lines = text().split('\n');
    const int width = contentsRect().width();
    for (QString& line : lines) line = fontMetrics().elidedText(line, Qt::ElideRight, width);
    return lines;
}

bool ElidedLabel::Elided() const { return ShownLines().join('\n') != text(); }

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QStringList lines = ShownLines();
    const int lineHeight = fontMetrics().lineSpacing();
    const QRect area = contentsRect();
    int y = area.top() + std::max(0, (area.height() - lineHeight * static_cast<int>(lines.size())) / 2);
    for (const QString& line : lines) {
        style()->drawItemText(&painter, QRect(area.left(), y, area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              palette(), isEnabled(), line, foregroundRole());
        y += lineHeight;
    }
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (Elided())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
