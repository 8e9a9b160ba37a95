// dizizuzuri-cli render end to end: the tool is run as a script would run it
// and the picture it writes is read back.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

#include "../core/TempFolder.h"
#include "mapfile/MapTextLoader.h"
#include "random/GameData.h"
#include "random/StartUp.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/render/SystemMapPainter.h"

namespace {

const QString LinkedMap = DIZ_TEST_DATA_DIR "/maps/Linked.txt";
const QColor DiscYellow(255, 255, 0);

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(DIZ_CLI, args);
    cli.waitForFinished(60000);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardOutput(),
            cli.readAllStandardError()};
}

// Pixels lighter than any warp line or disc edge: only label text is.
int WhitePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 230 && c.green() > 230 && c.blue() > 230 ? 1 : 0;
        }
    return count;
}

class RenderCommandTest : public ::testing::Test {
protected:
    QString Out(const char* name) const { return QString::fromStdString((folder.Path() / name).string()); }
    // Renders the map and reads the picture back; a null image when none was written.
    QImage Render(QStringList extra, const char* name = "out.png") {
        run = RunCli(QStringList{"render", LinkedMap, "-o", Out(name)} + extra);
        return QImage(Out(name));
    }

    TempFolder folder;
    CliRun run;
};

}  // namespace

TEST_F(RenderCommandTest, TheGalaxyIsFourTimesTheEditorsPictureWithADiscOnEverySystem) {
    const QImage image = Render({});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("1088 x 800")) << run.out.toStdString();
    ASSERT_EQ(image.size(), QSize(1088, 800));
    // Home at cell 10, 20 and Away at 30, 25: disc centres at (4 X + 2) * 4;
    // the warp line between them crosses the centres, not the discs' tops.
    EXPECT_EQ(image.pixelColor(42 * 4, 82 * 4 - 3), DiscYellow);
    EXPECT_EQ(image.pixelColor(122 * 4, 102 * 4 - 3), DiscYellow);
    EXPECT_EQ(image.pixelColor(600, 700), QColor(Qt::black));
}

TEST_F(RenderCommandTest, TheScaleSetsTheSizeOfEitherPictureAndMovesTheDiscs) {
    const QImage image = Render({"--scale", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(image.size(), QSize(544, 400));
    EXPECT_EQ(image.pixelColor(42 * 2, 82 * 2 - 3), DiscYellow);
    EXPECT_EQ(image.pixelColor(42 * 4, 82 * 4 - 3), QColor(Qt::black));
    // A system is its sector field at the editor's size unless scaled.
    EXPECT_EQ(Render({"--system", "Home"}).size(), QSize(656, 672));
    EXPECT_EQ(Render({"--system", "Away", "--scale", "1.5"}).size(), QSize(984, 1008));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST_F(RenderCommandTest, NoLabelsLeavesTheNamesOut) {
    const QImage labelled = Render({}, "labels.png"), bare = Render({"--no-labels"}, "bare.png");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_GT(WhitePixels(labelled), 20);
    EXPECT_EQ(WhitePixels(bare), 0);
    EXPECT_EQ(bare.pixelColor(42 * 4, 82 * 4 - 3), DiscYellow);
    const QImage system = Render({"--system", "Home"}, "s.png");
    const QImage bareSystem = Render({"--system", "Home", "--no-labels"}, "sb.png");
    EXPECT_NE(system, bareSystem);
    EXPECT_EQ(system.size(), bareSystem.size());
}

// The tool and the editor's views share the painters: the same map gives the
// same pixels as the painters give in this process.
TEST_F(RenderCommandTest, ThePicturesAreTheEditorsOwn) {
    GameData data;
    RandomSource random{1};
    RecordingReporter reporter;
    StartUp(DIZ_PROGRAM_DIR, DIZ_PROGRAM_DIR, data, random, 1, reporter);
    const LoadResult loaded = LoadMapText(LinkedMap.toStdString(), data.Stellar);
    ASSERT_TRUE(loaded.Ok());
    GalaxyPainter galaxy;
    galaxy.SetUniverse(*loaded.universe, nullptr);
    EXPECT_EQ(Render({"--scale", "3"}), galaxy.Render(3.0, {}).convertToFormat(QImage::Format_RGB32));
    SystemMapPainter system(data.Stellar, DIZ_PROGRAM_DIR);
    const std::int32_t away = loaded.universe->Systems().at(1)->ID;
    EXPECT_EQ(Render({"--system", "Away"}),
              system.Render(1.0, *loaded.universe, away, {}).convertToFormat(QImage::Format_RGB32));
}

TEST_F(RenderCommandTest, RefusedRequestsWriteNothing) {
    QFile earlier(Out("out.png"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier picture");
    earlier.close();
    const auto untouched = [&] {
        QFile file(Out("out.png"));
        return file.open(QIODevice::ReadOnly) && file.readAll() == "earlier picture";
    };
    Render({"--system", "Nowhere"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("no system named \"Nowhere\"")) << run.err.toStdString();
    EXPECT_TRUE(untouched());
    for (const QStringList& bad : {QStringList{"--system", ""}, QStringList{"--scale", "0"}, QStringList{"--scale", "13"},
                                   QStringList{"--scale", "2,5"}, QStringList{"--zoom", "2"}}) {
        Render(bad);
        EXPECT_EQ(run.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(untouched());
    }
    run = RunCli({"render", LinkedMap, "--scale", "2"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("-o OUT.png")) << run.err.toStdString();
}

TEST_F(RenderCommandTest, UnreadableMapsAndUnwritableFilesFail) {
    run = RunCli({"render", DIZ_TEST_DATA_DIR "/maps/Truncated.txt", "-o", Out("t.png")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("the file ends early")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Out("t.png")));
    run = RunCli({"render", LinkedMap, "-o", Out("missing/folder/t.png")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Cannot write")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("missing/folder/t.png")) << run.err.toStdString();
}
