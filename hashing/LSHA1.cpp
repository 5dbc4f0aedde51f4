#include "LSHA1.h"

#include "LDigestBytes.h"
#include "LDigestText.h"
#include "LSHA1Blocks.h"

LSHA1BlocksFunction LSHA1BlocksWithoutSHAExtensions() {
    return LSHA1HasBitManipulation() ? LSHA1BlocksBitManipulation : LSHA1BlocksPortable;
}

LSHA1BlocksFunction LSHA1Blocks() {
    static const LSHA1BlocksFunction chosen =
        LSHA1HasSHAExtensions() ? LSHA1BlocksSHAExtensions : LSHA1BlocksWithoutSHAExtensions();
    return chosen;
}

void LSHA1Init(LSHA1Context& context) {
    context.state[0] = 0x67452301;
    context.state[1] = 0xEFCDAB89;
    context.state[2] = 0x98BADCFE;
    context.state[3] = 0x10325476;
    context.state[4] = 0xC3D2E1F0;
    context.pending = LDigestBuffer{};
}

void LSHA1Update(LSHA1Context& context, const void* data, size_t length) {
    LSHA1BlocksFunction blocks = LSHA1Blocks();
    LDigestBufferUpdate(context.pending, data, length,
                        [&](const unsigned char* blockData, size_t count) {
                            blocks(context.state, blockData, count);
                        });
}

void LSHA1Final(LSHA1Context& context, char* result) {
    LSHA1BlocksFunction blocks = LSHA1Blocks();
    LDigestBufferFinish(context.pending, 0x80, true, [&](const unsigned char* data, size_t count) {
        blocks(context.state, data, count);
    });
    unsigned char digest[20];
    for (int i = 0; i < 5; ++i) {
        LStoreBE32(context.state[i], digest + 4 * i);
    }
    LDigestWriteText(digest, sizeof digest, result);
}
