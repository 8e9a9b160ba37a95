#include "EditorFixture.h"
#include "model/SectorField.h"
#include "ui/dialogs/FStar.h"

namespace {

QPointF SectorMiddle(int X, int Y) {
    const LabelPoint label = SectorToPixel(X, -Y);
    return QPointF(label.x - 16, label.y + 12);
}

}  // namespace

using ObjectEditingWindowTest = EditorFixture;

TEST_F(ObjectEditingWindowTest, CreateMoveAndEditAStarThroughTheWindow) {
    const SystemRef sol = AddSystem("Sol", 10, 5);
    PressCell(10, 5);
    const QPointF sector = SectorMiddle(3, -2);
    window->SystemMapPress(2, sector.x(), sector.y());
    EXPECT_EQ(Label("LblXS"), "3");
    EXPECT_EQ(Label("lblYS"), "-2");
    std::string shownName;
    prompts.QueueDialog([&](QDialog& dialog) {
        auto* star = dynamic_cast<FStar*>(&dialog);
        if (!star) return static_cast<int>(QDialog::Rejected);
        shownName = ToBytes(star->TxtStarName->text());
        EXPECT_EQ(star->TxtStarX->text(), "3");
        EXPECT_EQ(star->TxtStarY->text(), "-2");
        EXPECT_EQ(star->cmbStarSize->currentText(), "Medium");
        star->cmbstarColor->setEditText("Yellow");
        EXPECT_GT(star->cmbExact->count(), 0);
        star->cmbExact->setEditText(star->cmbExact->itemText(0));
        star->cmdOk->click();
        return dialog.result();
    });
    window->CreateObjectCommand(KindStar);
    EXPECT_EQ(prompts.openedDialogs, std::vector<std::string>{"Star"});
    ASSERT_EQ(window->Universe().NObjetosU(), 1) << (prompts.Messages().empty() ? "" : prompts.Messages().back());
    const SpaceObjectRef star = window->Universe().Objects().front();
    EXPECT_EQ(star->Tipo, KindStar);
    EXPECT_EQ(star->coord.X, 3);
    EXPECT_EQ(star->coord.y, -2);
    EXPECT_EQ(star->name, shownName);
    EXPECT_FALSE(shownName.empty());
    EXPECT_EQ(window->State().SelectedObject, star->ID);
    EXPECT_EQ(Label("lblselected").toStdString(), "Star " + shownName);
    // The star's picture is in its hexagon now.
    const LabelPoint label = SectorToPixel(3, 2);
    EXPECT_NE(window->SystemMapImage().pixelColor(label.x - 16, label.y + 16), QColor(Qt::black));

    // Drag it two sectors down and to the right.
    const QPointF target = SectorMiddle(5, -3);
    window->SystemMapPress(1, sector.x(), sector.y());
    window->SystemMapRelease(1, target.x(), target.y());
    EXPECT_EQ(star->coord.X, 5);
    EXPECT_EQ(star->coord.y, -3);

    // Double-click opens its dialog for editing.
    window->SystemMapPress(1, target.x(), target.y());
    window->SystemMapRelease(1, target.x(), target.y());
    prompts.QueueDialog([](QDialog& dialog) {
        auto* edit = dynamic_cast<FStar*>(&dialog);
        edit->TxtStarName->setText("Renamed");
        edit->cmdOk->click();
        return dialog.result();
    });
    window->SystemMapDoubleClick();
    EXPECT_EQ(star->name, "Renamed");
    EXPECT_EQ(window->Universe().NObjetosU(), 1);
    EXPECT_EQ(sol->NObjetos(), 1);
}

TEST_F(ObjectEditingWindowTest, AboutOpensItsDialog) {
    window->AboutCommand();
    EXPECT_EQ(prompts.openedDialogs, std::vector<std::string>{"About"});
}
