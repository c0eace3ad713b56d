#include "VoiceEngine.h"

#include "common/Codepage.h"

// The GUIDs of SAPI are defined here: sapi.dll has no import library to take them from.
#include <initguid.h>

#include <windows.h>

#include <sapi.h>

namespace speech {

struct VoiceEngine::Handle {
    ISpVoice* voice;
};

namespace {

constexpr wchar_t voicesCategory[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";

// The first installed voice of language 804, Chinese (PRC); none when there is none.
ISpObjectToken* firstChineseVoice() {
    ISpObjectTokenCategory* category = nullptr;
    IEnumSpObjectTokens* tokens = nullptr;
    ISpObjectToken* token = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                   IID_ISpObjectTokenCategory,
                                   reinterpret_cast<void**>(&category))) &&
        SUCCEEDED(category->SetId(voicesCategory, FALSE)) &&
        SUCCEEDED(category->EnumTokens(L"Language=804", nullptr, &tokens)) &&
        tokens->Next(1, &token, nullptr) != S_OK) {
        token = nullptr;
    }
    if (tokens) {
        tokens->Release();
    }
    if (category) {
        category->Release();
    }
    return token;
}

} // namespace

// The speaking thread is an apartment of its own, as SAPI's objects want.
VoiceEngine::VoiceEngine() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ISpObjectToken* token = firstChineseVoice();
    if (!token) {
        return;
    }
    ISpVoice* voice = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                   reinterpret_cast<void**>(&voice))) &&
        SUCCEEDED(voice->SetVoice(token))) {
        handle_ = new Handle{voice};
    } else if (voice) {
        voice->Release();
    }
    token->Release();
}

VoiceEngine::~VoiceEngine() {
    if (handle_) {
        handle_->voice->Release();
        delete handle_;
    }
    CoUninitialize();
}

bool VoiceEngine::hasChineseVoice() const {
    return handle_ != nullptr;
}

void VoiceEngine::say(const std::string& text) {
    if (!handle_) {
        return;
    }
    handle_->voice->Speak(common::wideFromGbk(text).c_str(),
                          SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
}

} // namespace speech
