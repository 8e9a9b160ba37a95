#pragma once

#include <QPlainTextEdit>

// A wrapping text box for a value that the map stores on one line: Enter
// does not break the line (it reaches the dialog's default button), pasted
// line breaks and tabs become blanks, and Tab moves the focus on.
class OneLineTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit OneLineTextEdit(QWidget* parent = nullptr);

    // The text with every line break and tab turned into a blank.
    static QString OneLine(QString text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
