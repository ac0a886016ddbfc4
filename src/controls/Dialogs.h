#pragma once
// Message boxes, input boxes and balloon notices go through one interface, so that tests
// answer them in advance instead of facing a modal box.

#include <deque>
#include <optional>
#include <string>
#include <vector>

class BalloonTip;

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // style: 0 OK, 1 OK and Cancel, 16 error icon and OK. 0 = OK pressed, else 1.
    virtual int messageBox(const std::string& message, int style, const std::string& title) = 0;
    // mode 1 plain, 4 masked. False when cancelled (text unchanged then).
    virtual bool inputBox(const std::string& prompt, const std::string& title,
                          const std::string* initial, std::string& text, int mode) = 0;
    virtual void balloon(BalloonTip* unit, int x, int y, const std::string& text, int style,
                         bool flag) = 0;
};

// The dialogs in use: the Qt ones unless a test set others.
Dialogs& CurrentDialogs();
// nullptr restores the Qt dialogs. The caller keeps ownership.
void SetDialogs(Dialogs* dialogs);

// The real modal boxes, and the balloon unit's popup.
class QtDialogs : public Dialogs {
  public:
    int messageBox(const std::string& message, int style, const std::string& title) override;
    bool inputBox(const std::string& prompt, const std::string& title, const std::string* initial,
                  std::string& text, int mode) override;
    void balloon(BalloonTip* unit, int x, int y, const std::string& text, int style,
                 bool flag) override;
};

// Dialogs for tests: answers are queued in advance and everything shown is recorded in
// order. Nothing blocks: a message box without a queued answer returns 0 (OK), an input box
// without one is cancelled. A balloon also pops its unit up, as a balloon never blocks.
class ScriptedDialogs : public Dialogs {
  public:
    struct MessageBoxShown {
        std::string message, title;
        int style = 0;
    };
    struct InputBoxShown {
        std::string prompt, title;
        std::optional<std::string> initial;
        int mode = 0;
    };
    struct BalloonShown {
        BalloonTip* unit = nullptr;
        int x = 0, y = 0;
        std::string text;
        int style = 0;
        bool flag = false;
    };

    void queueMessageBoxAnswer(int answer);
    void queueInputBoxText(std::string text);
    void queueInputBoxCancel();

    const std::vector<MessageBoxShown>& messageBoxes() const { return messageBoxes_; }
    const std::vector<InputBoxShown>& inputBoxes() const { return inputBoxes_; }
    const std::vector<BalloonShown>& balloons() const { return balloons_; }
    // Messages, prompts and balloon texts of every kind together, in the order shown.
    const std::vector<std::string>& shownTexts() const { return shownTexts_; }
    // Forgets the queued answers and the records.
    void clear();

    int messageBox(const std::string& message, int style, const std::string& title) override;
    bool inputBox(const std::string& prompt, const std::string& title, const std::string* initial,
                  std::string& text, int mode) override;
    void balloon(BalloonTip* unit, int x, int y, const std::string& text, int style,
                 bool flag) override;

  private:
    std::deque<int> messageAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;  // nullopt: cancel
    std::vector<MessageBoxShown> messageBoxes_;
    std::vector<InputBoxShown> inputBoxes_;
    std::vector<BalloonShown> balloons_;
    std::vector<std::string> shownTexts_;
};
