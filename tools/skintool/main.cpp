// skintool: looks into skin packages and skins. Any refused input gives one line on stderr
// and exit status 1.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "PackageCommands.h"
#include "PreviewSendCommand.h"
#include "RenderCommand.h"
#include "SkinDump.h"

namespace {

constexpr const char* kUsage =
    "usage: skintool info PACKAGE | unpack PACKAGE DIR | pack DIR PACKAGE | sections SKIN | masks "
    "SKIN |\n"
    "       picture SKIN SECTION KEY OUT.png |\n"
    "       render SKIN SECTION WxH STATE [--parent SECTION] OUT.png |\n"
    "       preview-send [--hold] NAME DIRECTORY [OPTIONS.DAT]\n"
    "SKIN is a package file, a skin folder or --internal; PACKAGE may be --internal.\n";

int Run(const std::vector<std::string>& a) {
    const std::string& command = a[0];
    if (command == "info" && a.size() == 2) {
        skintool::PrintPackageInfo(a[1]);
    } else if (command == "unpack" && a.size() == 3) {
        skintool::UnpackPackage(a[1], a[2]);
    } else if (command == "pack" && a.size() == 3) {
        skintool::PackFolder(a[1], a[2]);
    } else if (command == "sections" && a.size() == 2) {
        skintool::PrintSections(*skintool::LoadAnySkin(a[1]));
    } else if (command == "masks" && a.size() == 2) {
        skintool::PrintMasks(*skintool::LoadAnySkin(a[1]));
    } else if (command == "picture" && a.size() == 5) {
        skintool::WritePicture(*skintool::LoadAnySkin(a[1]), a[2], a[3], a[4]);
    } else if (command == "render" && (a.size() == 6 || (a.size() == 8 && a[5] == "--parent"))) {
        skintool::RenderFace(*skintool::LoadAnySkin(a[1]), a[2], a[3], std::stoi(a[4]),
                             a.size() == 8 ? a[6] : std::string(), a.back());
    } else if (command == "preview-send" && a.size() >= 3 && a.size() <= 5) {
        const bool hold = a[1] == "--hold";
        const std::size_t first = hold ? 2 : 1;
        if (a.size() < first + 2) throw std::invalid_argument("preview-send needs NAME DIRECTORY");
        return skintool::PreviewSend(a[first], a[first + 1],
                                     a.size() == first + 3 ? a[first + 2] : std::string(), hold);
    } else {
        std::fprintf(
            stderr,
            "skintool: unknown command or wrong arguments: %s (run skintool alone for the usage)\n",
            command.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skintool: %s\n", error.what());
        return 1;
    }
}
