#pragma once

#include <QFont>
#include <QRectF>
#include <QStaticText>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct GalaxySystemMark;

// A name placed on the galaxy picture: the system (its index in the
// painter's list) and the text's rectangle in pixels of the scaled picture.
struct PlacedLabel {
    std::size_t system = 0;
    QRectF rect;
};

// Places the system names so that no two overlap, the more important first
// (the selected system, then its warp neighbours, then the best connected);
// a name with no free place beside its disc is left out. Texts are laid out
// once per name and scale and the placement is kept until the scale, the
// selection or the map changes, so a repaint costs only the drawing.
class GalaxyLabels {
public:
    void Reset(std::size_t systemCount);
    const std::vector<PlacedLabel>& Layout(const std::vector<GalaxySystemMark>& systems, double scale,
                                           std::int32_t selected, QSizeF bounds);
    const QStaticText& Text(const std::vector<GalaxySystemMark>& systems, std::size_t index, double scale);

    // Names grow with the scale up to half as large again.
    static QFont Font(double scale);
    static double FontScale(double scale);

private:
    void PrepareTexts(const std::vector<GalaxySystemMark>& systems, double scale);

    // Per system, its laid-out name in byName_; null until first needed.
    std::vector<const QStaticText*> texts_;
    double textScale_ = -1;
    // Laid-out names by text, kept across changes of the map: after an edit
    // almost every name is one laid out before.
    // Node-based, so the pointers above survive its growth.
    std::unordered_map<QString, QStaticText> byName_;
    std::vector<PlacedLabel> placed_;
    double placedScale_ = -1;
    std::int32_t placedSelection_ = 0;
    QSizeF placedBounds_;
};
