// Map > Export Image: the dialogs as a user fills them, the picture written,
// and the PNG writer that never leaves half a file.
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QMenuBar>

#include "../core/TempFolder.h"
#include "EditorFixture.h"
#include "ui/FExportImage.h"
#include "ui/render/MapImageFile.h"

namespace {

const QColor DiscYellow(255, 255, 0);

class ExportImageTest : public EditorWindowTest {
protected:
    QString Out(const char* name) const { return QString::fromStdString((folder.Path() / name).string()); }

    // Fills the options as a user would, then names the file in the file dialog.
    void QueueExport(std::function<void(FExportImage&)> fill, const QString& file) {
        prompts.QueueDialog([fill = std::move(fill), this](QDialog& dialog) {
            auto& options = dynamic_cast<FExportImage&>(dialog);
            fill(options);
            shownSize = options.lblSize->text();
            options.accept();
            return dialog.result();
        });
        prompts.QueueDialog([file](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
            files.selectFile(file);
            dialog.accept();  // the file dialog's own accept, as its Save button
            return dialog.result();
        });
    }

    TempFolder folder;
    QString shownSize;
};

}  // namespace

TEST_F(ExportImageTest, TheMapMenuExportsTheGalaxyAtTheChosenScale) {
    auto* action = window.menuBar()->findChild<QMenu*>("f_mnu")->findChild<QAction*>("exportImage");
    ASSERT_NE(action, nullptr);
    QueueExport([](FExportImage& options) {
        EXPECT_TRUE(options.optGalaxy->isChecked());
        EXPECT_DOUBLE_EQ(options.spnScale->value(), 4.0);
        options.spnScale->setValue(2.0);
    }, Out("galaxy.png"));
    action->trigger();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});
    EXPECT_EQ(shownSize, "544 x 400 pixels");
    const QImage image(Out("galaxy.png"));
    ASSERT_EQ(image.size(), QSize(544, 400));
    // Alpha at cell 10, 10 and Beta at 30, 20.
    EXPECT_EQ(image.pixelColor(42 * 2, 42 * 2 - 3), DiscYellow);
    EXPECT_EQ(image.pixelColor(122 * 2, 82 * 2 - 3), DiscYellow);
}

TEST_F(ExportImageTest, TheShownSystemIsExportedWithOrWithoutNames) {
    AddObject(alpha, "STAR", 0, 0, FirstOrdinal("Star"))->name = "Alpha Prime";
    SelectSystem(alpha);
    QueueExport([](FExportImage& options) {
        ASSERT_TRUE(options.optSystem->isEnabled());
        options.optSystem->setChecked(true);
        EXPECT_DOUBLE_EQ(options.spnScale->value(), 1.0);
    }, Out("named.png"));
    window.ExportImageCommand();
    EXPECT_EQ(shownSize, "656 x 672 pixels");
    QueueExport([](FExportImage& options) {
        options.optSystem->setChecked(true);
        options.chkLabels->setChecked(false);
    }, Out("bare.png"));
    window.ExportImageCommand();
    const QImage named(Out("named.png")), bare(Out("bare.png"));
    ASSERT_EQ(named.size(), QSize(656, 672));
    ASSERT_EQ(bare.size(), QSize(656, 672));
    EXPECT_NE(named, bare);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});
}

TEST_F(ExportImageTest, WithoutASystemShownOnlyTheGalaxyCanBeExported) {
    window.GalaxyPress(1, 4 * 50 + 2, 4 * 45 + 2);  // an empty cell
    window.GalaxyClick();
    ASSERT_FALSE(window.SystemMapEnabled());
    QueueExport([](FExportImage& options) { EXPECT_FALSE(options.optSystem->isEnabled()); }, Out("g.png"));
    window.ExportImageCommand();
    EXPECT_EQ(QImage(Out("g.png")).size(), QSize(1088, 800));
    EXPECT_FALSE(window.ExportImage({true, 1.0, true}, Out("s.png")));
    EXPECT_FALSE(QFile::exists(Out("s.png")));
    EXPECT_EQ(prompts.Messages().size(), 1u);
}

TEST_F(ExportImageTest, AFailedWriteIsReportedAndCancellingWritesNothing) {
    EXPECT_FALSE(window.ExportImage({}, Out("no/such/folder/g.png")));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].find("Cannot write"), std::string::npos) << prompts.Messages()[0];
    EXPECT_NE(prompts.Messages()[0].find("no/such/folder/g.png"), std::string::npos);
    prompts.ClearMessages();
    window.ExportImageCommand();  // no driver queued: the options dialog is cancelled
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});
}

TEST(MapImageFile, WritesAPngThatReadsBackAndKeepsTheEarlierFileOnFailure) {
    TempFolder folder;
    const QString file = QString::fromStdString((folder.Path() / "picture.png").string());
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(5, 7, Qt::white);
    ASSERT_EQ(WritePngSafely(image, file), QString());
    EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), image);
    // A picture that cannot be written leaves the one before.
    EXPECT_TRUE(WritePngSafely(QImage(), file).contains("picture.png"));
    EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), image);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}
