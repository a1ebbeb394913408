#include "skin/PreviewFrame.h"

#include <stdexcept>

namespace preview {

namespace {

void PutLittleEndian(std::uint8_t* out, std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(std::span<const std::uint8_t> in, std::size_t offset,
                              std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(in[offset + i]) << (8 * i);
    return value;
}

void PutField(std::vector<std::uint8_t>& block, std::size_t offset, std::size_t length,
              const std::string& text) {
    if (text.size() >= length || text.find('\0') != std::string::npos)
        throw std::length_error("a transfer text does not fit its field");
    for (std::size_t i = 0; i < text.size(); ++i)
        block[offset + i] = static_cast<std::uint8_t>(text[i]);
}

// A text field ends at its first zero; one without a zero is refused rather than read as
// running to the field's end, so the sender's and the reader's idea of the text agree.
std::optional<std::string> GetField(std::span<const std::uint8_t> block, std::size_t offset,
                                    std::size_t length) {
    const auto field = block.subspan(offset, length);
    for (std::size_t i = 0; i < field.size(); ++i)
        if (field[i] == 0) return std::string(field.begin(), field.begin() + i);
    return std::nullopt;
}

}  // namespace

std::string SocketPath(const char* runtimeFolder) {
    if (runtimeFolder == nullptr || runtimeFolder[0] != '/') return {};
    std::string path = runtimeFolder;
    if (path.back() != '/') path += '/';
    return path + kEditorTitle;
}

std::array<std::uint8_t, kHelloBytes> EncodeHello(std::uint64_t windowId) {
    std::array<std::uint8_t, kHelloBytes> frame{};
    PutLittleEndian(frame.data(), kMessage, 4);
    PutLittleEndian(frame.data() + 4, kHelloWParam, 4);
    PutLittleEndian(frame.data() + 8, windowId, 8);
    return frame;
}

std::optional<std::uint64_t> DecodeHello(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kHelloBytes) return std::nullopt;
    if (GetLittleEndian(bytes, 0, 4) != kMessage || GetLittleEndian(bytes, 4, 4) != kHelloWParam)
        return std::nullopt;
    return GetLittleEndian(bytes, 8, 8);
}

std::array<std::uint8_t, kAnswerBytes> EncodeAnswer(std::uint32_t answer) {
    std::array<std::uint8_t, kAnswerBytes> frame{};
    PutLittleEndian(frame.data(), answer, 4);
    return frame;
}

std::uint32_t DecodeAnswer(std::span<const std::uint8_t, kAnswerBytes> bytes) {
    return static_cast<std::uint32_t>(GetLittleEndian(bytes, 0, 4));
}

std::vector<std::uint8_t> EncodeTransfer(const SkinTransfer& transfer) {
    std::vector<std::uint8_t> frame(kTransferHeaderBytes + kBlockBytes, 0);
    PutLittleEndian(frame.data(), kTransferWParam, 4);
    PutLittleEndian(frame.data() + 4, kBlockBytes, 4);
    std::uint8_t* block = frame.data() + kTransferHeaderBytes;
    PutLittleEndian(block, kMessage, 4);
    std::vector<std::uint8_t> fields(kBlockBytes, 0);
    PutField(fields, kNameOffset, kNameBytes, transfer.SkinName);
    PutField(fields, kDirectoryOffset, kDirectoryBytes, transfer.SkinDirectory);
    PutField(fields, kOptionsOffset, kOptionsBytes, transfer.OptionsText);
    for (std::size_t i = kNameOffset; i < kBlockBytes; ++i) block[i] = fields[i];
    return frame;
}

bool TransferHeaderValid(std::span<const std::uint8_t> header) {
    return header.size() == kTransferHeaderBytes &&
           GetLittleEndian(header, 0, 4) == kTransferWParam &&
           GetLittleEndian(header, 4, 4) == kBlockBytes;
}

std::optional<SkinTransfer> DecodeTransferBlock(std::span<const std::uint8_t> block) {
    if (block.size() != kBlockBytes || GetLittleEndian(block, 0, 4) != kMessage)
        return std::nullopt;
    auto name = GetField(block, kNameOffset, kNameBytes);
    auto directory = GetField(block, kDirectoryOffset, kDirectoryBytes);
    auto options = GetField(block, kOptionsOffset, kOptionsBytes);
    if (!name || !directory || !options) return std::nullopt;
    return SkinTransfer{std::move(*name), std::move(*directory), std::move(*options)};
}

bool IsPlainSkinName(const std::string& name) {
    if (name.empty() || name == "." || name.find("..") != std::string::npos) return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f) return false;
    }
    return true;
}

}  // namespace preview
