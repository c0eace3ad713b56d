#include "RawPrintJob.h"

#include "report/ReportPrinter.h"

#include <cups/cups.h>

#include <thread>

namespace ticket {

PrinterFacts printerFacts(const QString& printer) {
    PrinterFacts facts;
    const QByteArray name = printer.toUtf8();
    if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr)) {
        if (const char* model =
                cupsGetOption("printer-make-and-model", dest->num_options, dest->options)) {
            facts.makeAndModel = model;
        }
        cupsFreeDests(1, dest);
    }
    return facts;
}

namespace {

// The job's state: pending, held or processing while the printer has not taken it yet.
ipp_jstate_t jobState(const char* printer, int id) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer, 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = IPP_JSTATE_ABORTED;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id == id) {
            state = jobs[i].state;
        }
    }
    cupsFreeJobs(count, jobs);
    return state;
}

} // namespace

void printRawJob(const QString& printer, const std::string& bytes,
                 std::chrono::milliseconds patience, const std::function<void()>& waiting) {
    const QByteArray name = printer.toUtf8();
    const int id = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), "", 0, nullptr);
    if (id == 0) {
        throw report::EPrintError(cupsLastErrorString());
    }
    const bool sent = cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), id, "",
                                        CUPS_FORMAT_RAW, 1) == HTTP_STATUS_CONTINUE &&
                      cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.data(), bytes.size()) ==
                          HTTP_STATUS_CONTINUE &&
                      cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) == IPP_STATUS_OK;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    ipp_jstate_t state = sent ? jobState(name.constData(), id) : IPP_JSTATE_ABORTED;
    while (state < IPP_JSTATE_STOPPED && std::chrono::steady_clock::now() < deadline) {
        waiting();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        state = jobState(name.constData(), id);
    }
    if (state != IPP_JSTATE_COMPLETED) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), id, 0);
        throw report::EPrintError(sent ? "The receipt printer did not take the ticket."
                                       : cupsLastErrorString());
    }
}

} // namespace ticket
