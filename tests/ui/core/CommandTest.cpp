#include "LCommand.h"

#include <gtest/gtest.h>

TEST(Command, StandardCodesAreBigEndianFourCharacterCodes) {
    EXPECT_EQ(kLCommandOK, 0x6F6B2020);
    EXPECT_EQ(kLCommandCancel, 0x6E6F7421);
    EXPECT_EQ(kLCommandHelp, 0x61686C70);
    EXPECT_EQ(kLCommandBack, 0x4261636B);
    EXPECT_EQ(kLCommandNext, 0x4E657874);
    EXPECT_EQ(kLCommandOther, 0x6F746872);
}

TEST(Command, FourDigitCodesReadAsTheirNumber) {
    struct Case {
        int code;
        int number;
    } cases[] = {
        {LFourCharCode("2002"), 2002},
        {LFourCharCode("0000"), 0},
        {LFourCharCode("0110"), 110},
        {LFourCharCode("200a"), LFourCharCode("200a")},
        {LFourCharCode(" 200"), LFourCharCode(" 200")},
        {kLCommandOK, kLCommandOK},
        {13601, 13601},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LCommandNumber(c.code), c.number) << std::hex << c.code;
    }
}

TEST(Command, OnlyStandardEditAndWindowCommandsCountAsStandardMenuCommands) {
    for (int code : {kLCommandCut, kLCommandCopy, kLCommandPaste, kLCommandSelectAll, kLCommandUndo,
                     kLCommandRedo, kLCommandClose, kLCommandMinimize, kLCommandZoom,
                     kLCommandBringAllToFront, kLCommandQuit, kLCommandPreferences}) {
        EXPECT_TRUE(LCommandIsStandardMenuCommand(code)) << std::hex << code;
    }
    for (int code : {110, 2002, kLCommandOK, kLCommandNext}) {
        EXPECT_FALSE(LCommandIsStandardMenuCommand(code)) << std::hex << code;
    }
}
