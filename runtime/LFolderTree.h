#pragma once

#include <string>

// Operations on a whole folder tree. None of them ever removes or changes anything outside
// the tree it was given: a symbolic link inside the tree is handled as the link itself and
// never followed. Entries that fail are skipped silently.

// Gives path and, when it is a folder, everything in it the mode 0777 less the umask.
// Symbolic links are left alone (changing one would change what it points to).
void LFolderMakeWritableTree(const std::string& path);

// Removes everything inside the folder path, then the folder itself; true if that final
// removal succeeded. False at once for an empty path; a path that is a link is not entered.
bool LFolderDeleteTree(const std::string& path);

// As LFolderDeleteTree, but first clears the immutable and append-only attributes of each
// entry (where the user may), so that locked files go too.
bool LFolderDeleteTreeForce(const std::string& path);

// Copies the contents of the folder src into the folder dst, which is created with its parents
// when missing: folders are created and filled, files and links copied with LFileCopy, files
// that already exist in dst overwritten. A link in dst is replaced, never written through.
// FIFOs, sockets and devices are not copied, and a dst that lies inside src is not copied into
// itself. Nothing happens unless src is a folder and dst is or can become one. True if every
// entry was copied.
bool LFolderCopyTree(const std::string& src, const std::string& dst);
