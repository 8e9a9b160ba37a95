#pragma once

#include <QString>
#include <string>

// Byte strings of the model are single-byte (Latin-1); the widgets show them
// without re-encoding.
inline QString ToQt(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQt(const QString& text) { return text.toLatin1().toStdString(); }
