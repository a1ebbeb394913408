#include "pngtool/RecodeCommand.h"

#include "png/TPNGObject.h"
#include "pngtool/PictureInput.h"

namespace pngtool {

int Recode(const std::vector<std::string>& args) {
    TPNGObject picture;
    pngtool::ReadPictureFile(picture, args[0]);
    picture.WriteToFile(args[1]);
    return 0;
}

}  // namespace pngtool
