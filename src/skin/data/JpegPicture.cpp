// JPEG pictures through libjpeg-turbo. libjpeg reports errors by calling error_exit, which by
// default ends the process; ours jumps back here so that the error becomes an exception
// thrown outside the C library's frames.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

// jpeglib.h uses FILE and size_t without declaring them.
#include <jpeglib.h>

#include "core/Text.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPictureDecoding.h"

namespace skin {

namespace {

struct TJpegErrorManager {
    jpeg_error_mgr Base{};
    std::jmp_buf Jump{};
    char Message[JMSG_LENGTH_MAX] = {};
};

struct TJpegProgress {
    jpeg_progress_mgr Base{};
    bool TooManyScans = false;
};

void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<TJpegErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
}

void OnWarning(j_common_ptr, int) {}

// A progressive file may hold any number of scans; each is a full pass, so they are capped.
void OnProgress(j_common_ptr info) {
    auto* progress = reinterpret_cast<TJpegProgress*>(info->progress);
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxJpegScans) {
        progress->TooManyScans = true;
        info->err->msg_code = 0;
        OnError(info);
    }
}

// Lives on the heap and is only changed through a pointer that stays the same, so nothing
// that the jump could leave stale is kept in automatic variables.
struct TJpegRun {
    jpeg_decompress_struct Info{};
    TJpegErrorManager Errors;
    TJpegProgress Progress;
    std::vector<std::uint32_t> Words;
    bool Refused = false;
};

// Holds no object with a destructor: libjpeg may jump out of it.
void DecodeInto(TJpegRun& run, std::span<const std::uint8_t> bytes, TPictureBudget& budget) {
    jpeg_mem_src(&run.Info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    run.Progress.Base.progress_monitor = OnProgress;
    run.Info.progress = &run.Progress.Base;
    jpeg_read_header(&run.Info, TRUE);
    const JDIMENSION width = run.Info.image_width, height = run.Info.image_height;
    if (width == 0 || height == 0) {
        run.Refused = true;
        return;
    }
    budget.Charge(width, height);
    run.Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&run.Info);
    if (run.Info.output_width != width || run.Info.output_height != height ||
        run.Info.output_components != 3) {
        run.Refused = true;
        return;
    }
    JSAMPARRAY row = (*run.Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&run.Info),
                                                   JPOOL_IMAGE, width * 3, 1);
    run.Words.resize(std::size_t{width} * height);
    while (run.Info.output_scanline < height) {
        const JDIMENSION y = run.Info.output_scanline;
        if (jpeg_read_scanlines(&run.Info, row, 1) != 1) break;
        std::uint32_t* out = run.Words.data() + std::size_t{y} * width;
        for (JDIMENSION x = 0; x < width; ++x) {
            const JSAMPLE* p = row[0] + 3 * x;
            out[x] = 0xFF000000u | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
        }
    }
    jpeg_finish_decompress(&run.Info);
}

}  // namespace

TJpegPicture DecodeJpegPicture(std::span<const std::uint8_t> bytes, TPictureBudget& budget) {
    const auto run = std::make_unique<TJpegRun>();
    run->Info.err = jpeg_std_error(&run->Errors.Base);
    run->Errors.Base.error_exit = OnError;
    run->Errors.Base.emit_message = OnWarning;
    jpeg_create_decompress(&run->Info);
    if (setjmp(run->Errors.Jump) != 0) {
        jpeg_destroy_decompress(&run->Info);
        throw ESkinError(run->Progress.TooManyScans
                             ? Format("JPEG: more than %d scans", kMaxJpegScans)
                             : std::string("JPEG: ") + run->Errors.Message);
    }
    try {
        DecodeInto(*run, bytes, budget);
    } catch (...) {
        jpeg_destroy_decompress(&run->Info);
        throw;
    }
    jpeg_destroy_decompress(&run->Info);
    if (run->Refused) throw ESkinError("JPEG without pixels");
    const std::uint32_t width = run->Info.output_width, height = run->Info.output_height;
    const bool convert = std::uint64_t{width} * height <= kMaxConvertedJpegPixels;
    return TJpegPicture{BitmapFromWords(width, height, convert ? pf32bit : pf24bit, run->Words),
                        convert};
}

}  // namespace skin
