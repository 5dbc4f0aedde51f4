#pragma once

#include "LProcessInterface.h"
#include "LProcessResult.h"

#include <string>

// What the pack run needs: where the self-decrypting bundle goes (a path ending in ".app")
// and the finished container that goes inside it.
struct LPackFileData {
    std::string applicationPath;
    std::string containerPath;
};

// The template bundle, "template.app" inside the program's resource
// resources/zip/template.zip.
std::string LPackFileTemplateArchive();

// Copies the template bundle to applicationPath and moves the container to
// Contents/Resources/target.zel inside it. The bundle keeps the template's modes less the
// umask and the container has the mode of a file the user makes: nothing is widened. Failed
// when there is no template, it does not unpack, or the copy or the move fail. Reports
// nothing through process.
LProcessResult Process(LProcessInterface& process, const LPackFileData& pack);
