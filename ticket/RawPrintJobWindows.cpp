#include "RawPrintJob.h"

#include "common/FileIo.h"
#include "report/ReportPrinter.h"

#include <windows.h>

#include <optional>
#include <thread>
#include <vector>

namespace ticket {

namespace {

class PrinterHandle {
public:
    explicit PrinterHandle(const QString& printer) {
        std::wstring name = printer.toStdWString();
        if (!OpenPrinterW(name.data(), &handle_, nullptr)) {
            handle_ = nullptr;
        }
    }
    ~PrinterHandle() {
        if (handle_) {
            ClosePrinter(handle_);
        }
    }
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

std::string utf8(const wchar_t* text) {
    return text ? QString::fromWCharArray(text).toStdString() : std::string();
}

[[noreturn]] void fail(const char* what) {
    throw report::EPrintError(std::string(what) + ": " + common::lastSystemErrorText());
}

// The job's status while the spooler holds it; nothing once it has gone from the queue.
std::optional<DWORD> jobStatus(HANDLE printer, DWORD id) {
    DWORD needed = 0;
    GetJobW(printer, id, 1, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !GetJobW(printer, id, 1, buffer.data(), needed, &needed)) {
        return std::nullopt;
    }
    return reinterpret_cast<const JOB_INFO_1W*>(buffer.data())->Status;
}

// Held by the spooler and neither printed nor stuck.
bool waitingForPrinter(std::optional<DWORD> status) {
    return status && !(*status & (JOB_STATUS_PRINTED | JOB_STATUS_ERROR | JOB_STATUS_OFFLINE |
                                  JOB_STATUS_PAPEROUT | JOB_STATUS_USER_INTERVENTION |
                                  JOB_STATUS_BLOCKED_DEVQ | JOB_STATUS_DELETED));
}

} // namespace

PrinterFacts printerFacts(const QString& printer) {
    PrinterFacts facts;
    PrinterHandle handle(printer);
    DWORD needed = 0;
    if (!handle.get()) {
        return facts;
    }
    GetPrinterW(handle.get(), 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && GetPrinterW(handle.get(), 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        facts.driver = utf8(info->pDriverName);
        facts.port = utf8(info->pPortName);
    }
    return facts;
}

void printRawJob(const QString& printer, const std::string& bytes,
                 std::chrono::milliseconds patience, const std::function<void()>& waiting) {
    PrinterHandle handle(printer);
    if (!handle.get()) {
        fail("The printer could not be opened");
    }
    wchar_t noName[] = L"";
    wchar_t raw[] = L"RAW";
    DOC_INFO_1W document{noName, nullptr, raw};
    const DWORD id = StartDocPrinterW(handle.get(), 1, reinterpret_cast<BYTE*>(&document));
    if (id == 0) {
        fail("The print job could not be made");
    }
    DWORD written = 0;
    const bool sent = StartPagePrinter(handle.get()) &&
                      WritePrinter(handle.get(), const_cast<char*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size()), &written) &&
                      written == bytes.size() && EndPagePrinter(handle.get());
    if (!EndDocPrinter(handle.get()) || !sent) {
        SetJobW(handle.get(), id, 0, nullptr, JOB_CONTROL_DELETE);
        fail("The ticket could not be sent");
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::optional<DWORD> status = jobStatus(handle.get(), id);
    while (waitingForPrinter(status) && std::chrono::steady_clock::now() < deadline) {
        waiting();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        status = jobStatus(handle.get(), id);
    }
    if (status && !(*status & JOB_STATUS_PRINTED)) {
        SetJobW(handle.get(), id, 0, nullptr, JOB_CONTROL_DELETE);
        throw report::EPrintError("The receipt printer did not take the ticket.");
    }
}

} // namespace ticket
