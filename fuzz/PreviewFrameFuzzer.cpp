// The preview link's frames: the input is laid over a transfer block (the command kept
// right, so that the fields are reached), and whatever decodes must encode back to itself.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/PreviewFrame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    (void)preview::DecodeHello(input);
    (void)preview::TransferHeaderValid(input.first(std::min(size, preview::kTransferHeaderBytes)));
    (void)preview::DecodeTransferBlock(input);

    std::vector<std::uint8_t> block(preview::kBlockBytes, 0);
    std::copy(input.begin(), input.begin() + std::min(size, block.size()), block.begin());
    block[0] = 0x00;
    block[1] = 0xA4;
    block[2] = block[3] = 0;
    const auto transfer = preview::DecodeTransferBlock(block);
    if (!transfer) return 0;
    (void)preview::IsPlainSkinName(transfer->SkinName);
    const auto frame = preview::EncodeTransfer(*transfer);
    const auto again = preview::DecodeTransferBlock(
        std::span<const std::uint8_t>(frame).subspan(preview::kTransferHeaderBytes));
    if (!again || again->SkinName != transfer->SkinName ||
        again->SkinDirectory != transfer->SkinDirectory ||
        again->OptionsText != transfer->OptionsText)
        std::abort();
    return 0;
}
