#pragma once

#include <string>

// Where a library reports a failure the user must see. The application shows each report as
// a modal message box with one OK button and returns once it is dismissed; tests collect the
// texts. Reports may come from a worker thread.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Report(const std::string& utf8Text) = 0;
};

// Swallows every report (fuzzing, benchmarks).
class SilentMessageSink : public MessageSink {
public:
    void Report(const std::string&) override {}
};

// Keeps every report as a line of text (command-line tools print them).
class TextMessageSink : public MessageSink {
public:
    void Report(const std::string& utf8Text) override { text += utf8Text + "\n"; }
    std::string text;
};
