#pragma once

#include <QElapsedTimer>
#include <QString>

class QProgressDialog;
class QWidget;

// The progress window of a long command (compiling, generating a random
// map): what is being done, how far it got or how long it has taken, and
// Cancel. Each step lets pending window events through, so Cancel is heard.
class LongWorkProgress {
public:
    // steps 0: the length is unknown and the elapsed time is shown instead.
    LongWorkProgress(QWidget* parent, const QString& title, int steps);
    ~LongWorkProgress();
    LongWorkProgress(const LongWorkProgress&) = delete;
    LongWorkProgress& operator=(const LongWorkProgress&) = delete;

    void Step(int done, const QString& text);
    void Tick(const QString& text);
    bool Cancelled() const;

private:
    QProgressDialog* dialog_;
    QElapsedTimer elapsed_;
};
