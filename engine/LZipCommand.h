#pragma once

#include <string>

// The Info-ZIP tools, run without a shell: every path is one argument, and names are given
// so that the tools cannot take them for options or patterns.

// The folder of path: the path cut at its last separator, "/" for a file at the top, "" for
// a bare name.
std::string LZipFileFolder(const std::string& path);

// The name of entry inside an archive whose paths are relative to workingFolder: what lies
// below workingFolder, with "../" for every level of workingFolder that entry is not under.
std::string LZipArchivePath(const std::string& entry, const std::string& workingFolder);

// An entry name as unzip matches it literally: '[', '*', '?' and a leading '-' bracketed.
std::string LZipEscapeEntryName(const std::string& name);

// "/usr/bin/zip -y archive relativePath" in workingFolder, then the one-second pause that
// follows every addition. True when zip ended with status 0.
bool LZipAddCommand(const std::string& archive, const std::string& workingFolder,
                    const std::string& relativePath);

// "/usr/bin/unzip -o archive [entryName] -d destination". True when unzip ended with 0.
bool LZipExtractCommand(const std::string& archive, const std::string& entryName,
                        const std::string& destination);

// Adds file with its own folder as working folder, so it is stored by its name.
bool LZipFileAdd(const std::string& archive, const std::string& file);
