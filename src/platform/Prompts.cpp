#include "Prompts.h"

#include "FileAccess.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<TPromptButton, QMessageBox::StandardButton>, 7> ButtonPairs = {{
    {pbOk, QMessageBox::Ok},
    {pbCancel, QMessageBox::Cancel},
    {pbYes, QMessageBox::Yes},
    {pbNo, QMessageBox::No},
    {pbAbort, QMessageBox::Abort},
    {pbRetry, QMessageBox::Retry},
    {pbIgnore, QMessageBox::Ignore},
}};

QMessageBox::Icon BoxIcon(TPromptIcon icon) {
    switch (icon) {
    case TPromptIcon::Information:
        return QMessageBox::Information;
    case TPromptIcon::Warning:
        return QMessageBox::Warning;
    case TPromptIcon::Error:
        return QMessageBox::Critical;
    case TPromptIcon::Confirmation:
        return QMessageBox::Question;
    case TPromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The font dialog with a colour choice beside the effects, as the annotation needs both.
class TFontColourDialog : public QDialog {
public:
    TFontColourDialog(const TFontDialogChoice& initial, QWidget* parent)
        : QDialog(parent)
        , FColour(initial.Colour) {
        setWindowTitle(QCoreApplication::translate("TPrompts", "Font"));
        FFonts = new QFontDialog(initial.Font, this);
        FFonts->setWindowFlags(Qt::Widget);
        FFonts->setOptions(QFontDialog::NoButtons | QFontDialog::ScalableFonts |
                           QFontDialog::DontUseNativeDialog);
        FColourButton = new QPushButton(this);
        connect(FColourButton, &QPushButton::clicked, this, [this] {
            const QColor chosen = QColorDialog::getColor(FColour, this);
            if (chosen.isValid()) {
                FColour = chosen;
                ShowColour();
            }
        });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* colourRow = new QHBoxLayout;
        colourRow->addWidget(new QLabel(QStringLiteral("Color:"), this));
        colourRow->addWidget(FColourButton);
        colourRow->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(FFonts);
        layout->addLayout(colourRow);
        layout->addWidget(buttons);
        ShowColour();
    }

    TFontDialogChoice Choice() const { return {FFonts->currentFont(), FColour}; }

private:
    void ShowColour() {
        QPixmap swatch(40, 14);
        swatch.fill(FColour);
        FColourButton->setIcon(QIcon(swatch));
        FColourButton->setIconSize(swatch.size());
    }

    QFontDialog* FFonts;
    QPushButton* FColourButton;
    QColor FColour;
};

} // namespace

QString MessageCaption(TPromptIcon icon) {
    switch (icon) {
    case TPromptIcon::Information:
        return QStringLiteral("Information");
    case TPromptIcon::Warning:
        return QStringLiteral("Warning");
    case TPromptIcon::Error:
        return QStringLiteral("Error");
    case TPromptIcon::Confirmation:
        return QStringLiteral("Confirm");
    case TPromptIcon::None:
        break;
    }
    return QCoreApplication::applicationName();
}

TPromptButton MessageDlg(TPrompts& prompts, const QString& text, TPromptIcon icon,
                         TPromptButtons buttons) {
    return prompts.Message({text, MessageCaption(icon), icon, buttons});
}

void ShowApplicationError(TPrompts& prompts, const QString& message) {
    QString text = message;
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        text += QLatin1Char('.');
    prompts.Message({text, QCoreApplication::applicationName(), TPromptIcon::Error, pbOk});
}

TPromptButton EscapeButton(TPromptButtons buttons) {
    for (TPromptButton b : {pbCancel, pbNo, pbAbort, pbOk})
        if (buttons & b)
            return b;
    return pbCancel;
}

QString ToolkitFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

TPromptButton TQtPrompts::Message(const TMessageRequest& request) {
    QMessageBox box(BoxIcon(request.Icon), request.Caption, request.Text, QMessageBox::NoButton,
                    FParent);
    for (const auto& [ours, theirs] : ButtonPairs)
        if (request.Buttons & ours)
            box.addButton(theirs);
    if (request.Buttons == pbNone)
        box.addButton(QMessageBox::Ok);
    const TPromptButton escape = EscapeButton(request.Buttons);
    for (const auto& [ours, theirs] : ButtonPairs)
        if (ours == escape && (request.Buttons & ours))
            box.setEscapeButton(theirs);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [ours, theirs] : ButtonPairs)
        if (theirs == clicked)
            return ours;
    return escape;
}

QStringList TQtPrompts::OpenFiles(const TOpenFileRequest& request) {
    const QString filter = ToolkitFileFilter(request.Filter);
    if (request.Multiple)
        return QFileDialog::getOpenFileNames(FParent, request.Title, request.InitialFolder, filter);
    const QString file =
        QFileDialog::getOpenFileName(FParent, request.Title, request.InitialFolder, filter);
    return file.isEmpty() ? QStringList() : QStringList{file};
}

std::optional<QString> TQtPrompts::PickFolder(const TFolderRequest& request) {
    QFileDialog dialog(FParent, request.Caption, request.StartFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Read-only is the toolkit's way to take the New Folder button away.
    dialog.setOption(QFileDialog::ReadOnly, !request.AllowNewFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // An empty choice stays empty rather than becoming the root folder.
    const QString chosen = dialog.selectedFiles().constFirst();
    return chosen.isEmpty() ? chosen : WithTrailingSlash(chosen);
}

std::optional<QColor> TQtPrompts::PickColour(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, FParent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<TFontDialogChoice> TQtPrompts::PickFont(const TFontDialogChoice& initial) {
    TFontColourDialog dialog(initial, FParent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

std::optional<QString> TQtPrompts::QueryText(const TTextQuery& query) {
    bool ok = false;
    const QString text = QInputDialog::getText(FParent, query.Caption, query.Prompt,
                                               QLineEdit::Normal, query.Value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
