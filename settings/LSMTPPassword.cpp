#include "LSMTPPassword.h"

#include <vector>

#include "LBase64.h"
#include "LBlowfish.h"

namespace {

constexpr char kPasswordKey[] = "globalsecretz5678";
constexpr std::size_t kTextLimit = 259;

// Whole 8-byte blocks covering length bytes. Unlike a byte-sized count this never wraps, so
// passwords of 249 bytes and more keep their tail.
std::size_t BlockLength(std::size_t length) {
    return (length + 7) & ~static_cast<std::size_t>(7);
}

LBlowfishContext PasswordContext() {
    LBlowfishContext context{};
    BlowfishInit(context, kPasswordKey);
    return context;
}

}  // namespace

void LEncipherSMTPPassword(std::string& text) {
    if (text.empty()) {
        return;
    }
    if (text.size() > kTextLimit) {
        text.resize(kTextLimit);
    }
    // The text, its terminating zero and zero filling, cut or filled to whole blocks: for 8,
    // 16, ... bytes the terminating zero is not among them.
    std::vector<unsigned char> block(text.begin(), text.end());
    block.resize(BlockLength(text.size()), 0);
    BlowfishEncryptBuffer(PasswordContext(), block.data(), static_cast<unsigned int>(block.size()));
    LStringLongTemplate<char> encoded;
    LBase64Encode<char>(block.data(), block.size(), encoded, LBase64FlagNoLineBreaks);
    text = encoded;
}

void LDecipherSMTPPassword(std::string& text) {
    if (text.empty()) {
        return;
    }
    const LStringLongTemplate<char> encoded(text);
    LSizedArray<unsigned char> decoded;
    LBase64Decode<char>(encoded, decoded);
    const std::size_t length = decoded.size();
    // A damaged value may not fill its last block; zeros stand in for the missing bytes rather
    // than whatever follows them.
    decoded.resize(BlockLength(length), 0);
    BlowfishDecryptBuffer(PasswordContext(), decoded.data(),
                          static_cast<unsigned int>(decoded.size()));
    std::string password;
    for (std::size_t i = 0; i < length && decoded[i] != 0 && password.size() < kTextLimit; ++i) {
        password.push_back(static_cast<char>(decoded[i]));
    }
    text = password;
}
