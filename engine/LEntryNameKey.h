#pragma once

// Entry names in a container are always enciphered with Blowfish under this fixed key,
// whatever cipher protects the content.
constexpr char kEntryNameKey[] = "0x5c0x1e0x9b0x660xd20x38";
