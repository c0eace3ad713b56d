#pragma once

#include <string>
#include <string_view>

// The drawn entry said aloud at the reveal, on the voices the system has. Speaking never holds up
// a draw and never shows a message: without a Chinese voice or with a failing engine, it is silent.
namespace speech {

// What is said for a drawn entry (GBK): an entry of digits only with "号" after it ("12" is said
// as "12号"), any other entry as it stands.
std::string announcementText(std::string_view entry);

class Speech {
public:
    virtual ~Speech() = default;
    // Starts saying the GBK text and returns at once; a new text cuts off one still being said.
    virtual void say(const std::string& text) = 0;
    // Whether the system has a Chinese (Mandarin) voice to speak with. May take a moment: for the
    // settings window, never for a draw.
    virtual bool hasChineseVoice() = 0;
};

} // namespace speech
