#pragma once

#include "Prompts.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class QFileIconProvider;
class QFileSystemModel;
class QModelIndex;
class QPushButton;
class QTimer;
class QTreeView;

inline const QString NewFolderFailedText = QStringLiteral("Could not create new folder.");

// The folder the tree opens at: the given folder when it exists, else the desktop folder.
QString PickerStartFolder(const QString& path);

// A chosen folder as the callers take it: with one trailing "/".
QString FolderWithSlash(const QString& folder);

// The path of a new folder directly below the parent; none for a name that is not one plain
// folder name (empty, "." or "..", or holding a "/").
std::optional<QString> NewFolderPath(const QString& parent, const QString& name);

// The program's folder chooser: a tree of the file system's folders with OK, Cancel and,
// when offered, "&New Folder". Made anew for every use.
class TAddFolderForm : public QDialog {
    Q_OBJECT

public:
    explicit TAddFolderForm(TPrompts& prompts, QWidget* parent = nullptr);
    ~TAddFolderForm() override;

    // Opens the tree at the folder and selects it; the desktop when the folder does not exist.
    void OpenAt(const QString& path);
    void SetNewFolderOffered(bool offered);

    // The selected folder without a trailing "/"; empty when nothing is selected.
    QString SelectedFolder() const;
    bool Accepted() const { return result() == QDialog::Accepted; }

    void NewFolderBClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FollowSelection();
    void FolderTreeChange();
    void SelectIndex(const QModelIndex& index);

    TPrompts& FPrompts;
    std::unique_ptr<QFileIconProvider> FIcons;
    QFileSystemModel* FModel;
    QTreeView* FFolderTree;
    QPushButton* FNewFolderB;
    QPushButton* FOKButton;
    QPushButton* FCancelButton;
    QTimer* FFollowTimer;
    bool FFollowSelection = true;
};

// Shows the folder chooser with the caption; opens at the path when it is an existing folder.
// When confirmed the path becomes the chosen folder with a trailing "/" and the result is
// true; otherwise the path is left as it was.
bool PickFolder(TPrompts& prompts, QString& path, const QString& caption, bool offerNewFolder,
                QWidget* parent = nullptr);

// The program's prompts with the folder tree above as the folder dialog.
class TFolderTreePrompts : public TQtPrompts {
public:
    using TQtPrompts::TQtPrompts;
    std::optional<QString> PickFolder(const TFolderRequest& request) override;
};
