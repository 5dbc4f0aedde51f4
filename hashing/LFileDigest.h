#pragma once

#include <string>

class LProcessInterface;

// Hashes of a whole file as result texts: MD5 32 digits, SHA-1 40, Tiger 48, lowercase, and a
// terminating zero; result buffers hold at least 49 bytes. Every form first empties the result
// text. When the file cannot be opened, or a read fails part way, the text stays empty: a
// digest of part of a file is never handed out as the file's.

void LMD5FileCreateDigest(const std::string& path, char* result);
// -1 when the file cannot be opened or read, else 0.
int LSHA1FileCreateDigest(const std::string& path, char* result);
int LTigerFileCreateDigest(const std::string& path, char* result);

// The stoppable forms ask process.IsToStop() before each read and once more before the final
// step. They return -1 when the file cannot be opened or read, 1 (the stop request) when
// stopped, with the result text left empty, else 0. One signature, so that a caller can hold
// any of them.
using LFileDigestProcessFunction = int (*)(LProcessInterface& process, const std::string& path,
                                           char* result);

int LMD5FileCreateDigestProcess(LProcessInterface& process, const std::string& path, char* result);
int LSHA1FileCreateDigestProcess(LProcessInterface& process, const std::string& path, char* result);
int LTigerFileCreateDigestProcess(LProcessInterface& process, const std::string& path,
                                  char* result);
