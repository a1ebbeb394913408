// pngtool: looks at PNG files through the codec. Each command is one function in the table
// below, so further commands slot in beside the existing ones.
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "core/TFileStream.h"
#include "png/PngErrors.h"
#include "png/RgbaRendering.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"
#include "pngtool/PictureInput.h"
#include "pngtool/RecodeCommand.h"

namespace {

const char* TransparencyName(TPNGTransparencyKind kind) {
    switch (kind) {
        case tkColorKey:
            return "tkColorKey";
        case tkAlpha:
            return "tkAlpha";
        default:
            return "tkNone";
    }
}

int Info(const std::vector<std::string>& args) {
    TPNGObject picture;
    pngtool::ReadPictureFile(picture, args[0]);
    const TChunkIHDR& header = picture.Header();
    std::printf(
        "Width: %u\nHeight: %u\nBitDepth: %u\nColorType: %u\nCompressionMethod: %u\nFilterMethod: "
        "%u\n"
        "InterlaceMethod: %u\n",
        header.Width, header.Height, header.BitDepth, header.ColorType, header.CompressionMethod,
        header.FilterMethod, header.InterlaceMethod);
    std::printf("Chunks:\n");
    for (const auto& chunk : picture.ChunkList()) {
        const auto& type = chunk->TypeCode();
        std::printf("  %.4s %u\n", type.data(), chunk->PayloadSize());
    }
    std::printf("Transparency: %s\n", TransparencyName(picture.TransparencyKind()));
    return 0;
}

int Decode(const std::vector<std::string>& args) {
    TPNGObject picture;
    pngtool::ReadPictureFile(picture, args[0]);
    const std::vector<std::uint8_t> rgba = RenderRgba(picture);
    TFileStream out(args[1], TFileStream::Mode::Create);
    const std::string head = "P7\nWIDTH " + std::to_string(picture.PixelWidth()) + "\nHEIGHT " +
                             std::to_string(picture.PixelHeight()) +
                             "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    out.WriteBuffer(head.data(), head.size());
    out.WriteBuffer(rgba.data(), rgba.size());
    return 0;
}

struct Command {
    std::string_view name;
    std::size_t argumentCount;
    const char* usage;
    int (*run)(const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"info", 1, "pngtool info FILE", &Info},
    {"decode", 2, "pngtool decode FILE OUT.pam", &Decode},
    {"recode", 2, "pngtool recode IN.png OUT.png", &pngtool::Recode},
};

// Reports an error as one line on stderr: the codec's texts may hold CR LF line breaks.
int Fail(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, " ");
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
}

int Usage() {
    std::fprintf(stderr, "usage:\n");
    for (const Command& command : kCommands) std::fprintf(stderr, "  %s\n", command.usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    for (const Command& command : kCommands) {
        if (command.name != argv[1]) continue;
        if (static_cast<std::size_t>(argc - 2) != command.argumentCount) return Usage();
        try {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const Exception& error) {
            return Fail(error.Message());
        } catch (const std::bad_alloc&) {
            return Fail("pngtool: out of memory");
        } catch (const std::exception& error) {
            return Fail(std::string("pngtool: ") + error.what());
        } catch (...) {
            return Fail("pngtool: unknown error");
        }
    }
    return Usage();
}
