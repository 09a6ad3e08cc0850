#include "ReportForm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

TReportForm::TReportForm(const QStringList& failures, QWidget* parent)
    : QDialog(parent)
    , FStatusLabel(new QLabel(this))
    , FNotProcessedRE(new QTextEdit(this))
    , FOKButton(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("ReportForm"));
    setWindowTitle(QStringLiteral("Warning report"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    FStatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    FStatusLabel->setText(QStringLiteral("The following files were not resized (%d) :"));
    FStatusLabel->setText(QString::asprintf(FStatusLabel->text().toLatin1().constData(),
                                            static_cast<int>(failures.size())));
    FNotProcessedRE->setObjectName(QStringLiteral("NotProcessedRE"));
    FNotProcessedRE->setReadOnly(true);
    FNotProcessedRE->setLineWrapMode(QTextEdit::NoWrap);
    FNotProcessedRE->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FNotProcessedRE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FNotProcessedRE->setPlainText(failures.join(QLatin1Char('\n')));
    FOKButton->setObjectName(QStringLiteral("OKButton"));
    FOKButton->setDefault(true);
    connect(FOKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FStatusLabel);
    layout->addWidget(FNotProcessedRE, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FOKButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    setFixedSize(460, 300);
    // Centred on the desktop, not on the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
