#pragma once

#include "LChooserRequest.h"

#include <string>
#include <vector>

class LWindow;

// The program's filters.
inline const LFileFilter kLFilterAllFiles{"All files", "*.*"};
inline const LFileFilter kLFilterSelfDecrypting{"Self-Decrypting files", "*.app"};
inline const LFileFilter kLFilterZel{"ZEL files", "*.zel"};
inline const LFileFilter kLFilterCry{"CRY files", "*.cry"};

// The user's "Documents" folder, where choosers start when nothing better is known.
std::string LDocumentsFolder();

// Each chooser returns true when the user confirmed; one that fails counts as cancelled. It
// hangs on parent as a sheet when parent is shown and can take one.

// A save chooser. It starts in path when that is a folder, else in path's folder when that
// exists, else in "Documents", proposing path's file name or "Untitled.txt", whose extension
// a defaultExtension other than "*" (or empty) replaces. On success path is the chosen file,
// folder its folder and filterIndex the 1-based index of the filter in use.
bool LFileChooseSave(LWindow* parent, std::string& path, const std::string& prompt,
                     std::string& folder, const LFileFilters& filters,
                     const std::string& defaultExtension, int& filterIndex);

// One existing file, starting in folder (else path's folder, else "Documents"). On success
// path is the file and folder its folder.
bool LFileChooseOpen(LWindow* parent, std::string& path, const std::string& prompt,
                     std::string& folder, const LFileFilters& filters,
                     const std::string& defaultExtension);

// Several files, starting in folder (else "Documents"). On success files are the chosen
// files and folder is their folder.
bool LFileChooseOpenMultiple(LWindow* parent, std::vector<std::string>& files,
                             const std::string& prompt, std::string& folder,
                             const LFileFilters& filters, const std::string& defaultExtension);

// A folder, starting at path (else its parent folder, else "Documents").
bool LFolderChoose(LWindow* parent, std::string& path, const std::string& prompt);
