#include "ui/ApplicationIdentity.h"

#include <QGuiApplication>
#include <QStandardPaths>

#include "folders/ProgramFolders.h"

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QString::fromUtf8(UserFolderName));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopFileId));
}

std::filesystem::path UserDataFolder() {
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
}
