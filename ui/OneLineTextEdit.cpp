#include "ui/OneLineTextEdit.h"

#include <QKeyEvent>
#include <QMimeData>

OneLineTextEdit::OneLineTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString OneLineTextEdit::OneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar breaker : {QChar('\r'), QChar('\n'), QChar('\t'), QChar(QChar::ParagraphSeparator),
                                QChar(QChar::LineSeparator), QChar('\v'), QChar('\f')})
        text.replace(breaker, QChar(' '));
    return text;
}

void OneLineTextEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Left to the dialog, whose default button takes it.
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void OneLineTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    insertPlainText(OneLine(source->text()));
}
