#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>

// The main window's actions, in the order of its action list.
enum class TActionId : int {
    AddFile,
    AddFolderAct,
    AddTwainFiles,
    RemoveFile,
    ClearAll,
    ImagePreview,
    ImageRotateLeft,
    ImageRotateRight,
    EditPaste,
    EditSelectAll,
    ProcessImages,
    EmailImages,
    ScreenSaverImages,
    ZVWizard,
    PauseProcessing,
    Defaults,
    ShowHideOptions,
    Help,
    About,
    HelpSupport,
    HelpContactUs,
};
inline constexpr int ActionCount = 21;

// When an action may execute.
enum class TEnableRule {
    Idle,
    IdleWithSelection,
    IdleWithOneSelected,
    IdleWithEntries,
    IdleWithClipboardFiles,
    Busy,
    Always,
    Never,
};

// What the rules look at.
struct TActionState {
    bool Idle = true;
    int EntryCount = 0;
    int SelectedCount = 0;
    bool ClipboardHasFiles = false;
};

struct TActionInfo {
    TActionId Id;
    const char* Name;
    const char* Category;
    const char* Caption;
    const char* Hint;
    int Icon; // index into the icon lists, -1 for none
    const char* Shortcut;
    const char* SecondShortcut;
    TEnableRule Rule;
};

// The number of icons in each icon file.
inline constexpr int ActionIconCount = 17;

// clang-format off
inline constexpr std::array<TActionInfo, ActionCount> ActionTable = {{
    {TActionId::AddFile, "AddFile", "File", "Add file", "Add file(s) to the list ", 0, "Ins", "", TEnableRule::Idle},
    {TActionId::AddFolderAct, "AddFolderAct", "File", "Add folder", "Add folder to the list", 1, "Ctrl+Ins", "", TEnableRule::Idle},
    {TActionId::AddTwainFiles, "AddTwainFiles", "File", "Add Twain", "Add files from twain source", 11, "Ctrl+Alt+Ins", "", TEnableRule::Idle},
    {TActionId::RemoveFile, "RemoveFile", "File", "Remove", "Remove selected files from the list", 10, "Del", "", TEnableRule::IdleWithSelection},
    {TActionId::ClearAll, "ClearAll", "File", "Clear all", "Remove all files from the list", 2, "Ctrl+Del", "", TEnableRule::IdleWithEntries},
    {TActionId::ImagePreview, "ImagePreview", "File", "Preview", "Preview selected file", 7, "F2", "", TEnableRule::IdleWithSelection},
    {TActionId::ImageRotateLeft, "ImageRotateLeft", "File", "Rotate left", "Rotate left selected image", 14, "Ctrl+L", "", TEnableRule::IdleWithOneSelected},
    {TActionId::ImageRotateRight, "ImageRotateRight", "File", "Rotate right", "Rotate right selected image", 15, "Ctrl+R", "", TEnableRule::IdleWithOneSelected},
    {TActionId::EditPaste, "EditPaste", "Edit", "Paste", "Paste files from the clipboard", 8, "Ctrl+V", "", TEnableRule::IdleWithClipboardFiles},
    {TActionId::EditSelectAll, "EditSelectAll", "Edit", "Select All", "Select all images from the list", -1, "Ctrl+A", "", TEnableRule::Never},
    {TActionId::ProcessImages, "ProcessImages", "Edit", "Process", "Process files from the list", 4, "Ctrl+P", "", TEnableRule::Idle},
    {TActionId::EmailImages, "EmailImages", "Edit", "Process && Email", "Process and email files from the list", 9, "Ctrl+E", "", TEnableRule::Idle},
    {TActionId::ScreenSaverImages, "ScreenSaverImages", "Edit", "Screen Saver", "Process the files and add to screen saver", 16, "Ctrl+D", "", TEnableRule::IdleWithEntries},
    {TActionId::ZVWizard, "ZVWizard", "Edit", "Wizard", "Start Zoravel Wizard", 13, "Ctrl+W", "", TEnableRule::IdleWithEntries},
    {TActionId::PauseProcessing, "PauseProcessing", "Edit", "Stop", "Pause processing", 12, "Ctrl+S", "Pause", TEnableRule::Busy},
    {TActionId::Defaults, "Defaults", "Edit", "Options", "Show settings dialog", 3, "Ctrl+O", "", TEnableRule::Idle},
    {TActionId::ShowHideOptions, "ShowHideOptions", "Edit", "ShowHide", "", -1, "", "", TEnableRule::Always},
    {TActionId::Help, "Help", "Help", "Help", "Show help", 6, "F1", "", TEnableRule::Idle},
    {TActionId::About, "About", "Help", "About", "Show 'About' dialog", 5, "", "", TEnableRule::Idle},
    {TActionId::HelpSupport, "HelpSupport", "Help", "Support", "Web support", -1, "", "", TEnableRule::Always},
    {TActionId::HelpContactUs, "HelpContactUs", "Help", "Contact Us", "Web contact info", -1, "", "", TEnableRule::Always},
}};
// clang-format on

const TActionInfo& ActionInfo(TActionId id);

// The shortcuts of an action, first the main one.
QList<QKeySequence> ActionShortcuts(const TActionInfo& info);

bool IsActionEnabled(TEnableRule rule, const TActionState& state);

// The part of a hint shown in the status bar: the text after "|", or all of it.
QString GetLongHint(const QString& hint);
// The part shown as a tool tip: the text before "|", or all of it.
QString GetShortHint(const QString& hint);

// The first status panel's text for a hint.
QString HintPanelText(const QString& hint);
