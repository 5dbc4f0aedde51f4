#include "LXMLWriter.h"

#include <strings.h>

#include <algorithm>

namespace {

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

bool WritesSomething(const LXMLElement& node) {
    return node.IsElement() || (node.text && !IsBlank(*node.text));
}

void AppendEncoded(std::string& out, char c) {
    switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.push_back(c);
    }
}

// Text: every line break (CR LF, LF CR, CR, LF) becomes one line feed.
void AppendTextEncoded(std::string& out, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            AppendEncoded(out, c);
            continue;
        }
        if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') &&
            text[i + 1] != c) {
            ++i;
        }
        out.push_back('\n');
    }
}

// Attribute values: CR LF, a lone CR and a lone LF each become one line feed.
void AppendAttributeEncoded(std::string& out, const std::string& value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
                ++i;
            }
            out.push_back('\n');
            continue;
        }
        AppendEncoded(out, c);
    }
}

const char* ClosingMark(const std::string& name) {
    if (!name.empty() && name[0] == '?') {
        return "?>";
    }
    if (strcasecmp(name.c_str(), "!--") == 0) {
        return "-->";
    }
    if (strcasecmp(name.c_str(), "![CDATA[") == 0) {
        return "]]>";
    }
    if (!name.empty() && name[0] == '!') {
        return ">";
    }
    return "/>";
}

void WriteElement(std::string& out, const LXMLElement& element, int level) {
    const std::string& name = *element.name;
    out.append(static_cast<std::size_t>(level), '\t');
    out += '<';
    out += name;
    for (const LHashTable::LHashNode& attribute : element.attributes) {
        out += ' ';
        out += attribute.name;
        out += "=\"";
        AppendAttributeEncoded(out, attribute.value);
        out += '"';
    }
    const auto& children = element.children;
    if (std::none_of(children.begin(), children.end(),
                     [](const auto& child) { return WritesSomething(*child); })) {
        out += ClosingMark(name);
        out += '\n';
        return;
    }
    const bool hasElements = std::any_of(children.begin(), children.end(),
                                         [](const auto& child) { return child->IsElement(); });
    out += '>';
    if (hasElements) {
        out += '\n';
    }
    for (const auto& child : children) {
        LXMLWriteNode(out, *child, level + 1);
    }
    if (hasElements) {
        out.append(static_cast<std::size_t>(level), '\t');
    }
    out += "</";
    out += name;
    out += ">\n";
}

}  // namespace

void LXMLWriteNode(std::string& out, const LXMLElement& node, int level) {
    if (node.IsElement()) {
        WriteElement(out, node, level);
    } else if (WritesSomething(node)) {
        AppendTextEncoded(out, *node.text);
    }
}
