#include <QDir>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "ui/FPaths.h"
#include "ui/FolderList.h"

namespace {

QListWidgetItem* EntryEndingWith(FolderList& list, const QString& text) {
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->text().trimmed() == text) return list.item(row);
    return nullptr;
}

}  // namespace

TEST(FolderList, ShowsAncestorsThenSubfoldersAndDescendsOnDoubleClick) {
    ProgramFolderCopy folder;
    const QString root = QString::fromStdString(folder.Path().string());
    FolderList list(root);
    EXPECT_EQ(list.currentItem()->text().trimmed(), QDir(root).dirName());
    // The root of the file system comes first, the subfolders last.
    EXPECT_EQ(list.item(0)->text(), QDir::rootPath());
    QListWidgetItem* data = EntryEndingWith(list, "Default");
    ASSERT_NE(data, nullptr);
    QString reported;
    QObject::connect(&list, &FolderList::folderChanged, [&](const QString& path) { reported = path; });
    emit list.itemDoubleClicked(data);
    EXPECT_EQ(list.Folder(), QDir(root).filePath("Default"));
    EXPECT_EQ(reported, QDir::toNativeSeparators(QDir(root).filePath("Default")));
    ASSERT_NE(EntryEndingWith(list, "Data"), nullptr);
    // Going up again through an ancestor entry.
    emit list.itemDoubleClicked(EntryEndingWith(list, QDir(root).dirName()));
    EXPECT_EQ(list.Folder(), root);
}

TEST(FolderList, DoubleClickInTheSettingsDialogReplacesTheField) {
    ProgramFolderCopy folder;
    Settings settings;
    settings.DataDirectory = "Default/Data";
    FPaths dialog(settings);
    auto* Dir3 = dialog.findChild<FolderList*>("Dir3");
    ASSERT_NE(Dir3, nullptr);
    Dir3->SetFolder(QString::fromStdString(folder.Path().string()));
    emit Dir3->itemDoubleClicked(EntryEndingWith(*Dir3, "Default"));
    EXPECT_EQ(dialog.TxtMap->text(),
              QDir::toNativeSeparators(QString::fromStdString((folder.Path() / "Default").string())));
    EXPECT_EQ(dialog.TxtData->text(), "Default/Data");
    dialog.Ok();
    EXPECT_EQ(dialog.PendingSettings().MultipleObjectsInSameSector, "false");
    EXPECT_TRUE(dialog.Accepted());
}
