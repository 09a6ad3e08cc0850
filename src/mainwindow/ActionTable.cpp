#include "ActionTable.h"

const TActionInfo& ActionInfo(TActionId id) {
    return ActionTable[static_cast<int>(id)];
}

QList<QKeySequence> ActionShortcuts(const TActionInfo& info) {
    QList<QKeySequence> shortcuts;
    for (const char* text : {info.Shortcut, info.SecondShortcut})
        if (*text != '\0')
            shortcuts << QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText);
    return shortcuts;
}

bool IsActionEnabled(TEnableRule rule, const TActionState& state) {
    switch (rule) {
    case TEnableRule::Idle:
        return state.Idle;
    case TEnableRule::IdleWithSelection:
        return state.Idle && state.SelectedCount > 0;
    case TEnableRule::IdleWithOneSelected:
        return state.Idle && state.SelectedCount == 1;
    case TEnableRule::IdleWithEntries:
        return state.Idle && state.EntryCount > 0;
    case TEnableRule::IdleWithClipboardFiles:
        return state.Idle && state.ClipboardHasFiles;
    case TEnableRule::Busy:
        return !state.Idle;
    case TEnableRule::Always:
        return true;
    case TEnableRule::Never:
        break;
    }
    return false;
}

QString GetLongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString GetShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString HintPanelText(const QString& hint) {
    return QLatin1Char(' ') + GetLongHint(hint);
}
