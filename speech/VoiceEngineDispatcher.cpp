#include "VoiceEngine.h"

#include "common/Codepage.h"

#include <libspeechd.h>
#include <pthread.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <string>

namespace speech {

struct VoiceEngine::Handle {
    SPDConnection* connection;
};

namespace {

// Mandarin as speech-dispatcher's modules name it: espeak-ng's "cmn", or "zh" alone or with the
// mainland's region.
bool isMandarin(std::string language) {
    std::transform(language.begin(), language.end(), language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto startsWith = [&](const char* prefix) { return language.rfind(prefix, 0) == 0; };
    return language == "cmn" || startsWith("cmn-") || language == "zh" || startsWith("zh-cn") ||
           startsWith("zh_cn");
}

// Sets the first Mandarin voice of the output module; false when it has none.
bool chooseMandarinVoice(SPDConnection* connection) {
    SPDVoice** voices = spd_list_synthesis_voices(connection);
    bool chosen = false;
    for (SPDVoice** voice = voices; voice && *voice && !chosen; ++voice) {
        if ((*voice)->language && isMandarin((*voice)->language)) {
            chosen = spd_set_language(connection, (*voice)->language) == 0 &&
                     spd_set_synthesis_voice(connection, (*voice)->name) == 0;
        }
    }
    free_spd_voices(voices);
    return chosen;
}

} // namespace

VoiceEngine::VoiceEngine() {
    // libspeechd writes to the server's socket without MSG_NOSIGNAL. With SIGPIPE blocked on the
    // engine's thread, a server that has died makes the write fail instead of ending the program.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);

    char* error = nullptr;
    // Starts the user's speech server when none runs yet.
    SPDConnection* connection =
        spd_open2("qianhaotong", "announcement", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    std::free(error);
    if (!connection) {
        return;
    }
    if (!chooseMandarinVoice(connection)) {
        spd_close(connection);
        return;
    }
    handle_ = new Handle{connection};
}

VoiceEngine::~VoiceEngine() {
    if (handle_) {
        spd_close(handle_->connection);
        delete handle_;
    }
}

bool VoiceEngine::hasChineseVoice() const {
    return handle_ != nullptr;
}

void VoiceEngine::say(const std::string& text) {
    if (!handle_) {
        return;
    }
    spd_cancel(handle_->connection);
    spd_say(handle_->connection, SPD_TEXT, common::gbkToUtf8(text).c_str());
}

} // namespace speech
