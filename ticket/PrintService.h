#pragma once

#include "report/ReportModel.h"

namespace ticket {

// Puts a report on paper. Fails with an exception when nothing can be printed; a print asked
// for while another is under way is ignored.
class PrintService {
public:
    virtual ~PrintService() = default;
    virtual void print(const report::Report& report) = 0;
};

} // namespace ticket
