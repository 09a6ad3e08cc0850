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
    TPromptCall call;
    call.Kind = TPromptCall::OpenFiles;
    call.OpenRequest = request;
    FCalls << call;
    const auto answer = Next(TPromptCall::OpenFiles, request.Title);
    return answer ? std::get<QStringList>(*answer) : QStringList();
}

std::optional<QString> TScriptedPrompts::PickFolder(const TFolderRequest& request) {
    TPromptCall call;
    call.Kind = TPromptCall::PickFolder;
    call.FolderRequest = request;
    FCalls << call;
    const auto answer = Next(TPromptCall::PickFolder, request.Caption);
    return answer ? std::get<std::optional<QString>>(*answer) : std::nullopt;
}

std::optional<QColor> TScriptedPrompts::PickColour(const QColor& initial) {
    TPromptCall call;
    call.Kind = TPromptCall::PickColour;
    call.InitialColour = initial;
    FCalls << call;
    const auto answer = Next(TPromptCall::PickColour, initial.name());
    return answer ? std::get<std::optional<QColor>>(*answer) : std::nullopt;
}

std::optional<TFontDialogChoice> TScriptedPrompts::PickFont(const TFontDialogChoice& initial) {
    TPromptCall call;
    call.Kind = TPromptCall::PickFont;
    call.InitialFont = initial;
    FCalls << call;
    const auto answer = Next(TPromptCall::PickFont, initial.Font.family());
    return answer ? std::get<std::optional<TFontDialogChoice>>(*answer) : std::nullopt;
}

std::optional<QString> TScriptedPrompts::QueryText(const TTextQuery& query) {
    TPromptCall call;
    call.Kind = TPromptCall::QueryText;
    call.Query = query;
    FCalls << call;
    const auto answer = Next(TPromptCall::QueryText, query.Prompt);
    return answer ? std::get<std::optional<QString>>(*answer) : std::nullopt;
}

} // namespace ZVTest
