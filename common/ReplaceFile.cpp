#include "ReplaceFile.h"

#include "Errors.h"
#include "FileIo.h"
#include "ReplaceFileSteps.h"

#include <string>

namespace common {

namespace {

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    return temporary;
}

[[noreturn]] void failCreate(const std::filesystem::path& path, const std::string& reason) {
    throw EFCreateError("Cannot create file \"" + fullPathText(path) + "\". " + reason);
}

} // namespace

void replaceFile(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path temporary = temporaryPathFor(path);
    try {
        replace_steps::writeAndFlush(temporary, content);
        replace_steps::moveIntoPlace(temporary, path);
    } catch (const std::runtime_error& failure) {
        replace_steps::removeTemporary(temporary);
        failCreate(path, failure.what());
    }
}

} // namespace common
