#include "ui/MessageBoxPrompts.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>

QString ApplicationTitle() { return QStringLiteral("TarsisDizIzuzuri"); }

QString FromBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QStringList FromBytes(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) list << FromBytes(text);
    return list;
}

QString MessageText(const std::string& message) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArrayView(message.data(), static_cast<qsizetype>(message.size())));
    return utf8.hasError() ? FromBytes(message) : decoded;
}

void MessageBoxPrompts::Error(const std::string& message) {
    QMessageBox::critical(parent_, ApplicationTitle(), MessageText(message), QMessageBox::Ok);
}

void MessageBoxPrompts::Information(const std::string& message) {
    QMessageBox::information(parent_, ApplicationTitle(), MessageText(message), QMessageBox::Ok);
}

bool MessageBoxPrompts::Question(const std::string& message) {
    return QMessageBox::question(parent_, ApplicationTitle(), MessageText(message),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

int MessageBoxPrompts::ExecDialog(QDialog& dialog) { return dialog.exec(); }

std::string SaveChangesText(const std::string& mapName) { return "Save changes to " + mapName + "?"; }

SaveChoice MessageBoxPrompts::AskSaveChanges(const std::string& mapName) {
    const auto answer =
        QMessageBox::question(parent_, ApplicationTitle(), MessageText(SaveChangesText(mapName)),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool MessageBoxPrompts::AskRestore(const std::string& message) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), MessageText(message), QMessageBox::NoButton, parent_);
    QPushButton* restore = box.addButton(QObject::tr("Restore"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Discard);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}
