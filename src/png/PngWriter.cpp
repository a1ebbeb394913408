// Writing a picture to a file.

#include "core/TFileReplacement.h"
#include "png/CheckedWriteStream.h"
#include "png/TPNGObject.h"

void TPNGObject::WriteToFile(const std::string& fileName) {
    // Raises EFCreateError "Cannot create file ..." before anything is written. The picture
    // goes to a new file that replaces the old one only once it is complete: a cut-off PNG is
    // of no use to anyone, and a failed save must not cost the user the file saved before.
    TFileReplacement file(fileName);
    png::CheckedWriteStream checked(file.Stream());
    WriteToStream(checked);
    file.Commit();
}
