#include "ReportModel.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace report {

Label& Report::label(const std::string& labelName) {
    return const_cast<Label&>(std::as_const(*this).label(labelName));
}

const Label& Report::label(const std::string& labelName) const {
    const auto found = std::find_if(titleBand.labels.begin(), titleBand.labels.end(),
                                    [&](const Label& l) { return l.name == labelName; });
    if (found == titleBand.labels.end()) {
        throw std::out_of_range("no label " + labelName);
    }
    return *found;
}

} // namespace report
