#include "LCommandRequest.h"

#include "LCommandHash.h"
#include "LCommandPaths.h"
#include "LFileDescriptor.h"
#include "LFileReadLine.h"

#include <fcntl.h>
#include <strings.h>

#include <cstring>

namespace {

bool Is(const char* word, const char* option) {
    return strcasecmp(word, option) == 0;
}

// The options without operands; false when word is none of them.
bool ApplyFlag(const char* word, LCommandRequest& request) {
    if (Is(word, "-selfdecrypt")) {
        request.data.selfDecrypt = 1;
    } else if (Is(word, "-compress")) {
        request.data.compress = 1;
    } else if (Is(word, "-email")) {
        request.email = true;
    } else if (Is(word, "-show")) {
        request.show = true;
    } else if (Is(word, "-quiet")) {
        request.data.quiet = 1;
    } else if (!Is(word, "-exit")) {
        return false;
    }
    return true;
}

void ReadListFile(const std::string& path, std::vector<std::string>& items) {
    LFileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file.IsOpen()) {
        return;
    }
    LFileLineReader reader(file.Get());
    std::string line;
    while (reader.ReadLine(line)) {
        items.push_back(LCommandAbsolutePath(line));
    }
}

// The word loop over words[first, count). Each reader returns the index of the next word to
// read, or -1 when the interpretation ends with text.
class WordReader {
public:
    WordReader(int wordCount, const char* const* wordList, LCommandRequest& into,
               std::string& answer)
        : count(wordCount), words(wordList), request(into), text(answer) {}

    bool Run() {
        int at = 0;
        while (at >= 0 && at < count) {
            at = ReadOption(at);
        }
        return at >= 0;
    }

private:
    int Fail(const std::string& message) {
        text = message;
        return -1;
    }

    bool Has(int at) const { return at < count; }

    int ReadOption(int at) {
        const char* word = words[at];
        if (Is(word, "-calculatehash") || Is(word, "-checkhash")) {
            return ReadHash(at, Is(word, "-checkhash"));
        }
        if (Is(word, "-decrypt")) {
            if (!Has(at + 1)) {
                return Fail("Error. Please specify filename to decrypt.");
            }
            request.decrypt = true;
            request.data.containerPath = LCommandAbsolutePath(words[at + 1]);
            return at + 2;
        }
        if (Is(word, "-password")) {
            if (!Has(at + 1)) {
                return Fail("Error. Please specify password after -password argument.");
            }
            request.data.password = words[at + 1];
            return at + 2;
        }
        if (Is(word, "-destination")) {
            if (!Has(at + 1)) {
                return Fail("Error. Please specify destination after -destination argument.");
            }
            request.destination = LCommandAbsolutePath(words[at + 1]);
            return at + 2;
        }
        if (Is(word, "-encrypt")) {
            request.encrypt = true;
            ++at;
            while (Has(at) && words[at][0] != '-') {
                request.items.push_back(LCommandAbsolutePath(words[at++]));
            }
            return at;
        }
        if (Is(word, "-list")) {
            if (!Has(at + 1)) {
                return Fail("Error. Please specify list file after -list argument.");
            }
            ReadListFile(LCommandAbsolutePath(words[at + 1]), request.items);
            return at + 2;
        }
        if (Is(word, "-alg")) {
            return ReadAlgorithm(at);
        }
        if (ApplyFlag(word, request)) {
            return at + 1;
        }
        return Fail(std::string("Error. Unknown command:") + word + ".");
    }

    int ReadAlgorithm(int at) {
        if (!Has(at + 1)) {
            return Fail("Error. Please specify algorithm after -alg argument.");
        }
        const char* name = words[at + 1];
        if (Is(name, "blowfish")) {
            request.data.algorithm = 0;
        } else if (Is(name, "des")) {
            request.data.algorithm = 1;
        } else if (!ApplyFlag(name, request)) {
            return Fail(std::string("Error. Unknown command:") + name + ".");
        }
        return at + 2;
    }

    // Hash commands end the interpretation whatever they find.
    int ReadHash(int at, bool check) {
        if (!Has(at + 1)) {
            return Fail("Error. Please specify hash algorithm for hash calculation.");
        }
        if (!Has(at + 2)) {
            return Fail("Error. Please specify filename for hash calculation.");
        }
        if (check && !Has(at + 3)) {
            return Fail("Error. Please specify hash for comparison.");
        }
        std::string digest;
        if (!LCommandFileDigest(words[at + 1], words[at + 2], digest)) {
            return Fail("Error. Unsupported hash algorithm.");
        }
        if (!check) {
            return Fail("Hash: " + digest);
        }
        const bool valid = strcasecmp(words[at + 3], digest.c_str()) == 0;
        return Fail(valid ? "Hash is valid." : "Hash is not valid.");
    }

    int count;
    const char* const* words;
    LCommandRequest& request;
    std::string& text;
};

}  // namespace

bool LCommandReadWords(int count, const char* const* words, LCommandRequest& request,
                       std::string& text) {
    for (int i = 0; i < count; ++i) {
        if (Is(words[i], "-exit")) {
            request.exit = true;
        }
    }
    return WordReader(count, words, request, text).Run();
}
