// The window on a 1366 x 768 laptop screen, and maps that stay readable.
#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <random>
#include <set>

#include "EditorFixture.h"
#include "ui/MapView.h"

namespace {

// Whether a widget is shown and lies wholly inside the window.
bool Reachable(const QWidget& window, const QWidget& widget) {
    if (!widget.isVisible() || widget.width() <= 0 || widget.height() <= 0) return false;
    const QRect inWindow(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    return window.rect().contains(inWindow);
}

}  // namespace

class WindowLayoutTest : public EditorFixture {
protected:
    void ShowAt(QSize size) {
        window.resize(size);
        window.show();
        QApplication::processEvents();
    }
};

TEST_F(WindowLayoutTest, FitsA1366By768ScreenWithEverythingReachable) {
    const QSize minimum = window.minimumSizeHint();
    EXPECT_LE(minimum.width(), 1280);
    EXPECT_LE(minimum.height(), 720);
    window.FitToScreen(QRect(0, 0, 1366, 768));
    EXPECT_LE(window.width(), 1366);
    EXPECT_LE(window.height(), 740);
    ShowAt(window.size());
    for (const char* name : {"cmdNew", "CmdLoad", "cmdMap1", "cmdMap0", "cmdRandom", "cmdExit", "cmdChange"})
        EXPECT_TRUE(Reachable(window, *window.findChild<QPushButton*>(name))) << name;
    for (const char* name : {"F", "TxtMapLoad", "TxtFileName", "TxtMapSave", "cmbType", "ChkHideNamesG",
                             "ChkHideNamesS", "PicUniverseMap", "PicMap", "lblPaths"})
        EXPECT_TRUE(Reachable(window, *window.findChild<QWidget*>(name))) << name;
    // Both maps are larger than their old fixed pictures would allow here.
    EXPECT_GT(window.GalaxyView()->Scale(), 1.2);
    EXPECT_GT(window.SystemMapView()->Scale(), 0.75);
}

TEST_F(WindowLayoutTest, LongNamesAndTextsNeverResizeTheWindow) {
    ShowAt(QSize(1366, 740));
    const QSize before = window.size(), minimum = window.minimumSizeHint();
    const std::string longName(130, 'N');
    const SystemRef system = AddSystem(longName, 12, 12);
    system->Description = std::string(200, 'D');
    window.DrawSystems();
    SelectSystem(system);
    QApplication::processEvents();
    EXPECT_EQ(Label("lblSystem").toStdString(), longName);
    EXPECT_EQ(window.size(), before);
    EXPECT_EQ(window.minimumSizeHint(), minimum);
}

TEST_F(WindowLayoutTest, ViewsScaleWithTheWindowAndZoom) {
    ShowAt(QSize(1366, 740));
    MapView* map = window.SystemMapView();
    const double fitted = map->Scale();
    ShowAt(QSize(1920, 1040));
    EXPECT_GT(map->Scale(), fitted);
    map->ZoomIn();
    map->ZoomIn();
    EXPECT_NEAR(map->Zoom(), 1.5625, 1e-9);
    // A picture point stays where the pointer is while zooming by wheel.
    const QPointF anchor(200, 150), under = map->ToPicture(anchor);
    map->SetZoom(3.0, anchor);
    const QPointF now = map->ToPicture(anchor);
    EXPECT_NEAR(now.x(), under.x(), 1.0);
    EXPECT_NEAR(now.y(), under.y(), 1.0);
    window.ZoomToFit();  // the view worked in last
    EXPECT_DOUBLE_EQ(map->Zoom(), 1.0);
}

// A press anywhere inside a drawn hexagon of the zoomed view selects that
// sector, through the same mapping the mouse events use.
TEST_F(WindowLayoutTest, PressesOnAScaledMapLandInTheHexagonUnderThePointer) {
    const SystemRef system = AddSystem("Home", 5, 5);
    ShowAt(QSize(1366, 740));
    SelectSystem(system);
    MapView* map = window.SystemMapView();
    map->SetZoom(1.7);
    for (const auto& [X, Y] : {std::pair{0, 0}, {3, -2}, {-13, -2}, {13, 0}, {-2, 10}, {5, -10}}) {
        map->ShowPicturePoint(QPointF(SectorPixel(X, Y).first, SectorPixel(X, Y).second));
        const LabelPoint label = SectorToPixel(X, -Y);
        // Near the lower-left sloped edge, inside the hexagon.
        const QPointF inside = map->ToViewport(QPointF(label.x - 32 + 5, label.y + 22));
        const QPointF picture = map->ToPicture(inside);
        window.SystemMapPress(1, picture.x(), picture.y());
        window.SystemMapRelease(1, picture.x(), picture.y());
        EXPECT_EQ(Label("LblXS"), QString::number(X));
        EXPECT_EQ(Label("lblYS"), QString::number(Y));
    }
}

TEST_F(WindowLayoutTest, NoTwoGalaxyLabelsOverlapOnA200SystemMap) {
    std::mt19937 random(13);
    std::set<std::pair<int, int>> used;
    std::vector<SystemRef> systems;
    while (systems.size() < 200) {
        const int X = static_cast<int>(random() % 68), Y = static_cast<int>(random() % 50);
        if (!used.insert({X, Y}).second) continue;
        systems.push_back(AddSystem("Star System " + std::to_string(systems.size()), X, Y));
    }
    for (std::size_t i = 0; i + 1 < systems.size(); i += 3) {
        SpaceObjectRef warp = AddObject(systems[i], "WARP", 0, 0, FirstOrdinal("Warp"));
        warp->destSystem = systems[i + 1];
    }
    ShowAt(QSize(1366, 740));
    window.DrawSystems();
    SelectSystem(systems[0]);
    const double scale = window.GalaxyView()->Scale();
    const std::vector<PlacedLabel>& labels = window.GalaxyPicture().Labels(scale, window.GalaxyOptions());
    ASSERT_GT(labels.size(), 30u);
    for (std::size_t a = 0; a < labels.size(); ++a)
        for (std::size_t b = a + 1; b < labels.size(); ++b)
            ASSERT_FALSE(labels[a].rect.intersects(labels[b].rect)) << a << " and " << b;
    // The selected system and its warp neighbour are named first.
    EXPECT_EQ(labels[0].system, 0u);
    EXPECT_EQ(labels[1].system, 1u);
}

// The captions and numbers under the maps stand side by side.
TEST_F(WindowLayoutTest, CellAndSectorReadoutsDoNotOverlapTheirCaptions) {
    ShowAt(QSize(1366, 740));
    const SystemRef system = AddSystem("Home", 67, 49);
    SelectSystem(system);
    window.SystemMapMove(SectorPixel(-13, -2).first, SectorPixel(-13, -2).second);
    QApplication::processEvents();
    for (const auto& [readoutName, labels] : {std::pair{"LblXS", 10}, {"LblXG", 4}}) {
        QList<QLabel*> row;
        QWidget* readout = window.findChild<QWidget*>(readoutName);
        for (QObject* child : readout->parentWidget()->children()) {
            auto* label = qobject_cast<QLabel*>(child);
            if (label && label->isVisible() && std::abs(label->y() - readout->y()) < 4) row << label;
        }
        ASSERT_GE(row.size(), labels) << readoutName;
        std::sort(row.begin(), row.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        for (qsizetype i = 0; i + 1 < row.size(); ++i)
            EXPECT_LE(row[i]->x() + row[i]->fontMetrics().horizontalAdvance(row[i]->text()), row[i + 1]->x())
                << row[i]->text().toStdString() << " runs into " << row[i + 1]->text().toStdString();
    }
}
