#pragma once

#include <QListWidget>

// A folder browser in the manner of a classic folder list: the current
// folder's ancestors from the root down, the folder itself, then its
// subfolders. Double-clicking an entry makes it the current folder.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(const QString& folder, QWidget* parent = nullptr);

    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }

signals:
    // The current folder changed by a double-click: its full path.
    void folderChanged(const QString& path);

private:
    void AddEntry(const QString& path, const QString& text, int depth);

    QString folder_;
};
