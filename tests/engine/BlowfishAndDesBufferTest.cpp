#include "LBlowfish.h"
#include "LDes.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

// Both ciphers behind one face, so every buffer rule is checked for each.
class Cipher {
public:
    virtual ~Cipher() = default;
    virtual void Encrypt(unsigned char* buffer, unsigned int length) = 0;
    virtual void Decrypt(unsigned char* buffer, unsigned int length) = 0;
};

class BlowfishCipher : public Cipher {
public:
    explicit BlowfishCipher(const char* key) { BlowfishInit(context, key); }
    void Encrypt(unsigned char* buffer, unsigned int length) override {
        BlowfishEncryptBuffer(context, buffer, length);
    }
    void Decrypt(unsigned char* buffer, unsigned int length) override {
        BlowfishDecryptBuffer(context, buffer, length);
    }

private:
    LBlowfishContext context;
};

class DesCipher : public Cipher {
public:
    explicit DesCipher(const char* key) { DesKeyText(context, key); }
    void Encrypt(unsigned char* buffer, unsigned int length) override {
        DesEncryptBuffer(context, buffer, length);
    }
    void Decrypt(unsigned char* buffer, unsigned int length) override {
        DesDecryptBuffer(context, buffer, length);
    }

private:
    LDesContext context;
};

std::vector<unsigned char> RandomBytes(size_t size, unsigned int seed) {
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(size);
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(random());
    }
    return bytes;
}

class CipherBuffer : public testing::TestWithParam<int> {
protected:
    std::unique_ptr<Cipher> Make(const char* key) const {
        if (GetParam() == 0) {
            return std::make_unique<BlowfishCipher>(key);
        }
        return std::make_unique<DesCipher>(key);
    }
};

TEST_P(CipherBuffer, DecryptionRestoresEveryWholeBlockLength) {
    auto cipher = Make("round trip");
    for (unsigned int length : {0u, 8u, 16u, 24u, 32u, 40u, 56u, 72u, 8192u}) {
        SCOPED_TRACE(length);
        const std::vector<unsigned char> original = RandomBytes(length, length);
        std::vector<unsigned char> buffer = original;
        cipher->Encrypt(buffer.data(), length);
        if (length > 0) {
            EXPECT_NE(buffer, original);
        }
        cipher->Decrypt(buffer.data(), length);
        EXPECT_EQ(buffer, original);
    }
}

// Electronic codebook: a block's result depends on that block alone, wherever it stands.
TEST_P(CipherBuffer, EachBlockIsEncipheredOnItsOwn) {
    auto cipher = Make("codebook");
    const std::vector<unsigned char> original = RandomBytes(8 * 11, 7);
    std::vector<unsigned char> whole = original;
    cipher->Encrypt(whole.data(), static_cast<unsigned int>(whole.size()));
    for (size_t offset = 0; offset < original.size(); offset += 8) {
        std::vector<unsigned char> block(original.begin() + offset, original.begin() + offset + 8);
        cipher->Encrypt(block.data(), 8);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), whole.begin() + offset))
            << "block at " << offset;
    }

    std::vector<unsigned char> twins = RandomBytes(8, 9);
    twins.insert(twins.end(), twins.begin(), twins.end());
    cipher->Encrypt(twins.data(), 16);
    EXPECT_TRUE(std::equal(twins.begin(), twins.begin() + 8, twins.begin() + 8));
}

// A buffer exactly as long as the length given, so the sanitizer build sees any access past it.
TEST_P(CipherBuffer, ShortTailIsLeftAndNothingPastTheLengthIsTouched) {
    auto cipher = Make("tail");
    for (unsigned int length : {1u, 7u, 9u, 15u, 33u, 8191u}) {
        SCOPED_TRACE(length);
        const std::vector<unsigned char> original = RandomBytes(length, length);
        auto buffer = std::make_unique<unsigned char[]>(length);
        std::copy(original.begin(), original.end(), buffer.get());
        const unsigned int whole = length / 8 * 8;

        cipher->Encrypt(buffer.get(), length);
        EXPECT_TRUE(std::equal(original.begin() + whole, original.end(), buffer.get() + whole));
        std::vector<unsigned char> expected(original.begin(), original.begin() + whole);
        cipher->Encrypt(expected.data(), whole);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer.get()));

        cipher->Decrypt(buffer.get(), length);
        EXPECT_TRUE(std::equal(original.begin(), original.end(), buffer.get()));
    }
}

INSTANTIATE_TEST_SUITE_P(BothCiphers, CipherBuffer, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int>& cipher) {
                             return cipher.param == 0 ? "Blowfish" : "Des";
                         });

}  // namespace
