#include <QCoreApplication>
#include <cstdio>
#include <ctime>
#include <QElapsedTimer>
#include <QTest>
#include <QSettings>
#include <QTreeWidget>

#include "../core/TempFolder.h"
#include "EditorFixture.h"
#include "mapfile/MapProblems.h"
#include "ui/ProblemsPanel.h"

namespace {

class ProblemsPanelTest : public EditorWindowTest {
protected:
    QTreeWidget* List() { return window.Problems()->List(); }
    // The panel checks again once events run, as after a real edit.
    void Settle() { QCoreApplication::processEvents(); }
    int RowsMentioning(const QString& system, const QString& text) {
        int rows = 0;
        for (int i = 0; i < List()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = List()->topLevelItem(i);
            rows += item->text(1) == system && item->text(2).contains(text) ? 1 : 0;
        }
        return rows;
    }
    QTreeWidgetItem* RowMentioning(const QString& text) {
        for (int i = 0; i < List()->topLevelItemCount(); ++i)
            if (List()->topLevelItem(i)->text(2).contains(text)) return List()->topLevelItem(i);
        return nullptr;
    }
};

TEST_F(ProblemsPanelTest, AnEditIsFollowedByAFreshList) {
    Settle();
    EXPECT_EQ(RowsMentioning("Alpha", "holds no objects"), 1);
    EXPECT_EQ(RowsMentioning("Beta", "holds no objects"), 1);
    Create(KindStar, 0, 0, StarDriver());
    ASSERT_EQ(ObjectsOf(alpha).size(), 1u);
    Settle();
    EXPECT_EQ(RowsMentioning("Alpha", "holds no objects"), 0);
    EXPECT_EQ(RowsMentioning("Beta", "holds no objects"), 1);
    EXPECT_EQ(List()->topLevelItemCount(), static_cast<int>(window.Problems()->Problems().size()));
    EXPECT_EQ(window.Problems()->Problems().size(), window.CurrentProblems().size());
}

TEST_F(ProblemsPanelTest, ErrorsAreListedFirstWithTheCountsInTheTitle) {
    AddObject(beta, "PLANET", 20, 0, FirstOrdinal("Planet"));  // off the field
    window.DrawSystems();
    Settle();
    ASSERT_GT(List()->topLevelItemCount(), 1);
    EXPECT_EQ(List()->topLevelItem(0)->text(0), "Error");
    EXPECT_EQ(List()->topLevelItem(0)->text(1), "Beta");
    EXPECT_TRUE(window.Problems()->windowTitle().startsWith("Problems (1 error, ")) << ToBytes(window.Problems()->windowTitle());
}

TEST_F(ProblemsPanelTest, DoubleClickSelectsTheSystemAndTheObject) {
    const SpaceObjectRef planet = AddObject(beta, "PLANET", 3, -2, 99999);  // no such type
    planet->name = "Beta Odd";
    window.DrawSystems();
    Settle();
    EXPECT_EQ(window.State().SelectedSystem, alpha->ID);
    window.Problems()->show();
    window.show();  // the list needs a size for the pointer to land on a row
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTreeWidgetItem* row = RowMentioning("Beta Odd");
    ASSERT_NE(row, nullptr);
    List()->scrollToItem(row);
    const QPoint point = List()->visualItemRect(row).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(window.State().SelectedSystem, beta->ID);
    EXPECT_EQ(window.State().SelectedObject, planet->ID);
    EXPECT_EQ(Label("lblSystem"), "Beta");
    EXPECT_EQ(window.State().LastSector.X, 3);
    EXPECT_EQ(window.State().LastSector.Y, -2);

    // Selecting does not change the map: the list and its current row stay.
    Settle();
    EXPECT_EQ(List()->currentItem(), row);
    // A system's own problem selects just the system.
    QTreeWidgetItem* empty = RowMentioning("holds no objects");
    ASSERT_NE(empty, nullptr);
    ASSERT_EQ(empty->text(1), "Alpha");
    const QPoint emptyPoint = List()->visualItemRect(empty).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, emptyPoint);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, emptyPoint);
    EXPECT_EQ(window.State().SelectedSystem, alpha->ID);
    EXPECT_EQ(window.TypeText(), "System");  // the system is what is selected now
    EXPECT_EQ(Label("lblSystem"), "Alpha");
}

TEST_F(ProblemsPanelTest, GenerateWithErrorsAsksAndNoLeavesTheCompilerAlone) {
    AddObject(alpha, "WARP", 2, 2, FirstOrdinal("Warp"))->destSystem = NewDetachedSystem("Nowhere");
    window.Shared().MapName = "faulty";
    data.Config.MapCompilerPath = "NoCompilerHere";
    prompts.QueueAnswer(false);
    window.MapCommand(0);
    ASSERT_FALSE(prompts.Messages().empty());
    const std::string question = prompts.Messages().back();
    EXPECT_EQ(question.rfind("The map has 1 error, ", 0), 0u) << question;
    EXPECT_NE(question.find("Alpha: Warp Point at 2, 2 leads to \"Nowhere\""), std::string::npos) << question;
    EXPECT_NE(question.find("Generate the map anyway?"), std::string::npos);
    // Yes goes on to the compiler, which is missing here and says so.
    window.MapCommand(0);
    EXPECT_NE(prompts.Messages().back().find("NoCompilerHere"), std::string::npos) << prompts.Messages().back();
}

// Where the user left the panel (docked elsewhere, or floating) and whether
// it was open come back with the window's next start.
TEST_F(ProblemsPanelTest, ThePanelsPlaceAndVisibilityAreRemembered) {
    TempFolder folder;
    QSettings settings(QString::fromStdString((folder.Path() / "layout.ini").string()), QSettings::IniFormat);
    window.show();
    window.Problems()->show();
    window.addDockWidget(Qt::RightDockWidgetArea, window.Problems());
    window.SaveLayout(settings);
    {
        FMapEditor next(data, prompts, random);
        ASSERT_TRUE(next.Problems()->isHidden());
        ASSERT_EQ(next.dockWidgetArea(next.Problems()), Qt::BottomDockWidgetArea);
        next.RestoreLayout(settings);
        EXPECT_FALSE(next.Problems()->isHidden());
        EXPECT_EQ(next.dockWidgetArea(next.Problems()), Qt::RightDockWidgetArea);
        EXPECT_FALSE(next.Problems()->isFloating());
    }
    window.Problems()->setFloating(true);
    window.Problems()->setGeometry(200, 150, 420, 230);
    window.SaveLayout(settings);
    {
        FMapEditor next(data, prompts, random);
        next.RestoreLayout(settings);
        next.show();
        EXPECT_TRUE(next.Problems()->isFloating());
        EXPECT_EQ(next.Problems()->size(), QSize(420, 230));
    }
    // Closed, it stays closed.
    window.Problems()->close();
    window.SaveLayout(settings);
    FMapEditor next(data, prompts, random);
    next.Problems()->show();
    next.RestoreLayout(settings);
    EXPECT_TRUE(next.Problems()->isHidden());
}

// Not a timed test: prints how long one check and fill of the panel takes on
// a 200-system map, the figure the panel is held to.
TEST_F(ProblemsPanelTest, RefreshOnATwoHundredSystemMapIsMeasured) {
    CUniverse& u = window.Universe();
    std::vector<SystemRef> systems;
    for (int i = 0; i < 200; ++i) {
        systems.push_back(AddSystem("S" + std::to_string(i), i % 68, i / 68 * 3));
        AddObject(systems.back(), "STAR", 0, 0, FirstOrdinal("Star"));
        for (int p = 0; p < 5; ++p) AddObject(systems.back(), "PLANET", 3 + p, p - 2, FirstOrdinal("Planet"));
    }
    for (int i = 1; i < 200; ++i) {
        AddObject(systems[i], "WARP", -5, 0, FirstOrdinal("Warp"))->destSystem = systems[i - 1];
        AddObject(systems[i - 1], "WARP", 5, 5, FirstOrdinal("Warp"))->destSystem = systems[i];
    }
    ASSERT_EQ(u.NObjetosU(), 200 * 6 + 199 * 2);
    QElapsedTimer timer;
    window.Problems()->Refresh();  // warm up
    // Wall time suffers on a busy machine; the processor time this process
    // got is printed beside it.
    const std::clock_t cpuStart = std::clock();
    timer.start();
    const int runs = 20;
    // A renamed system changes the list, so every run checks and fills anew.
    for (int run = 0; run < runs; ++run) {
        alpha->name = run % 2 ? "Alpha" : "Alpha'";
        window.Problems()->Refresh();
    }
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6 / runs;
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / runs;
    std::printf("[ info ] panel refresh, 202 systems, %d objects: %.2f ms (%.2f ms of processor time)\n",
                u.NObjetosU(), ms, cpuMs);
    EXPECT_GT(List()->topLevelItemCount(), 0);  // Alpha and Beta are empty and unlinked
}

}  // namespace
