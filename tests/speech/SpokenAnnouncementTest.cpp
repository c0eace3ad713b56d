#include "speech/SystemSpeech.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int sampleRate = 16000;

// A PulseAudio server whose only output is a null sink, in a runtime folder of its own, so that
// the speech server this test starts plays into it and nowhere else.
class NullAudio {
public:
    NullAudio()
        : runtime_(setUp(home_)),
          server_("/usr/bin/pulseaudio",
                  {"--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-n",
                   "--load=module-null-sink sink_name=announcements",
                   "--load=module-native-protocol-unix"}) {}

    // Waits for the server's socket; false after ten seconds.
    bool ready() const {
        for (int i = 0; i < 1000; ++i) {
            if (std::filesystem::exists(runtime_ / "pulse/native")) {
                return true;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    const testsupport::TempFolder& home() const { return home_; }

    // The speech server started for the test ends with it (its modules follow on their own).
    ~NullAudio() { endSpeechServer(); }

    // Kills the speech server the engine started and waits until it is gone (or a zombie of a
    // parent that does not reap), so that its sockets are closed.
    void endSpeechServer() const {
        const std::string pid =
            testsupport::readBytes(runtime_ / "speech-dispatcher/pid/speech-dispatcher.pid");
        if (pid == "<missing>") {
            return;
        }
        ::kill(std::atoi(pid.c_str()), SIGKILL);
        const auto stat =
            std::filesystem::path("/proc") / std::to_string(std::atoi(pid.c_str())) / "stat";
        for (int i = 0; i < 1000; ++i) {
            const std::string status = testsupport::readBytes(stat);
            if (status == "<missing>" || status.find(") Z ") != std::string::npos) {
                return;
            }
            std::this_thread::sleep_for(10ms);
        }
    }

private:
    static std::filesystem::path setUp(const testsupport::TempFolder& home) {
        const auto runtime = home / "runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("HOME", home.path().c_str(), 1);
        unsetenv("PULSE_SERVER");
        unsetenv("DISPLAY");
        return runtime;
    }

    testsupport::TempFolder home_;
    std::filesystem::path runtime_;
    testsupport::ChildProcess server_;
};

std::vector<std::int16_t> samplesOf(const std::string& bytes) {
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                               static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return samples;
}

// Seconds from the first to the last sample above a tenth of full scale; none for silence.
std::optional<double> soundLength(const std::vector<std::int16_t>& samples) {
    const auto loud = [](std::int16_t s) { return std::abs(static_cast<int>(s)) > 3277; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) {
        return std::nullopt;
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
    return static_cast<double>(samples.rend() - last - (first - samples.begin())) / sampleRate;
}

// The recording as a WAV file beside the test program, to listen to.
void keepAsWav(const std::string& raw, const std::string& path) {
    std::ofstream wav(path, std::ios::binary);
    const auto word = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            wav.put(static_cast<char>(value >> (8 * i) & 0xFF));
        }
    };
    wav << "RIFF";
    word(static_cast<std::uint32_t>(36 + raw.size()), 4);
    wav << "WAVEfmt ";
    word(16, 4), word(1, 2), word(1, 2), word(sampleRate, 4), word(sampleRate * 2, 4);
    word(2, 2), word(16, 2);
    wav << "data";
    word(static_cast<std::uint32_t>(raw.size()), 4);
    wav << raw;
}

// The real speech server and its Mandarin voice, heard through the null sink's monitor.
TEST(SystemSpeech, SaysTwelveAloudInMandarin) {
    NullAudio audio;
    ASSERT_TRUE(audio.ready()) << "the audio server did not start";
    const auto recording = audio.home() / "heard.raw";
    testsupport::ChildProcess recorder("/usr/bin/parec",
                                       {"-d", "announcements.monitor", "--raw", "--format=s16le",
                                        "--rate=" + std::to_string(sampleRate), "--channels=1",
                                        recording.string()});
    speech::SystemSpeech speech;
    ASSERT_TRUE(speech.hasChineseVoice()) << "no Mandarin voice (espeak-ng's cmn) was found";
    speech.say("12\xba\xc5"); // 12号

    // Until the sound has come and a second of silence followed it, or twenty seconds.
    std::optional<double> heard;
    for (int i = 0; i < 200; ++i) {
        std::this_thread::sleep_for(100ms);
        const auto samples = samplesOf(testsupport::readBytes(recording));
        heard = soundLength(samples);
        const auto quietTail =
            std::find_if(samples.rbegin(), samples.rend(),
                         [](std::int16_t s) { return std::abs(static_cast<int>(s)) > 3277; }) -
            samples.rbegin();
        if (heard && quietTail > sampleRate) {
            break;
        }
    }
    recorder.kill();
    keepAsWav(testsupport::readBytes(recording), "heard-12.wav");
    ASSERT_TRUE(heard) << "nothing was heard";
    EXPECT_GE(*heard, 0.3);
    EXPECT_LE(*heard, 3.0);
    std::printf("heard %.2f s of speech (heard-12.wav)\n", *heard);
}

// A speech server that dies under a running program: the next announcement finds the socket closed
// (libspeechd writes to it without MSG_NOSIGNAL), and the program stays, silent.
TEST(SystemSpeech, ASpeechServerThatDiesLeavesTheProgramRunning) {
    NullAudio audio;
    ASSERT_TRUE(audio.ready()) << "the audio server did not start";
    speech::SystemSpeech speech;
    ASSERT_TRUE(speech.hasChineseVoice()) << "no Mandarin voice (espeak-ng's cmn) was found";
    audio.endSpeechServer();
    speech.say("12\xba\xc5");
    // The engine takes a text and a question in the order given: once the second answer has
    // come, the text has been sent.
    speech.hasChineseVoice();
    speech.hasChineseVoice();
}

} // namespace
