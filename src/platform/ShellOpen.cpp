#include "ShellOpen.h"

#include <QProcess>

TShellOpen::TShellOpen(QObject* parent)
    : QObject(parent) {}

TShellOpen::~TShellOpen() {
    // A browser started by xdg-open may still be its child: let it live on after us.
    for (QProcess* process : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        process->disconnect(this);
        process->setParent(nullptr);
    }
}

void TShellOpen::Open(const QString& target) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    connect(process, &QProcess::finished, this,
            [this, process, target](int exitCode, QProcess::ExitStatus status) {
                Done(process, target, status == QProcess::NormalExit ? exitCode : -1);
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, target](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    Done(process, target, -1);
            });
    process->start(QStringLiteral("xdg-open"), {target});
}

void TShellOpen::Done(QProcess* process, const QString& target, int exitCode) {
    process->disconnect(this);
    process->deleteLater();
    emit Finished(target, exitCode);
}
