#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace ZVTest {

namespace {

const char* KindName(TPromptCall::TKind kind) {
    switch (kind) {
    case TPromptCall::Message:
        return "message";
    case TPromptCall::OpenFiles:
        return "open-file dialog";
    case TPromptCall::PickFolder:
        return "folder dialog";
    case TPromptCall::PickColour:
        return "colour dialog";
    case TPromptCall::PickFont:
        return "font dialog";
    case TPromptCall::QueryText:
        return "text query";
    }
    return "prompt";
}

} // namespace

TScriptedPrompts::~TScriptedPrompts() {
    for (const TScripted& left : FAnswers)
        ADD_FAILURE() << "scripted answer for a " << KindName(left.Kind) << " was never asked for";
}

void TScriptedPrompts::AnswerMessage(TPromptButton button) {
    FAnswers.push_back({TPromptCall::Message, button});
}

void TScriptedPrompts::AnswerFiles(const QStringList& files) {
    FAnswers.push_back({TPromptCall::OpenFiles, files});
}

void TScriptedPrompts::AnswerFolder(const std::optional<QString>& folder) {
    FAnswers.push_back({TPromptCall::PickFolder, folder});
}

void TScriptedPrompts::AnswerColour(const std::optional<QColor>& colour) {
    FAnswers.push_back({TPromptCall::PickColour, colour});
}

void TScriptedPrompts::AnswerFont(const std::optional<TFontDialogChoice>& font) {
    FAnswers.push_back({TPromptCall::PickFont, font});
}

void TScriptedPrompts::AnswerText(const std::optional<QString>& text) {
    FAnswers.push_back({TPromptCall::QueryText, text});
}

std::vector<TPromptCall> TScriptedPrompts::CallsOf(TPromptCall::TKind kind) const {
    std::vector<TPromptCall> calls;
    for (const TPromptCall& call : FCalls)
        if (call.Kind == kind)
            calls.push_back(call);
    return calls;
}

std::optional<TScriptedPrompts::TAnswer> TScriptedPrompts::Next(TPromptCall::TKind kind,
                                                                const QString& what) {
    if (FAnswers.empty() || FAnswers.front().Kind != kind) {
        ADD_FAILURE() << "unscripted " << KindName(kind) << ": " << what.toStdString();
        return std::nullopt;
    }
    TAnswer answer = FAnswers.front().Answer;
    FAnswers.pop_front();
    return answer;
}

template <typename TResult>
TResult TScriptedPrompts::Ask(const TPromptCall& call, const QString& what) {
    FCalls << call;
    const std::optional<TAnswer> answer = Next(call.Kind, what);
    // An empty list or no value is what each dialog gives when cancelled.
    return answer ? std::get<TResult>(*answer) : TResult();
}

TPromptButton TScriptedPrompts::Message(const TMessageRequest& request) {
    TPromptCall call;
    call.Kind = TPromptCall::Message;
    call.MessageRequest = request;
    FCalls << call;
    const auto answer = Next(TPromptCall::Message, request.Text);
    if (!answer)
        return EscapeButton(request.Buttons);
    const TPromptButton button = std::get<TPromptButton>(*answer);
    EXPECT_TRUE(request.Buttons & button)
        << "the scripted button is not offered by: " << request.Text.toStdString();
    return button;
}

QStringList TScriptedPrompts::OpenFiles(const TOpenFileRequest& request) {
    return Ask<QStringList>({.Kind = TPromptCall::OpenFiles, .OpenRequest = request},
                            request.Title);
}

std::optional<QString> TScriptedPrompts::PickFolder(const TFolderRequest& request) {
    return Ask<std::optional<QString>>({.Kind = TPromptCall::PickFolder, .FolderRequest = request},
                                       request.Caption);
}

std::optional<QColor> TScriptedPrompts::PickColour(const QColor& initial) {
    return Ask<std::optional<QColor>>({.Kind = TPromptCall::PickColour, .InitialColour = initial},
                                      initial.name());
}

std::optional<TFontDialogChoice> TScriptedPrompts::PickFont(const TFontDialogChoice& initial) {
    return Ask<std::optional<TFontDialogChoice>>(
        {.Kind = TPromptCall::PickFont, .InitialFont = initial}, initial.Font.family());
}

std::optional<QString> TScriptedPrompts::QueryText(const TTextQuery& query) {
    return Ask<std::optional<QString>>({.Kind = TPromptCall::QueryText, .Query = query},
                                       query.Prompt);
}

} // namespace ZVTest
