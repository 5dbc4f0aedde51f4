#pragma once

#include <string>

#include "LXMLElement.h"

// A compact picture of a tree for tables of expected results: an element is its name, its
// attributes in braces and its children in brackets; a text node is its text in double quotes.
// Line feeds in text show as \n.
inline std::string XMLTreeText(const LXMLElement& node) {
    std::string out;
    if (node.text) {
        out += '"';
        for (char c : *node.text) {
            out += c == '\n' ? std::string("\\n") : std::string(1, c);
        }
        return out + '"';
    }
    out += node.name.value_or(std::string());
    if (!node.attributes.empty()) {
        out += '{';
        for (std::size_t i = 0; i < node.attributes.size(); ++i) {
            out += (i ? ";" : "") + node.attributes[i].name + "=" + node.attributes[i].value;
        }
        out += '}';
    }
    if (!node.children.empty()) {
        std::string inner;
        for (const auto& child : node.children) {
            inner += (inner.empty() ? "" : " ") + XMLTreeText(*child);
        }
        out += node.name ? "[" + inner + "]" : inner;
    }
    return out;
}
