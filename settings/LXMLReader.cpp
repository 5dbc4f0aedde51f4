#include "LXMLReader.h"

#include <strings.h>

#include <string_view>
#include <utility>

namespace {

constexpr int kEnd = LXMLParseState::kEnd;
constexpr std::size_t kNameLimit = 259;
constexpr std::size_t kReferenceLimit = 23;
constexpr std::string_view kCommentOpen = "!--";
constexpr std::string_view kCDATAOpen = "![CDATA[";

// A name or value as read: its bytes up to a zero left by a bad reference, the character that
// ended it, and whether it was a CDATA opening whose first section character is `end`.
struct LXMLToken {
    std::string text;
    int end = kEnd;
    bool cdata = false;
};

std::string UpToZero(std::string raw) {
    const std::size_t zero = raw.find('\0');
    if (zero != std::string::npos) {
        raw.resize(zero);
    }
    return raw;
}

bool EndsName(int c) {
    return c == kEnd || c == '\t' || c == '\n' || c == ' ' || c == '/' || c == '=' || c == '>';
}

unsigned char NumericReference(const std::string& name) {
    unsigned int value = 0;
    if (name.size() >= 2 && name[1] == 'x') {
        for (std::size_t i = 2; i < name.size(); ++i) {
            const char c = name[i];
            if (c >= '0' && c <= '9') {
                value = value * 16 + static_cast<unsigned int>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                value = value * 16 + static_cast<unsigned int>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                value = value * 16 + static_cast<unsigned int>(c - 'A' + 10);
            }
        }
        return static_cast<unsigned char>(value);
    }
    // The leading decimal number, as atoi reads it; only its low eight bits matter.
    std::size_t i = 1;
    const bool negative = i < name.size() && name[i] == '-';
    if (i < name.size() && (name[i] == '-' || name[i] == '+')) {
        ++i;
    }
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
        value = value * 10 + static_cast<unsigned int>(name[i] - '0');
    }
    return static_cast<unsigned char>(negative ? 0u - value : value);
}

unsigned char ReferenceByte(const std::string& name) {
    if (name == "amp") {
        return '&';
    }
    if (name == "lt") {
        return '<';
    }
    if (name == "gt") {
        return '>';
    }
    if (name == "quot") {
        return '"';
    }
    if (name == "apos") {
        return '\'';
    }
    if (!name.empty() && name[0] == '#') {
        return NumericReference(name);
    }
    return '&';
}

// After '&': the byte the reference stands for, or 0 (which cuts what is being collected).
unsigned char ReadReference(LXMLParseState& state) {
    std::string name;
    for (;;) {
        const int c = state.ReadChar();
        if (c == ';') {
            return ReferenceByte(name);
        }
        if (c == kEnd || c == ' ' || c == '\t' || c == '\n' || name.size() == kReferenceLimit) {
            state.SetError(
                "Strings starting with an ampersand (&) must end with a semicolon (;). Either "
                "replace the '&' with '&amp;' or add a ';' at the end of the control string.");
            return 0;
        }
        name.push_back(static_cast<char>(c));
    }
}

// Names and attribute values: quotes toggle stretches in which ending characters are ordinary.
// Names keep 259 bytes and stop early at a comment or CDATA opening.
LXMLToken ReadToken(LXMLParseState& state, bool isName) {
    LXMLToken token;
    std::string raw;
    std::size_t count = 0;
    int quote = 0;
    for (;;) {
        int c = state.ReadChar();
        if (isName && count == kCDATAOpen.size() && raw == kCDATAOpen) {
            token.text = raw;
            token.end = c;
            token.cdata = true;
            return token;
        }
        if (c == kEnd || (quote == 0 && EndsName(c))) {
            token.text = UpToZero(std::move(raw));
            token.end = c;
            return token;
        }
        if (quote != 0 && c == quote) {
            quote = 0;
            continue;
        }
        if (quote == 0 && (c == '"' || c == '\'')) {
            quote = c;
            continue;
        }
        if (c == '&') {
            c = ReadReference(state);
        }
        ++count;
        if (!isName || raw.size() < kNameLimit) {
            raw.push_back(static_cast<char>(c));
        }
        if (isName && count == kCommentOpen.size() &&
            strncasecmp(raw.c_str(), kCommentOpen.data(), kCommentOpen.size()) == 0) {
            token.text = std::string(kCommentOpen);
            token.end = c;
            return token;
        }
    }
}

// One attribute of a start tag; returns the character that ended it.
int ReadAttribute(LXMLParseState& state, LXMLElement& element) {
    const LXMLToken attributeName = ReadToken(state, true);
    std::string value;
    int end = attributeName.end;
    if (end == '=') {
        LXMLToken valueToken = ReadToken(state, false);
        value = std::move(valueToken.text);
        end = valueToken.end;
    }
    if (attributeName.text.empty() || strcasecmp(attributeName.text.c_str(), "xml:space") == 0) {
        return end;
    }
    // '<?xml version="1.0"?>' closes with "?>", which is not part of the value.
    if (end == '>' && !value.empty() && value.back() == '?') {
        value.pop_back();
    }
    element.SetAttribute(attributeName.text, value);
    return end;
}

void ReadContentAtDepth(LXMLParseState& state, LXMLElement& node, int depth);

void ReadStartTag(LXMLParseState& state, LXMLElement& element, int end, int depth) {
    bool empty = false;
    for (;;) {
        if (end == '>') {
            const char first = (*element.name)[0];
            if (!empty && first != '?' && first != '!') {
                ReadContentAtDepth(state, element, depth);
            }
            return;
        }
        if (end == kEnd) {
            state.SetError("Tag <" + *element.name + "> does not have a closing '>'");
            return;
        }
        if (end == '/') {
            empty = true;
        }
        end = ReadAttribute(state, element);
    }
}

void ReadClosingTag(LXMLParseState& state, const LXMLElement& node) {
    const LXMLToken closing = ReadToken(state, true);
    if (!node.name) {
        state.SetError("Misplaced </" + closing.text + "> which does not match a <" + closing.text +
                       ">.");
    } else if (closing.text != *node.name) {
        state.SetError("Element <" + *node.name + "> should be terminated with </" + *node.name +
                       ">, was with " + closing.text +
                       ". Check you have terminated your element properly.");
    }
    for (int c = closing.end; c != '>' && c != kEnd;) {
        c = state.ReadChar();
    }
}

// Text collected between tags; a zero left by a bad reference cuts it until it is flushed.
void FlushText(LXMLElement& node, std::string& pending) {
    std::string text = UpToZero(std::move(pending));
    pending.clear();
    if (!text.empty()) {
        node.AddChild(LXMLElement::MakeText(text));
    }
}

// Looks for "]]>" or "-->" among the characters of one section.
struct LSectionEnd {
    std::string_view mark;
    std::string last;
    bool Feed(int c) {
        last.push_back(static_cast<char>(c));
        if (last.size() > mark.size()) {
            last.erase(0, 1);
        }
        return last == mark;
    }
};

// Reads the content of one node: text, references, comments, CDATA sections and elements.
class LContentReader {
public:
    LContentReader(LXMLParseState& parseState, LXMLElement& contentNode, int nodeDepth)
        : state(parseState), node(contentNode), depth(nodeDepth) {
        pending.reserve(32);
    }

    void Run() {
        int next = kNoChar;
        for (;;) {
            const int c = next != kNoChar ? std::exchange(next, kNoChar) : state.ReadChar();
            if (c == kEnd) {
                ReportEndOfInput();
                break;
            }
            if (mode != Mode::Text) {
                TakeInSection(c);
            } else if (c == '&') {
                pending.push_back(static_cast<char>(ReadReference(state)));
            } else if (c != '<') {
                pending.push_back(static_cast<char>(c));
            } else if (!ReadTag(next)) {
                break;
            }
        }
        FlushText(node, pending);
    }

private:
    static constexpr int kNoChar = -2;
    enum class Mode { Text, CDATA, Comment };

    void ReportEndOfInput() {
        if (node.name) {
            state.SetError("(EOF) Element <" + *node.name + "> should be terminated with </" +
                           *node.name + ">. Check you have terminated your element properly.");
        }
    }

    // CDATA keeps its characters, a comment drops them; both end at their closing mark.
    void TakeInSection(int c) {
        if (mode == Mode::CDATA) {
            pending.push_back(static_cast<char>(c));
        }
        if (sectionEnd.Feed(c)) {
            if (mode == Mode::CDATA) {
                pending.resize(pending.size() - sectionEnd.mark.size());
            }
            mode = Mode::Text;
        }
    }

    // After '<'. False when the content ends here; next may receive a character to go on with.
    bool ReadTag(int& next) {
        const LXMLToken tag = ReadToken(state, true);
        if (tag.cdata) {
            mode = Mode::CDATA;
            sectionEnd = LSectionEnd{"]]>", {}};
            next = tag.end;
            return true;
        }
        if (tag.text == kCommentOpen) {
            mode = Mode::Comment;
            sectionEnd = LSectionEnd{"-->", {}};
            return true;
        }
        if (tag.text.empty() && tag.end == '/') {
            ReadClosingTag(state, node);
            return false;
        }
        if (tag.text.empty()) {
            state.SetError("Misplaced < without name. Use &lt; instead of < if appropriate.");
            return false;
        }
        FlushText(node, pending);
        if (depth >= kXMLMaxDepth) {
            state.SetError("Elements are nested deeper than " + std::to_string(kXMLMaxDepth) +
                           " levels.");
            state.Stop();
            return false;
        }
        LXMLElement& child = node.AddChild(LXMLElement::MakeElement(tag.text));
        ReadStartTag(state, child, tag.end, depth + 1);
        return true;
    }

    LXMLParseState& state;
    LXMLElement& node;
    const int depth;
    std::string pending;
    Mode mode = Mode::Text;
    LSectionEnd sectionEnd;
};

void ReadContentAtDepth(LXMLParseState& state, LXMLElement& node, int depth) {
    LContentReader(state, node, depth).Run();
}

}  // namespace

void LXMLReadContent(LXMLParseState& state, LXMLElement& node) {
    ReadContentAtDepth(state, node, 0);
}
