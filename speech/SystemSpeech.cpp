#include "SystemSpeech.h"

#include "VoiceEngine.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace speech {

// The engine lives on a thread of its own: connecting and speaking take their time there, and the
// caller only leaves the latest text. A text not yet taken up is replaced by a newer one.
struct SystemSpeech::Engine {
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<std::string> text;
    std::vector<std::promise<bool>> probes;
    bool stopping = false;
    std::thread thread;

    void run() {
        auto engine = std::make_unique<VoiceEngine>();
        for (;;) {
            std::optional<std::string> next;
            std::vector<std::promise<bool>> asked;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return stopping || text || !probes.empty(); });
                if (stopping) {
                    break;
                }
                next.swap(text);
                asked.swap(probes);
            }
            // A voice installed since the start is found when the settings window asks.
            if (!asked.empty() && !engine->hasChineseVoice()) {
                engine.reset();
                engine = std::make_unique<VoiceEngine>();
            }
            for (auto& probe : asked) {
                probe.set_value(engine->hasChineseVoice());
            }
            if (next) {
                engine->say(*next);
            }
        }
        std::lock_guard lock(mutex);
        for (auto& probe : probes) {
            probe.set_value(false);
        }
    }
};

SystemSpeech::SystemSpeech() : engine_(std::make_unique<Engine>()) {
    engine_->thread = std::thread([engine = engine_.get()] { engine->run(); });
}

SystemSpeech::~SystemSpeech() {
    {
        std::lock_guard lock(engine_->mutex);
        engine_->stopping = true;
    }
    engine_->wake.notify_one();
    engine_->thread.join();
}

void SystemSpeech::say(const std::string& text) {
    {
        std::lock_guard lock(engine_->mutex);
        engine_->text = text;
    }
    engine_->wake.notify_one();
}

bool SystemSpeech::hasChineseVoice() {
    std::future<bool> answer;
    {
        std::lock_guard lock(engine_->mutex);
        answer = engine_->probes.emplace_back().get_future();
    }
    engine_->wake.notify_one();
    return answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready && answer.get();
}

} // namespace speech
