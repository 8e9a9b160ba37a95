#include "ui/FolderList.h"

#include <QDir>
#include <QKeyEvent>

namespace {

constexpr int PathRole = Qt::UserRole;

// The folder and its ancestors, root first.
QStringList Chain(const QString& folder) {
    QStringList chain;
    QDir dir(folder);
    do {
        chain.prepend(dir.absolutePath());
    } while (dir.cdUp());
    return chain;
}

}  // namespace

FolderList::FolderList(const QString& folder, QWidget* parent) : QListWidget(parent) {
    SetFolder(folder);
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::Enter);
}

void FolderList::Enter(QListWidgetItem* item) {
    const QString path = item->data(PathRole).toString();
    SetFolder(path);
    emit folderChanged(QDir::toNativeSeparators(path));
}

// Enter opens the highlighted folder, as a double-click does, instead of
// pressing the dialog's OK.
void FolderList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentItem()) {
        Enter(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::SetFolder(const QString& folder) {
    folder_ = QDir(folder).absolutePath();
    clear();
    const QStringList chain = Chain(folder_);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString name = QDir(chain[depth]).dirName();
        AddEntry(chain[depth], name.isEmpty() ? chain[depth] : name, depth);
    }
    setCurrentRow(count() - 1);
    const QDir current(folder_);
    for (const QString& sub : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        AddEntry(current.filePath(sub), sub, static_cast<int>(chain.size()));
    scrollToItem(currentItem());
}

void FolderList::AddEntry(const QString& path, const QString& text, int depth) {
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + text, this);
    item->setData(PathRole, path);
}
