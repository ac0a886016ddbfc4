#include "BalloonTip.h"
#include "Dialogs.h"

void ScriptedDialogs::queueMessageBoxAnswer(int answer) { messageAnswers_.push_back(answer); }

void ScriptedDialogs::queueInputBoxText(std::string text) {
    inputAnswers_.emplace_back(std::move(text));
}

void ScriptedDialogs::queueInputBoxCancel() { inputAnswers_.emplace_back(std::nullopt); }

void ScriptedDialogs::clear() {
    messageAnswers_.clear();
    inputAnswers_.clear();
    messageBoxes_.clear();
    inputBoxes_.clear();
    balloons_.clear();
    shownTexts_.clear();
}

int ScriptedDialogs::messageBox(const std::string& message, int style, const std::string& title) {
    messageBoxes_.push_back({message, title, style});
    shownTexts_.push_back(message);
    if (messageAnswers_.empty()) return 0;
    const int answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

bool ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                               const std::string* initial, std::string& text, int mode) {
    inputBoxes_.push_back({prompt, title, initial ? std::optional(*initial) : std::nullopt, mode});
    shownTexts_.push_back(prompt);
    if (inputAnswers_.empty()) return false;
    std::optional<std::string> answer = std::move(inputAnswers_.front());
    inputAnswers_.pop_front();
    if (!answer) return false;
    text = std::move(*answer);
    return true;
}

void ScriptedDialogs::balloon(BalloonTip* unit, int x, int y, const std::string& text, int style,
                              bool flag) {
    balloons_.push_back({unit, x, y, text, style, flag});
    shownTexts_.push_back(text);
    if (unit) unit->popUp(x, y, text, style, flag);
}
