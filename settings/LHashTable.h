#pragma once

#include <string>

// Name/value pairs in document order; only the node type is needed by the XML tree.
struct LHashTable {
    struct LHashNode {
        std::string name;
        std::string value;  // empty when the attribute was written without a value
    };
};
