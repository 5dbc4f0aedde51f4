#include "LXMLElement.h"

#include <unistd.h>

#include <cerrno>

#include "LXMLParseState.h"
#include "LXMLReader.h"
#include "LXMLWriter.h"

std::unique_ptr<LXMLElement> LXMLElement::MakeElement(std::string_view elementName) {
    auto element = std::make_unique<LXMLElement>();
    element->name = std::string(elementName);
    return element;
}

std::unique_ptr<LXMLElement> LXMLElement::MakeText(std::string_view content) {
    auto node = std::make_unique<LXMLElement>();
    node->text = std::string(content);
    return node;
}

void LXMLElement::Parse(const char* source, std::string& errorText) {
    errorText.clear();
    children.clear();
    LXMLParseState state(source, errorText);
    LXMLReadContent(state, *this);
}

std::string LXMLElement::WriteToString() const {
    std::string out;
    for (const auto& child : children) {
        LXMLWriteNode(out, *child, 0);
    }
    return out;
}

bool LXMLElement::Write(int fd) const {
    const std::string out = WriteToString();
    ssize_t written;
    do {
        written = ::write(fd, out.data(), out.size());
    } while (written < 0 && errno == EINTR);
    return written >= 0 && static_cast<std::size_t>(written) == out.size();
}

LXMLElement* LXMLElement::FindChild(std::string_view childName) {
    for (const auto& child : children) {
        const std::string_view childOwnName = child->name ? *child->name : std::string_view();
        if (childOwnName == childName) {
            return child.get();
        }
    }
    return nullptr;
}

const LXMLElement* LXMLElement::FindChild(std::string_view childName) const {
    return const_cast<LXMLElement*>(this)->FindChild(childName);
}

LXMLElement& LXMLElement::GetOrAddChild(std::string_view childName) {
    if (LXMLElement* found = FindChild(childName)) {
        return *found;
    }
    return AddChild(MakeElement(childName));
}

LXMLElement& LXMLElement::AddChild(std::unique_ptr<LXMLElement> node) {
    children.push_back(std::move(node));
    return *children.back();
}

const char* LXMLElement::GetAttribute(std::string_view attributeName,
                                      const char* defaultValue) const {
    for (const LHashTable::LHashNode& attribute : attributes) {
        if (attribute.name == attributeName) {
            return attribute.value.c_str();
        }
    }
    return defaultValue;
}

void LXMLElement::SetAttribute(std::string_view attributeName, std::string_view value) {
    for (LHashTable::LHashNode& attribute : attributes) {
        if (attribute.name == attributeName) {
            attribute.value = std::string(value);
            return;
        }
    }
    attributes.push_back({std::string(attributeName), std::string(value)});
}

const char* LXMLElement::GetText() const {
    if (text) {
        return text->c_str();
    }
    if (!children.empty() && children.front()->text) {
        return children.front()->text->c_str();
    }
    return "";
}
