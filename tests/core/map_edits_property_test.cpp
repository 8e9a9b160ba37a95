#include <gtest/gtest.h>

#include <functional>

#include "RandomEdits.h"
#include "UniverseFingerprint.h"
#include "random/StartUp.h"
#include "mapfile/MapTextWriter.h"

namespace {

struct Shipped {
    Shipped() {
        const StartUpResult result = StartUp(DIZ_PROGRAM_DIR, data, random, 77, reporter);
        EXPECT_TRUE(result.AllFilesRead()) << testing::PrintToString(reporter.Messages());
    }
    std::string Text() const {
        const TxtBlock map = GenerateMapTxt(universe, data.Stellar, data.ProgramFolder);
        EXPECT_EQ(map.error, "");
        return map.text;
    }

    GameData data;
    RandomSource random;
    RecordingReporter reporter;
    CUniverse universe;
};

struct Snapshot {
    std::size_t textHash;
    std::string fingerprint;
};

Snapshot Take(const Shipped& s) { return {std::hash<std::string>{}(s.Text()), UniverseFingerprint(s.universe)}; }

// Whether the map is in the state of the snapshot; the states are large, so
// a failure names the step instead of printing them.
bool Same(const Snapshot& expected, const Shipped& s) {
    const Snapshot now = Take(s);
    return now.textHash == expected.textHash && now.fingerprint == expected.fingerprint;
}

}  // namespace

// 300 random edits on a random 200-system map; undoing them all gives back
// the saved text byte for byte, redoing them all the text of the edited map.
// Between the ends every undo and redo must land on the state of its step.
TEST(MapEditsProperty, UndoAllRestoresTheBytesAndRedoAllTheEditedBytes) {
    Shipped s;
    GenerationContext context{s.universe, s.data, s.random, s.reporter, false, {}};
    RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", 200, "Random");
    ASSERT_EQ(s.universe.NSistemas(), 200);
    const std::string original = s.Text();

    RandomEditMaker maker(s.data, 4242);
    std::vector<std::unique_ptr<MapEdit>> edits;
    std::vector<Snapshot> states{Take(s)};
    std::vector<int> kinds(RandomEditMaker::KindCount, 0);
    while (edits.size() < 300) {
        // Halfway, the whole map is replaced by a new random one.
        RandomEditMaker::Kind kind = RandomEditMaker::ReplaceMap;
        std::unique_ptr<MapEdit> edit =
            edits.size() == 150 ? maker.Make(s.universe, kind) : maker.Next(s.universe, kind);
        if (!edit) continue;
        edit->Apply(s.universe);
        ++kinds[kind];
        edits.push_back(std::move(edit));
        states.push_back(Take(s));
    }
    for (int k = 0; k < RandomEditMaker::ReplaceMap; ++k) EXPECT_GE(kinds[k], 10) << "edit kind " << k;
    EXPECT_EQ(kinds[RandomEditMaker::ReplaceMap], 1);
    const std::string edited = s.Text();
    ASSERT_NE(edited, original);

    for (std::size_t k = edits.size(); k-- > 0;) {
        edits[k]->Undo(s.universe);
        ASSERT_TRUE(Same(states[k], s)) << "undo of step " << k << ": " << edits[k]->Name();
    }
    EXPECT_TRUE(s.Text() == original);
    for (std::size_t k = 0; k < edits.size(); ++k) {
        edits[k]->Apply(s.universe);
        ASSERT_TRUE(Same(states[k + 1], s)) << "redo of step " << k << ": " << edits[k]->Name();
    }
    EXPECT_TRUE(s.Text() == edited);
}
