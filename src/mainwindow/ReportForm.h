#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTextEdit;

// The report of the images a run could not process.
class TReportForm : public QDialog {
    Q_OBJECT
public:
    explicit TReportForm(const QStringList& failures, QWidget* parent = nullptr);

    QLabel* StatusLabel() const { return FStatusLabel; }
    QTextEdit* NotProcessedRE() const { return FNotProcessedRE; }
    QPushButton* OKButton() const { return FOKButton; }

private:
    QLabel* FStatusLabel;
    QTextEdit* FNotProcessedRE;
    QPushButton* FOKButton;
};
