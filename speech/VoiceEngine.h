#pragma once

#include <string>

namespace speech {

// The system's speech engine with a Chinese voice chosen, used from one thread only (SystemSpeech's
// own). Making one may take a moment (it may start the speech server); it never throws.
class VoiceEngine {
public:
    VoiceEngine();
    ~VoiceEngine();
    VoiceEngine(const VoiceEngine&) = delete;
    VoiceEngine& operator=(const VoiceEngine&) = delete;

    bool hasChineseVoice() const;
    // Starts saying the GBK text, cutting off what is still being said; nothing without a voice.
    void say(const std::string& text);

private:
    struct Handle;
    Handle* handle_ = nullptr; // null without a Chinese voice
};

} // namespace speech
