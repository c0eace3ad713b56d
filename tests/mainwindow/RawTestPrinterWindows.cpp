#include "RawTestPrinter.h"

#include <windows.h>

#include <stdexcept>

namespace testsupport {

namespace {

wchar_t printerName[] = L"TicketText";

bool printerExists() {
    HANDLE printer = nullptr;
    if (!OpenPrinterW(printerName, &printer, nullptr)) {
        return false;
    }
    ClosePrinter(printer);
    return true;
}

// Wine's own PostScript driver files under the name Windows gives receipt printers' driver; a
// RAW job never reaches the driver.
void addTextOnlyPrinter() {
    wchar_t driverName[] = L"Generic / Text Only";
    wchar_t environment[] = L"Windows x64";
    wchar_t driverFile[] = L"wineps.drv";
    wchar_t dataFile[] = L"TicketRaw.ppd";
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = driverName;
    driver.pEnvironment = environment;
    driver.pDriverPath = driverFile;
    driver.pDataFile = dataFile;
    driver.pConfigFile = driverFile;
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
        throw std::runtime_error("The Generic / Text Only driver could not be added");
    }
    wchar_t port[] = L"CUPS:TicketRaw";
    wchar_t processor[] = L"WinPrint";
    wchar_t datatype[] = L"RAW";
    PRINTER_INFO_2W info{};
    info.pPrinterName = printerName;
    info.pPortName = port;
    info.pDriverName = driverName;
    info.pPrintProcessor = processor;
    info.pDatatype = datatype;
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) {
        throw std::runtime_error("The Generic / Text Only printer could not be added");
    }
    ClosePrinter(printer);
}

} // namespace

QString rawTestPrinter() {
    if (!printerExists()) {
        addTextOnlyPrinter();
    }
    return QString::fromWCharArray(printerName);
}

} // namespace testsupport
