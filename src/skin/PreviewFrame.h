#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The wire form of the skin editor's preview link, shared by the program and the editor's
// stand-in. The editor listens on a local stream socket named after its window title in
// $XDG_RUNTIME_DIR; the program connects. All integers are little-endian and every frame has
// a fixed size, so nothing a peer sends can make a reader allocate more than one block.
//
//   hello    program -> editor, 16 bytes: u32 message 0xA400, u32 WParam 3, u64 window id
//   answer   either way, 4 bytes: u32 (1 = accepted / applied, anything else = not)
//   transfer editor -> program, 8 + 30,646 bytes: u32 WParam 7, u32 block length 30,646,
//            then the block: u32 command 0xA400, the skin name (128 bytes), the skin
//            directory (513 bytes) and the Options.dat text (30,001 bytes), each text field
//            zero-terminated within its length.
namespace preview {

inline constexpr const char* kEditorTitle = "Morvenna Editor";
inline constexpr std::uint32_t kMessage = 0xA400;
inline constexpr std::uint32_t kHelloWParam = 3;
inline constexpr std::uint32_t kTransferWParam = 7;
inline constexpr std::uint32_t kAccepted = 1;
// The editor gets this many hellos to say yes; then the program gives up.
inline constexpr int kMaxHellos = 101;

inline constexpr std::size_t kHelloBytes = 16;
inline constexpr std::size_t kAnswerBytes = 4;
inline constexpr std::size_t kTransferHeaderBytes = 8;
inline constexpr std::size_t kBlockBytes = 30646;
inline constexpr std::size_t kNameOffset = 4;
inline constexpr std::size_t kNameBytes = 128;
inline constexpr std::size_t kDirectoryOffset = 132;
inline constexpr std::size_t kDirectoryBytes = 513;
inline constexpr std::size_t kOptionsOffset = 645;
inline constexpr std::size_t kOptionsBytes = 30001;

// What a transfer carries.
struct SkinTransfer {
    std::string SkinName;
    std::string SkinDirectory;
    std::string OptionsText;
};

// The socket's path for a runtime folder; empty when there is none to use.
std::string SocketPath(const char* runtimeFolder);

std::array<std::uint8_t, kHelloBytes> EncodeHello(std::uint64_t windowId);
// The window id of a well-formed hello, else nothing.
std::optional<std::uint64_t> DecodeHello(std::span<const std::uint8_t> bytes);

std::array<std::uint8_t, kAnswerBytes> EncodeAnswer(std::uint32_t answer);
std::uint32_t DecodeAnswer(std::span<const std::uint8_t, kAnswerBytes> bytes);

// Header and block. Throws std::length_error when a text does not fit its field with its zero.
std::vector<std::uint8_t> EncodeTransfer(const SkinTransfer& transfer);
// Whether a header announces a transfer (WParam 7) of exactly one block.
bool TransferHeaderValid(std::span<const std::uint8_t> header);
// The block's content; nothing when its size or command is wrong or a text field has no zero.
std::optional<SkinTransfer> DecodeTransferBlock(std::span<const std::uint8_t> block);

// Whether a name can only name an entry of the skin directory: not empty, no path
// separators, no "..", no control characters.
bool IsPlainSkinName(const std::string& name);

}  // namespace preview
