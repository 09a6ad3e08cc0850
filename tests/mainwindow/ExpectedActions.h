#pragma once

#include "ActionTable.h"

#include <QKeySequence>
#include <QList>
#include <QSet>
#include <QString>

#include <vector>

namespace ZVTest {

// The action list as the user meets it, written out apart from the program's own table.
struct TExpectedAction {
    const char* Name;
    const char* Category;
    const char* Caption;
    const char* Hint;
    int Icon;
    QList<QKeySequence> Shortcuts;
};

inline const std::vector<TExpectedAction>& ExpectedActions() {
    static const std::vector<TExpectedAction> actions = {
        {"AddFile", "File", "Add file", "Add file(s) to the list ", 0, {Qt::Key_Insert}},
        {"AddFolderAct",
         "File",
         "Add folder",
         "Add folder to the list",
         1,
         {Qt::CTRL | Qt::Key_Insert}},
        {"AddTwainFiles",
         "File",
         "Add Twain",
         "Add files from twain source",
         11,
         {Qt::CTRL | Qt::ALT | Qt::Key_Insert}},
        {"RemoveFile",
         "File",
         "Remove",
         "Remove selected files from the list",
         10,
         {Qt::Key_Delete}},
        {"ClearAll",
         "File",
         "Clear all",
         "Remove all files from the list",
         2,
         {Qt::CTRL | Qt::Key_Delete}},
        {"ImagePreview", "File", "Preview", "Preview selected file", 7, {Qt::Key_F2}},
        {"ImageRotateLeft",
         "File",
         "Rotate left",
         "Rotate left selected image",
         14,
         {Qt::CTRL | Qt::Key_L}},
        {"ImageRotateRight",
         "File",
         "Rotate right",
         "Rotate right selected image",
         15,
         {Qt::CTRL | Qt::Key_R}},
        {"EditPaste", "Edit", "Paste", "Paste files from the clipboard", 8, {Qt::CTRL | Qt::Key_V}},
        {"EditSelectAll",
         "Edit",
         "Select All",
         "Select all images from the list",
         -1,
         {Qt::CTRL | Qt::Key_A}},
        {"ProcessImages",
         "Edit",
         "Process",
         "Process files from the list",
         4,
         {Qt::CTRL | Qt::Key_P}},
        {"EmailImages",
         "Edit",
         "Process && Email",
         "Process and email files from the list",
         9,
         {Qt::CTRL | Qt::Key_E}},
        {"ScreenSaverImages",
         "Edit",
         "Screen Saver",
         "Process the files and add to screen saver",
         16,
         {Qt::CTRL | Qt::Key_D}},
        {"ZVWizard", "Edit", "Wizard", "Start Zoravel Wizard", 13, {Qt::CTRL | Qt::Key_W}},
        {"PauseProcessing",
         "Edit",
         "Stop",
         "Pause processing",
         12,
         {Qt::CTRL | Qt::Key_S, Qt::Key_Pause}},
        {"Defaults", "Edit", "Options", "Show settings dialog", 3, {Qt::CTRL | Qt::Key_O}},
        {"ShowHideOptions", "Edit", "ShowHide", "", -1, {}},
        {"Help", "Help", "Help", "Show help", 6, {Qt::Key_F1}},
        {"About", "Help", "About", "Show 'About' dialog", 5, {}},
        {"HelpSupport", "Help", "Support", "Web support", -1, {}},
        {"HelpContactUs", "Help", "Contact Us", "Web contact info", -1, {}},
    };
    return actions;
}

// A state of the window and the actions it leaves enabled.
struct TExpectedRule {
    const char* Situation;
    TActionState State;
    QSet<QString> Enabled;
};

inline const QSet<QString>& AlwaysEnabled() {
    static const QSet<QString> names = {"ShowHideOptions", "HelpSupport", "HelpContactUs"};
    return names;
}

inline const std::vector<TExpectedRule>& ExpectedRules() {
    const QSet<QString> idle =
        AlwaysEnabled() + QSet<QString>{"AddFile",       "AddFolderAct", "AddTwainFiles",
                                        "ProcessImages", "EmailImages",  "Defaults",
                                        "Help",          "About"};
    const QSet<QString> withEntries =
        idle + QSet<QString>{"ClearAll", "ScreenSaverImages", "ZVWizard"};
    const QSet<QString> busy = AlwaysEnabled() + QSet<QString>{"PauseProcessing"};
    static const std::vector<TExpectedRule> rules = {
        {"idle, empty list", {true, 0, 0, false}, idle},
        {"idle, entries, none selected", {true, 3, 0, false}, withEntries},
        {"idle, one selected",
         {true, 3, 1, false},
         withEntries +
             QSet<QString>{"RemoveFile", "ImagePreview", "ImageRotateLeft", "ImageRotateRight"}},
        {"idle, two selected",
         {true, 3, 2, false},
         withEntries + QSet<QString>{"RemoveFile", "ImagePreview"}},
        {"idle, files on the clipboard", {true, 0, 0, true}, idle + QSet<QString>{"EditPaste"}},
        {"busy, empty list", {false, 0, 0, false}, busy},
        {"busy, one selected, files on the clipboard", {false, 3, 1, true}, busy},
        {"busy, all selected", {false, 3, 3, false}, busy},
    };
    return rules;
}

} // namespace ZVTest
