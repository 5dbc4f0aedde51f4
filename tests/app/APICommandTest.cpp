#include "LCommandLineLayer.h"
#include "LExitStatus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Answer {
    int value;
    std::string text;
};

Answer Handle(std::vector<const char*> words) {
    LCommandLineLayer layer;
    char result[kAPIResultSize] = "untouched";
    int value = layer.HandleAPICommand(static_cast<int>(words.size()), words.data(), result);
    return {value, result};
}

}  // namespace

TEST(HandleAPICommand, AnswersItsOwnWords) {
    struct Case {
        std::vector<const char*> words;
        int value;
        const char* text;
    } cases[] = {
        {{}, -2, "Command Not Specified."},
        {{"-testapi"}, -1, "API Test Fail (No data)."},
        {{"-testapi", "ping", "extra"}, 0, "API Test OK [ping]."},
        {{"-version"}, 0, "2.16"},
        {{"-version", "-exit"}, 0, "2.16"},
    };
    for (const Case& c : cases) {
        Answer answer = Handle(c.words);
        EXPECT_EQ(answer.value, c.value) << c.text;
        EXPECT_EQ(answer.text, c.text);
    }
}

TEST(HandleAPICommand, OwnWordsAreCaseSensitiveAndGoOnToTheInterpreter) {
    for (const char* word : {"-Version", "-TESTAPI"}) {
        Answer answer = Handle({word, "x"});
        EXPECT_EQ(answer.text, std::string("Error. Unknown command:") + word + ".");
    }
}

TEST(HandleAPICommand, LongTestWordIsCutToTheResultBuffer) {
    std::string word(10000, 'w');
    Answer answer = Handle({"-testapi", word.c_str()});
    EXPECT_EQ(answer.value, 0);
    EXPECT_EQ(answer.text.size(), kAPIResultSize - 1);
    EXPECT_EQ(answer.text.rfind("API Test OK [www", 0), 0u);
}

TEST(ExitStatus, FollowsTheResultText) {
    struct Case {
        const char* text;
        LExitStatus status;
    } cases[] = {
        {"Encryption finished successfully.", LExitSuccess},
        {"Decryption finished successfully.", LExitSuccess},
        {"All files decrypted successfully.", LExitSuccess},
        {"Hash is valid.", LExitSuccess},
        {"Hash: d41d8cd98f00b204e9800998ecf8427e", LExitSuccess},
        {"2.16", LExitSuccess},
        {"API Test OK [x].", LExitSuccess},
        {"Encryption aborted due to errors. Could not write encrypted file.", LExitFailed},
        {"Decryption aborted due to errors.", LExitFailed},
        {"Invalid Password", LExitFailed},
        {"Not a valid ZEL or CRY file", LExitFailed},
        {"Hash is not valid.", LExitFailed},
        {"Hash: ", LExitFailed},
        {"Error. Missing password.", LExitUsage},
        {"Command Not Specified.", LExitUsage},
        {"API Test Fail (No data).", LExitUsage},
        {"Encryption is stopped by user.", LExitStopped},
        {"Decryption is stopped by user.", LExitStopped},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LExitStatusForResult(c.text), c.status) << c.text;
    }
}
