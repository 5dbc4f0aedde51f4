#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LHashTable.h"

// One node of an XML tree. The document node has neither name nor text, an element has a
// name, and a text node has text only. A node owns its whole subtree.
struct LXMLElement {
    std::vector<LHashTable::LHashNode> attributes;
    std::vector<std::unique_ptr<LXMLElement>> children;
    std::optional<std::string> name;
    std::optional<std::string> text;

    static std::unique_ptr<LXMLElement> MakeElement(std::string_view elementName);
    static std::unique_ptr<LXMLElement> MakeText(std::string_view content);

    bool IsElement() const { return name.has_value(); }

    // Reads the file into this node. False when the file is missing or cannot be read, in which
    // case the children stay as they were; a parse error still reads what it can and gives true.
    bool Load(const std::string& path, std::string& errorText);
    // Parses the text up to its first zero byte into this node, replacing its children.
    void Parse(const char* source, std::string& errorText);

    // Writes every child at level 0 with a single write; true when all of it was written.
    bool Write(int fd) const;
    std::string WriteToString() const;

    LXMLElement* FindChild(std::string_view childName);
    const LXMLElement* FindChild(std::string_view childName) const;
    LXMLElement& GetOrAddChild(std::string_view childName);
    LXMLElement& AddChild(std::unique_ptr<LXMLElement> node);
    void SetName(std::string_view elementName) { name = std::string(elementName); }

    // The value of the first attribute of that name, or defaultValue (which may be null).
    const char* GetAttribute(std::string_view attributeName, const char* defaultValue) const;
    void SetAttribute(std::string_view attributeName, std::string_view value);
    // The node's own text, else that of a first child that is a text node, else "".
    const char* GetText() const;
};
