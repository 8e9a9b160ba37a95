#pragma once

#include <QListWidget>

// A folder browser in the manner of a classic folder list: the current
// folder's ancestors from the root down, the folder itself, then its
// subfolders. Double-clicking an entry, or Enter on it, makes it the current
// folder.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(const QString& folder, QWidget* parent = nullptr);

    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }

signals:
    // The current folder changed by a double-click or Enter: its full path.
    void folderChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Enter(QListWidgetItem* item);
    void AddEntry(const QString& path, const QString& text, int depth);

    QString folder_;
};
