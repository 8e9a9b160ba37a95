// The status bar tells where the pointer is and what the map holds, after
// every change; Find takes the user to a system by its name.
#include <QAction>
#include <QCompleter>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "EditorFixture.h"
#include "ui/MapStatus.h"
#include "ui/MapView.h"
#include "ui/SystemFinder.h"

TEST(MapStatusTexts, CountsNameAndPointer) {
    EXPECT_EQ(CountsText({1, 1, 1}), "1 system, 1 object, 1 warp point");
    EXPECT_EQ(CountsText({0, 12, 3}), "0 systems, 12 objects, 3 warp points");
    EXPECT_EQ(MapNameStatus(""), "Map: untitled");
    // A map name is a file name: its UTF-8 comes back as typed.
    EXPECT_EQ(MapNameStatus("Galáxia"), QString::fromUtf8("Map: Galáxia"));
    EXPECT_EQ(CellStatus(0, 49, {}), "Cell 0, 49");
    EXPECT_EQ(CellStatus(67, 0, "Sol"), "Cell 67, 0: Sol");
    EXPECT_EQ(SectorStatus(-13, -2, {}), "Sector -13, -2");
    EXPECT_EQ(SectorStatus(3, 4, "Planet Terra"), "Sector 3, 4: Planet Terra");
}

TEST(MapStatusTexts, GalaxyCellsRoundAsPressesDoAndStayOnTheGrid) {
    EXPECT_EQ(GalaxyCellOf(0, 68), 0);
    EXPECT_EQ(GalaxyCellOf(3.4, 68), 0);
    EXPECT_EQ(GalaxyCellOf(3.6, 68), 1);  // rounded to 4 first
    EXPECT_EQ(GalaxyCellOf(271, 68), 67);
    EXPECT_EQ(GalaxyCellOf(400, 68), 67);
    EXPECT_EQ(GalaxyCellOf(-9, 50), 0);
}

TEST(SystemFinderRules, WholeNameFirstThenTheOnlyOneContainingIt) {
    CUniverse universe;
    AddTestSystem(universe, "Alpha", 1, 1);
    AddTestSystem(universe, "Alpha Prime", 2, 2);
    AddTestSystem(universe, "  Betelgeuse ", 3, 3);
    AddTestSystem(universe, "Deneb", 4, 4);
    EXPECT_EQ(SystemNames(universe), (QStringList{"Alpha", "Alpha Prime", "Betelgeuse", "Deneb"}));
    // The whole name wins over longer names that contain it, in any case.
    EXPECT_EQ(FindSystemNamed(universe, " alpha ").system->name, "Alpha");
    EXPECT_EQ(FindSystemNamed(universe, "PRIME").system->name, "Alpha Prime");
    EXPECT_EQ(FindSystemNamed(universe, "geuse").system->X, 3);
    const FoundSystem several = FindSystemNamed(universe, "e");
    EXPECT_EQ(several.system, nullptr);
    EXPECT_EQ(several.message, "\"e\" is part of 3 system names: choose one from the list");
    const FoundSystem none = FindSystemNamed(universe, "Vega");
    EXPECT_EQ(none.system, nullptr);
    EXPECT_EQ(none.message, "No system named \"Vega\" in this map");
    EXPECT_EQ(FindSystemNamed(universe, "   ").system, nullptr);
}

class StatusBarTest : public EditorWindowTest {
protected:
    QString Status(const char* name) const { return Label(name); }
    QString Message() const { return window.statusBar()->currentMessage(); }
    QLineEdit* FindField() const { return window.findChild<QLineEdit*>("FindSystem"); }
};

TEST_F(StatusBarTest, CountsAndNameFollowEditsSavesAndLoads) {
    EXPECT_EQ(Status("countsStatus"), "2 systems, 0 objects, 0 warp points");
    EXPECT_EQ(Status("mapNameStatus"), "Map: untitled");
    Create(KindStar, 0, 0, StarDriver());
    EXPECT_EQ(Status("countsStatus"), "2 systems, 1 object, 0 warp points");
    // Undo and redo end where every edit ends.
    window.findChild<QAction*>("undo")->trigger();
    EXPECT_EQ(Status("countsStatus"), "2 systems, 0 objects, 0 warp points");
    window.findChild<QAction*>("redo")->trigger();
    EXPECT_EQ(Status("countsStatus"), "2 systems, 1 object, 0 warp points");
    // The warp and, as the user agrees, its way back from Beta.
    Create(KindWarpPoint, 6, 6, WarpDriver("Beta", 1, 1));
    EXPECT_EQ(Status("countsStatus"), "2 systems, 1 object, 2 warp points");
    // Warp points are counted again only when they come and go.
    window.findChild<QAction*>("undo")->trigger();
    EXPECT_EQ(Status("countsStatus"), "2 systems, 1 object, 0 warp points");
    window.findChild<QAction*>("redo")->trigger();
    EXPECT_EQ(Status("countsStatus"), "2 systems, 1 object, 2 warp points");
    Press(0, 0);
    window.RemoveCommand();
    EXPECT_EQ(Status("countsStatus"), "2 systems, 0 objects, 2 warp points");

    for (const SystemRef& system : window.Universe().Systems()) {
        CStellarBackground sky;
        sky.Set(3, 1, 6, data.SystemTypes.StellarBackgrounds().front());
        system->addStellarBackground(sky);
    }
    window.SaveUnder("status", 1);
    EXPECT_EQ(Status("mapNameStatus"), "Map: status");
    window.NewMapCommand();
    EXPECT_EQ(Status("countsStatus"), "0 systems, 0 objects, 0 warp points");
    EXPECT_EQ(Status("mapNameStatus"), "Map: untitled");
    window.LoadMapFile("status.txt");
    EXPECT_EQ(Status("countsStatus"), "2 systems, 0 objects, 2 warp points");
    EXPECT_EQ(Status("mapNameStatus"), "Map: status");
}

// On a laptop screen the counts are read whole beside a long map name.
TEST_F(StatusBarTest, CountsStayWholeInASmallWindow) {
    window.SetMapName(std::string(120, 'N'));
    window.resize(1366, 740);
    window.show();
    QApplication::processEvents();
    auto* counts = window.findChild<QLabel*>("countsStatus");
    ASSERT_TRUE(counts->isVisible());
    EXPECT_GE(counts->width(), counts->fontMetrics().horizontalAdvance(counts->text()));
    EXPECT_LE(counts->mapTo(&window, QPoint(counts->width(), 0)).x(), window.width());
    EXPECT_EQ(window.width(), 1366);
    // The long name is cut and leaves most of the bar to the pointer and to
    // passing messages.
    auto* name = window.findChild<QLabel*>("mapNameStatus");
    EXPECT_LT(name->width(), window.width() / 4);
    window.FindSystem("Vega");
    QApplication::processEvents();
    EXPECT_GT(name->mapTo(&window, QPoint(0, 0)).x(), window.width() / 2);
}

TEST_F(StatusBarTest, PointerShowsTheCellOrSectorUnderItAndClearsOnLeaving) {
    window.FindSystem("Vega");
    ASSERT_FALSE(Message().isEmpty());
    window.GalaxyMove(4 * 30 + 1, 4 * 20 + 3);
    EXPECT_EQ(Status("pointerStatus"), "Cell 30, 20: Beta");
    EXPECT_EQ(Message(), "");  // the pointer's place again
    window.GalaxyMove(4 * 31 + 2, 4 * 20 + 2);
    EXPECT_EQ(Status("pointerStatus"), "Cell 31, 20");
    window.GalaxyMove(-3, 10);  // beside the picture: no cell
    EXPECT_EQ(Status("pointerStatus"), "");

    Create(KindStar, 2, -3, StarDriver());
    const auto [px, py] = SectorPixel(2, -3);
    window.SystemMapMove(px, py);
    EXPECT_TRUE(Status("pointerStatus").startsWith("Sector 2, -3: STAR")) << Status("pointerStatus").toStdString();
    EXPECT_EQ(Label("CXsel"), "2");
    const auto [ex, ey] = SectorPixel(-4, 1);
    window.SystemMapMove(ex, ey);
    EXPECT_EQ(Status("pointerStatus"), "Sector -4, 1");
    window.SystemMapMove(5, 5);  // a corner of the field without a sector
    EXPECT_EQ(Status("pointerStatus"), "");

    window.SystemMapMove(ex, ey);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window.SystemMapView()->viewport(), &leave);
    EXPECT_EQ(Status("pointerStatus"), "");
}

TEST_F(StatusBarTest, FindSelectsTheSystemAndShowsItsMap) {
    const SystemRef far = AddSystem("Farpoint", 66, 48);
    window.DrawSystems();
    window.resize(1366, 740);
    window.show();
    QApplication::processEvents();
    MapView* galaxy = window.GalaxyView();
    galaxy->SetZoom(4.0, QPointF(0, 0));  // the top-left corner in view
    window.FindSystem("farp");
    EXPECT_EQ(Label("lblSystem"), "Farpoint");
    EXPECT_EQ(window.State().SelectedSystem, far->ID);
    EXPECT_TRUE(window.SystemMapEnabled());
    EXPECT_EQ(window.GalaxyMarkerCell(), QPoint(66, 48));
    EXPECT_EQ(Message(), "Found Farpoint");
    // The zoomed galaxy scrolled to it.
    const QPointF shown = galaxy->ToViewport(QPointF(66 * 4 + 2, 48 * 4 + 2));
    EXPECT_TRUE(QRectF(galaxy->viewport()->rect()).contains(shown)) << shown.x() << "," << shown.y();
}

TEST_F(StatusBarTest, AnUnknownOrUnclearNameChangesNothing) {
    const std::int32_t selected = window.State().SelectedSystem;
    window.FindSystem("Vega");
    EXPECT_EQ(Message(), "No system named \"Vega\" in this map");
    window.FindSystem("a");  // Alpha and Beta
    EXPECT_EQ(Message(), "\"a\" is part of 2 system names: choose one from the list");
    EXPECT_EQ(window.State().SelectedSystem, selected);
    EXPECT_EQ(Label("lblSystem"), "Alpha");
    EXPECT_EQ(window.GalaxyMarkerCell(), QPoint(10, 10));
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});  // no box to dismiss
}

TEST_F(StatusBarTest, TypingCompletesFromTheNamesOfTheMapNow) {
    AddSystem("Gamma Draconis", 40, 40);
    window.DrawSystems();
    window.show();
    FindField()->setFocus();
    QTest::keyClicks(FindField(), "DRA");
    QCompleter* completer = FindField()->completer();
    ASSERT_NE(completer, nullptr);
    EXPECT_EQ(completer->completionCount(), 1);
    EXPECT_EQ(completer->currentCompletion(), "Gamma Draconis");
    QTest::keyClick(FindField(), Qt::Key_Return);
    EXPECT_EQ(Label("lblSystem"), "Gamma Draconis");
    // A removed system is no longer offered.
    window.GalaxyPress(0, 4 * 40 + 2, 4 * 40 + 2);
    window.RemoveCommand();
    completer->setCompletionPrefix("dra");
    EXPECT_EQ(completer->completionCount(), 0);
}
