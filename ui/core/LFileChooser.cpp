#include "LFileChooser.h"

#include "LFileStatus.h"
#include "LMenuBarLock.h"
#include "LPath.h"
#include "LSheet.h"
#include "LStandardFolders.h"
#include "LUIHost.h"
#include "LWindow.h"

#include <cstdlib>

namespace {

// The first of the candidates that is an existing folder, else "Documents".
std::string StartFolder(std::initializer_list<std::string> candidates) {
    for (const std::string& folder : candidates) {
        if (!folder.empty() && LFolderExists(folder)) {
            return folder;
        }
    }
    return LDocumentsFolder();
}

LChooserRequest Request(LChooserKind kind, LWindow* parent, const std::string& prompt) {
    LChooserRequest request;
    request.kind = kind;
    request.parent = LSheetParent(parent);
    request.sheet = LShowAsSheet(parent);
    request.prompt = prompt;
    return request;
}

bool Ask(const LChooserRequest& request, LChooserAnswer& answer) {
    LMenuBarLock menusOff;
    return LUIHostCurrent().ShowChooser(request, answer) && !answer.paths.empty() &&
           !answer.paths.front().empty();
}

}  // namespace

std::string LDocumentsFolder() {
    const char* home = std::getenv("HOME");
    const std::string folder = home != nullptr && home[0] == '/' ? home : LGetUserHomeDirectory();
    return LPathAppend(folder, "Documents");
}

bool LFileChooseSave(LWindow* parent, std::string& path, const std::string& prompt,
                     std::string& folder, const LFileFilters& filters,
                     const std::string& defaultExtension, int& filterIndex) {
    LChooserRequest request = Request(LChooserKind::Save, parent, prompt);
    const bool isFolder = !path.empty() && LFolderExists(path);
    request.folder = StartFolder({isFolder ? path : std::string(), LPathGetFolder(path)});
    const std::string name = isFolder ? std::string() : LPathGetFileName(path);
    request.name = name.empty() ? "Untitled.txt" : name;
    if (!defaultExtension.empty() && defaultExtension != "*") {
        request.name = LPathReplaceExtension(request.name, "." + defaultExtension);
    }
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    LChooserAnswer answer;
    if (!Ask(request, answer)) {
        return false;
    }
    path = answer.paths.front();
    folder = LPathGetFolder(path);
    filterIndex = answer.filterIndex;
    return true;
}

bool LFileChooseOpen(LWindow* parent, std::string& path, const std::string& prompt,
                     std::string& folder, const LFileFilters& filters,
                     const std::string& defaultExtension) {
    LChooserRequest request = Request(LChooserKind::Open, parent, prompt);
    request.folder = StartFolder({folder, LPathGetFolder(path)});
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    LChooserAnswer answer;
    if (!Ask(request, answer)) {
        return false;
    }
    path = answer.paths.front();
    folder = LPathGetFolder(path);
    return true;
}

bool LFileChooseOpenMultiple(LWindow* parent, std::vector<std::string>& files,
                             const std::string& prompt, std::string& folder,
                             const LFileFilters& filters, const std::string& defaultExtension) {
    LChooserRequest request = Request(LChooserKind::OpenMultiple, parent, prompt);
    request.folder = StartFolder({folder});
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    LChooserAnswer answer;
    if (!Ask(request, answer)) {
        return false;
    }
    files = answer.paths;
    folder = LPathGetFolder(files.front());
    return true;
}

bool LFolderChoose(LWindow* parent, std::string& path, const std::string& prompt) {
    LChooserRequest request = Request(LChooserKind::Folder, parent, prompt);
    request.folder = StartFolder({path, LPathGetFolder(path)});
    LChooserAnswer answer;
    if (!Ask(request, answer)) {
        return false;
    }
    path = answer.paths.front();
    return true;
}
