// Writing a picture to a file.

#include <exception>
#include <filesystem>
#include <system_error>

#include "core/TFileStream.h"
#include "png/CheckedWriteStream.h"
#include "png/TPNGObject.h"

void TPNGObject::WriteToFile(const std::string& fileName) {
    std::exception_ptr failure;
    {
        // Raises EFCreateError "Cannot create file ..." before anything is written.
        TFileStream file(fileName, TFileStream::Mode::Create);
        png::CheckedWriteStream checked(file);
        try {
            WriteToStream(checked);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure) {
        // A cut-off PNG is of no use to anyone and would only look like a saved picture.
        // Only a regular file is removed: a device or pipe given as the name stays.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(fileName, ignored))
            std::filesystem::remove(fileName, ignored);
        std::rethrow_exception(failure);
    }
}
