#pragma once

#include <QObject>
#include <QString>

class QProcess;

// The shell's "open" verb: a file, folder or web address is handed to xdg-open. The program
// does not wait; the outcome arrives through Finished (the exit status, -1 when xdg-open
// could not be started) and is reported to nobody but whoever listens.
class TShellOpen : public QObject {
    Q_OBJECT

public:
    explicit TShellOpen(QObject* parent = nullptr);
    ~TShellOpen() override;

    void Open(const QString& target);

signals:
    void Finished(const QString& target, int exitCode);

private:
    void Done(QProcess* process, const QString& target, int exitCode);
};
