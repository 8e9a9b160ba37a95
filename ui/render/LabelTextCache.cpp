#include "ui/render/LabelTextCache.h"

#include <QPaintDevice>

void LabelTextCache::Use(const QFont& font, const QPaintDevice* device, double maxWidth) {
    const double ratio = device ? device->devicePixelRatioF() : 1.0;
    const int dpi = device ? device->logicalDpiY() : 0;
    if (metrics_ && font == font_ && ratio == ratio_ && dpi == dpi_ && maxWidth == maxWidth_) return;
    font_ = font;
    ratio_ = ratio;
    dpi_ = dpi;
    maxWidth_ = maxWidth;
    metrics_.emplace(font, device);
    lines_.clear();
}

const LabelTextCache::Line& LabelTextCache::Get(const QString& line) {
    if (auto found = lines_.constFind(line); found != lines_.constEnd()) return *found;
    if (lines_.size() >= MaxLines) lines_.clear();
    Line laid;
    laid.text = metrics_->elidedText(line, Qt::ElideRight, maxWidth_);
    laid.width = metrics_->horizontalAdvance(laid.text);
    // Names are shown as typed, never read as markup.
    laid.laidOut.setTextFormat(Qt::PlainText);
    laid.laidOut.setText(laid.text);
    return *lines_.insert(line, std::move(laid));
}
