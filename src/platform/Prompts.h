#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The standard icon of a message box.
enum class TPromptIcon { None, Information, Warning, Error, Confirmation };

// Buttons of a message box; the answer is one of them.
enum TPromptButton : unsigned {
    pbNone = 0,
    pbOk = 0x01,
    pbCancel = 0x02,
    pbYes = 0x04,
    pbNo = 0x08,
    pbAbort = 0x10,
    pbRetry = 0x20,
    pbIgnore = 0x40,
};
using TPromptButtons = unsigned;
inline constexpr TPromptButtons pbOkCancel = pbOk | pbCancel;
inline constexpr TPromptButtons pbYesNo = pbYes | pbNo;
inline constexpr TPromptButtons pbYesNoCancel = pbYes | pbNo | pbCancel;

struct TMessageRequest {
    QString Text;
    QString Caption;
    TPromptIcon Icon = TPromptIcon::None;
    TPromptButtons Buttons = pbOk;
};

struct TOpenFileRequest {
    QString Title;
    // Pairs of description and patterns separated by "|", patterns by ";".
    QString Filter;
    QString InitialFolder;
    bool Multiple = false;
};

struct TFolderRequest {
    QString Caption;
    // Empty: nothing preselected.
    QString StartFolder;
    bool AllowNewFolder = false;
};

// A font together with the colour chosen in the font dialog's effects part.
struct TFontDialogChoice {
    QFont Font;
    QColor Colour;
};

struct TTextQuery {
    QString Caption;
    QString Prompt;
    QString Value;
};

// Every question, message and common dialog of the program goes through one of these, so
// that tests answer from a script and nothing blocks on a modal window.
class TPrompts {
public:
    virtual ~TPrompts() = default;

    // Shows the message and returns the button that closed it (Cancel, or No when there is no
    // Cancel, when the box is closed otherwise).
    virtual TPromptButton Message(const TMessageRequest& request) = 0;
    // The chosen files; empty when cancelled.
    virtual QStringList OpenFiles(const TOpenFileRequest& request) = 0;
    // The chosen folder ending with "/"; none when cancelled.
    virtual std::optional<QString> PickFolder(const TFolderRequest& request) = 0;
    virtual std::optional<QColor> PickColour(const QColor& initial) = 0;
    // TrueType fonts only, with the colour and effects part.
    virtual std::optional<TFontDialogChoice> PickFont(const TFontDialogChoice& initial) = 0;
    // The edited text; none when cancelled.
    virtual std::optional<QString> QueryText(const TTextQuery& query) = 0;
};

// The caption a message dialog carries for its icon: "Warning", "Error", "Information",
// "Confirm"; the application title for none.
QString MessageCaption(TPromptIcon icon);

// A message dialog: captioned by its icon.
TPromptButton MessageDlg(TPrompts& prompts, const QString& text, TPromptIcon icon,
                         TPromptButtons buttons);

// The application's default error box for an error nobody caught: the message, closed with a
// full stop unless it ends in punctuation, under the application title with the error icon
// and OK.
void ShowApplicationError(TPrompts& prompts, const QString& message);

// The answer given when a box is dismissed without a button (Escape, the close box).
TPromptButton EscapeButton(TPromptButtons buttons);

// "All Supported File Types|*.jpg;*.jpeg|JPG|*.jpg" -> the toolkit's
// "All Supported File Types (*.jpg *.jpeg);;JPG (*.jpg)".
QString ToolkitFileFilter(const QString& filter);

// The real dialogs, modal over the parent.
class TQtPrompts : public TPrompts {
public:
    explicit TQtPrompts(QWidget* parent = nullptr)
        : FParent(parent) {}
    void SetParent(QWidget* parent) { FParent = parent; }

    TPromptButton Message(const TMessageRequest& request) override;
    QStringList OpenFiles(const TOpenFileRequest& request) override;
    std::optional<QString> PickFolder(const TFolderRequest& request) override;
    std::optional<QColor> PickColour(const QColor& initial) override;
    std::optional<TFontDialogChoice> PickFont(const TFontDialogChoice& initial) override;
    std::optional<QString> QueryText(const TTextQuery& query) override;

private:
    QWidget* FParent;
};
