#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <optional>

class QPaintDevice;

// Label lines as measured, cut and laid out for one font: a repaint of a
// system whose labels did not change measures and lays out no text again,
// which is most of what drawing text costs.
class LabelTextCache {
public:
    struct Line {
        QString text;  // cut with an ellipsis when wider than the limit
        double width = 0;
        QStaticText laidOut;
    };

    // The font and device the next lines are for; lines kept for another
    // font or pixel density are forgotten.
    void Use(const QFont& font, const QPaintDevice* device, double maxWidth);
    const Line& Get(const QString& line);
    const QFontMetricsF& Metrics() const { return *metrics_; }

private:
    // More distinct lines than any system holds; past it the cache starts again.
    static constexpr qsizetype MaxLines = 4096;

    QFont font_;
    double ratio_ = 0;
    int dpi_ = 0;
    double maxWidth_ = 0;
    std::optional<QFontMetricsF> metrics_;
    QHash<QString, Line> lines_;
};
