#pragma once

#include "Speech.h"

#include <memory>

namespace speech {

// The system's speech: SAPI 5 with the first installed voice of language 804 (Chinese, PRC) on
// Windows; speech-dispatcher with a Mandarin voice elsewhere.
class SystemSpeech final : public Speech {
public:
    SystemSpeech();
    ~SystemSpeech() override;
    SystemSpeech(const SystemSpeech&) = delete;
    SystemSpeech& operator=(const SystemSpeech&) = delete;

    void say(const std::string& text) override;
    bool hasChineseVoice() override;

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
};

} // namespace speech
