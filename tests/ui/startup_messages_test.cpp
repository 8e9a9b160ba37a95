// A first start without settings shows one message saying what is missing,
// and folders fixed in Settings take effect at once.
#include <QLineEdit>
#include <QRadioButton>

#include "EditorFixture.h"
#include "ui/FPaths.h"

class FirstStartTest : public ::testing::Test, protected ProgramData {
protected:
    FirstStartTest() : window(data, prompts, random) {
        window.SetContextMenusShown(false);
        std::filesystem::remove(folder.Path() / "DizIzuzuri.ini");
    }

    QString Label(const char* name) const { return window.findChild<QLabel*>(name)->text(); }

    RecordingPrompts prompts;
    RandomSource random{7};
    FMapEditor window;
};

TEST_F(FirstStartTest, OneMessageListsWhatIsMissingAndTheFixedFoldersApplyAtOnce) {
    window.RunStartUp(7);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    const std::string summary = prompts.Messages().front();
    EXPECT_EQ(summary.rfind("Some of the editor's files could not be read:", 0), 0u) << summary;
    EXPECT_NE(summary.find("Settings"), std::string::npos) << summary;
    EXPECT_GE(std::count(summary.begin(), summary.end(), '\n'), 5) << summary;  // one line per report
    EXPECT_TRUE(Label("lblMod").isEmpty());

    prompts.ClearMessages();
    prompts.QueueDialog([](QDialog& dialog) {
        auto& paths = dynamic_cast<FPaths&>(dialog);
        paths.TxtData->setText("Default/Data");
        paths.TxtMapcompiler->setText(".");
        paths.TxtMap->setText("Default/Maps");
        paths.o2->setChecked(true);
        paths.Ok();
        return dialog.result();
    });
    window.ChangeSettings();
    EXPECT_TRUE(prompts.Messages().empty()) << prompts.Messages().front();
    EXPECT_FALSE(data.Config.ModName.empty());
    EXPECT_EQ(Label("lblMod").toStdString(), data.Config.ModName);
    // Object pictures come from the new data folder without a restart.
    std::int32_t star = 0;
    for (const StellarTypeEntry& entry : data.Stellar.Entries())
        if (entry.PhysicalType == "Star") star = entry.Ordinal;
    const auto picture = data.Stellar.ResolvePicture(data.Stellar.PictureOfOrdinal(star));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(std::filesystem::exists(*picture)) << picture->string();
}
