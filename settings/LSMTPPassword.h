#pragma once

#include <string>

// The stored form of the SMTP password: the text (at most 259 bytes) padded with zero bytes to
// a whole number of 8-byte blocks, enciphered with Blowfish under a fixed key, as one line of
// Base64. An empty text stays empty. Any length up to 259 is kept whole; the enciphered text
// may be longer than 259 characters.
void LEncipherSMTPPassword(std::string& text);

// The password back from its stored form, ended at its first zero byte and cut to 259 bytes.
// An empty text stays empty.
void LDecipherSMTPPassword(std::string& text);
