#include <QPalette>

#include "EditorFixture.h"
#include "ui/dialogs/ObjectChecks.h"
#include "ui/dialogs/RandomResources.h"
#include "ui/editing/GameDataCatalogue.h"
#include "ui/editing/ObjectPlacement.h"

namespace {

// The dialogs opened directly over the window's shared values.
class ObjectDialogTest : public EditorWindowTest {
protected:
    ObjectDialogTest()
        : catalogue(data, prompts),
          links{window.Shared(), window, prompts, catalogue, abilities, random, window.Universe()} {}

    CurrentObjectRecord& Current() { return window.Shared().CurrentObject; }

    GameDataCatalogue catalogue;
    AbilityChoice abilities;
    DialogLinks links;
};

QColor BaseOf(const QComboBox* combo) { return combo->palette().color(QPalette::Base); }

}  // namespace

TEST_F(ObjectDialogTest, StarTypesFollowColourAndSizeAndOkAsksForOne) {
    window.Shared().CreatingNew = false;
    Current().Name = "Sol";
    Current().Colour = "Yellow";
    Current().Size = "Medium";
    Current().ObjectType = data.Stellar.OrdinalOfTypeName("Yellow Medium Star");
    FStar star(links);
    star.LoadFields();
    EXPECT_EQ(star.cmbExact->currentText(), "Yellow Medium Star");  // an existing star shows its type
    EXPECT_TRUE(star.cmbExact->isEnabled());
    star.cmbstarColor->setEditText("Red");
    EXPECT_EQ(star.cmbExact->currentText(), "");
    EXPECT_EQ(star.cmbExact->count(), 1);
    EXPECT_EQ(star.cmbExact->itemText(0), "Red Medium Star");
    star.cmdOk->click();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{NoSpecificTypeMessage});
    EXPECT_EQ(star.result(), 0);

    // A list with nothing to choose is disabled and light yellow.
    star.cmbStarSize->setEditText("Gigantic");
    EXPECT_FALSE(star.cmbExact->isEnabled());
    EXPECT_EQ(BaseOf(star.cmbExact), QColor(255, 255, 192));
    star.cmbStarSize->setEditText("Huge");
    EXPECT_TRUE(star.cmbExact->isEnabled());
    EXPECT_EQ(BaseOf(star.cmbExact), QColor(Qt::white));
}

TEST_F(ObjectDialogTest, PlanetListsFollowSizeTypeAndAtmosphere) {
    window.Shared().CreatingNew = true;
    FPlanet planet(links);
    planet.LoadFields();
    EXPECT_EQ(planet.cmbPlanetSize->currentText(), "");  // a new planet starts without words
    EXPECT_EQ(planet.cmbPlanetAtmosphere->count(), static_cast<int>(data.SystemTypes.Atmospheres().size()));
    planet.cmbPlanetType->setEditText("Rock");
    planet.cmbPlanetAtmosphere->setEditText("None");
    planet.cmbPlanetSize->setEditText("Ringworld");
    const auto expected = data.Stellar.PlanetTypesOf("Ringworld", "Rock", "None");
    ASSERT_EQ(planet.cmbExact->count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(planet.cmbExact->itemText(static_cast<int>(i)).toStdString(), expected[i].Name);
    EXPECT_EQ(planet.cmbExact->isEnabled(), !expected.empty());
}

TEST_F(ObjectDialogTest, PlanetRandomValuesAlwaysPassTheResourceAndEnvironmentChecks) {
    for (int seed = 1; seed <= 300; ++seed) {
        RandomSource draw(static_cast<std::uint64_t>(seed));
        const RandomPlanetValues v = DrawPlanetValues(draw);
        PlanetFields f{"P", "0", "0", "Medium", "Rock", "None", v.minerals, v.organics, v.radioactives,
                       v.gravity, v.temperature, v.conditions, v.radiation};
        std::int32_t type = 5;
        ASSERT_EQ(FirstPlanetFailure(f, {catalogue, false, ""}, type), "") << "seed " << seed;
        const RandomAsteroidValues a = DrawAsteroidValues(draw);
        for (const std::string& value : {a.minerals, a.organics, a.radioactives}) {
            const auto number = std::stoi(value);
            EXPECT_TRUE(number >= 0 && number <= 90);
        }
    }
    window.Shared().CreatingNew = true;
    FPlanet planet(links);
    planet.LoadFields();
    planet.TxtPlanetName->setText("Kept");
    planet.cmdRandomPlanet->click();
    EXPECT_EQ(planet.TxtPlanetName->text(), "Kept");
    EXPECT_NE(planet.TxtPlanetGravity->text(), "");
}

TEST_F(ObjectDialogTest, NewAsteroidAndWarpOfferTheirTypesOnceAChoiceIsMade) {
    window.Shared().CreatingNew = true;
    Current().Size = "Small";
    Current().Type = "Rock";
    FAsteroid field(links);
    field.LoadFields();
    EXPECT_EQ(field.cmbExact->count(), 0);
    field.cmbAstType->setEditText("Ice");
    EXPECT_EQ(field.cmbExact->count(), 1);
    EXPECT_EQ(field.cmbExact->itemText(0), "Small Ice Asteroid Field");

    // A new warp proposes the mirrored sector; its size refills the types.
    Current().X = 3;
    Current().Y = -5;
    Current().Size = "Large";
    FWarp warp(links);
    warp.LoadFields();
    EXPECT_EQ(warp.TxtWarpDestX->text(), "-3");
    EXPECT_EQ(warp.TxtWarpDestY->text(), "5");
    EXPECT_EQ(warp.cmbExact->count(), 2);  // the stable and the unstable large warp
    warp.cmbExact->setEditText("Large Warp Point");
    warp.cmbWarpSize->setEditText("Tiny");
    EXPECT_EQ(warp.cmbExact->currentText(), "");
    ASSERT_EQ(warp.cmbExact->count(), 1);
    EXPECT_EQ(warp.cmbExact->itemText(0), "Tiny Warp Point");
}

TEST_F(ObjectDialogTest, AbilitiesDialogShowsUsedSlotsAndDoesNotCompactThem) {
    abilities.Offered = {"A/Am1= 1/Am2= 0", "B/Am1= 2/Am2= 0"};
    abilities.ClearSlots();
    abilities.Slots[0] = {true, "A/Am1= 1/Am2= 0"};
    abilities.Slots[1] = {true, "B/Am1= 2/Am2= 0"};
    FAbilities dialog(abilities);
    dialog.LoadLists();
    EXPECT_EQ(dialog.cmbAbility[0]->currentText(), "A/Am1= 1/Am2= 0");
    EXPECT_EQ(dialog.cmbAbility[1]->currentText(), "B/Am1= 2/Am2= 0");
    EXPECT_EQ(dialog.cmbAbility[2]->currentText(), "");
    EXPECT_EQ(dialog.cmbAbility[4]->count(), 3);
    dialog.cmbAbility[0]->setEditText("");
    dialog.cmdOk->click();
    EXPECT_FALSE(abilities.Slots[0].Used);
    EXPECT_TRUE(abilities.Slots[1].Used);
    EXPECT_EQ(abilities.Slots[1].Text, "B/Am1= 2/Am2= 0");

    FAbilities cancelled(abilities);
    cancelled.LoadLists();
    cancelled.cmbAbility[3]->setCurrentIndex(1);
    cancelled.cmdNo->click();
    EXPECT_FALSE(abilities.Slots[3].Used);

    abilities.Offered.clear();
    FAbilities empty(abilities);
    empty.LoadLists();
    EXPECT_EQ(empty.cmbAbility[0]->count(), 1);
}

TEST_F(ObjectDialogTest, PlacementWithoutATypeAddsNothingAndEditingKeepsWhatItCannotRebuild) {
    ObjectPlacement placement({window.Universe(), window.Document(), window.Shared(), abilities, catalogue, prompts,
                               [] { return false; }, [] {}});
    Current() = {};
    Current().ObjectType = 0;
    placement.AddObjectFromCurrent(KindStar, alpha->ID);
    EXPECT_EQ(window.Universe().NObjetosU(), 0);
    EXPECT_TRUE(prompts.Messages().empty());

    // A warp read from a map: its destination lies outside it and its ability
    // is unknown to the catalogue. Moving it keeps both.
    SpaceObjectRef warp = NewSpaceObject("WARP");
    warp->systema = alpha;
    warp->destSystem = NewSystem();
    warp->destSystem->ID = NoID;
    warp->destSystem->name = "Elsewhere";
    CAbility odd;
    odd.IniciaCAbility();
    odd.Tipe = "Odd";
    odd.Description = "kept";
    warp->AddAbility(odd);
    window.Universe().AddSpaceObject(warp, alpha->ID);
    placement.LoadObjectIntoCurrent(*warp);
    EXPECT_EQ(Current().DestinationName, "Elsewhere");
    Current().X = 4;
    placement.EditObjectFromCurrent(alpha->ID, warp->ID);
    EXPECT_EQ(warp->coord.X, 4);
    ASSERT_TRUE(warp->destSystem);
    EXPECT_EQ(warp->destSystem->name, "Elsewhere");
    ASSERT_EQ(warp->nhabilidades, 1);
    EXPECT_EQ(warp->habilidades[0].Description, "kept");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(ObjectDialogTest, AnUnknownAbilityTextIsReportedAndMarked) {
    ObjectPlacement placement({window.Universe(), window.Document(), window.Shared(), abilities, catalogue, prompts,
                               [] { return false; }, [] {}});
    abilities.ClearSlots();
    abilities.Slots[2] = {true, "Nothing/Am1= 1/Am2= 2"};
    Current() = {};
    Current().ObjectType = data.Stellar.OrdinalOfTypeName("Ion Storm");
    placement.AddObjectFromCurrent(KindStorm, alpha->ID);
    const SpaceObjectRef storm = ObjectsOf(alpha).at(0);
    ASSERT_EQ(storm->nhabilidades, 1);
    EXPECT_EQ(storm->habilidades[0].Description, "NO");
    EXPECT_EQ(prompts.Messages(),
              std::vector<std::string>{"There's no ability 'Nothing/Am1= 1/Am2= 2' for that object"});
}

TEST_F(ObjectDialogTest, TheChosenTypeShowsItsPictureFromThePrimaryOrElseTheSecondaryFolder) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "diz_dialog_pictures";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "primary");
    std::filesystem::create_directories(root / "secondary");
    const std::string file = data.Stellar.PictureOfTypeName("Ion Storm");
    ASSERT_FALSE(file.empty());
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString((root / "secondary" / file).string()), "BMP"));
    data.Stellar.SetPictureFolders(root / "primary", root / "secondary");

    window.Shared().CreatingNew = true;
    FStorm storm(links);
    storm.LoadFields();
    EXPECT_TRUE(storm.Im->pixmap().isNull());
    storm.cmbExact->setEditText("Ion Storm");
    EXPECT_FALSE(storm.Im->pixmap().isNull());
    EXPECT_TRUE(storm.TypeChanged());
    storm.cmbExact->setEditText("");
    EXPECT_TRUE(storm.Im->pixmap().isNull());
    std::filesystem::remove_all(root);
}

TEST_F(ObjectDialogTest, PicturesShowTheirKeyColourAsTransparentAndTypeListsWiden) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "diz_dialog_key_colour";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    const std::string file = data.Stellar.PictureOfTypeName("Ion Storm");
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));  // the key colour, read from the corner
    image.setPixelColor(4, 4, Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString((root / file).string()), "BMP"));
    data.Stellar.SetPictureFolders(root, root);

    window.Shared().CreatingNew = true;
    FStorm storm(links);
    storm.LoadFields();
    storm.cmbExact->setEditText("Ion Storm");
    const QImage shown = storm.Im->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixelColor(shown.width() / 2 + 1, shown.height() / 2 + 1), QColor(Qt::red));
    // The list is as wide as its longest type name.
    storm.cmbExact->addItem(QString(60, 'W'));
    storm.adjustSize();
    EXPECT_GE(storm.cmbExact->width(), storm.cmbExact->fontMetrics().horizontalAdvance(QString(60, 'W')));
    std::filesystem::remove_all(root);
}
