#pragma once

#include <string>

// Copies src to dst.
// - A symbolic link is copied as a link (through "cp -R -T", which never sees a shell) and
//   replaces whatever non-folder entry dst was.
// - A regular file is read under a shared lock and written under an exclusive one, both taken
//   without waiting: if another process holds either, nothing is copied. dst is never written
//   through a link: a link at dst is replaced. dst gets src's modification time and src's
//   permission bits less the umask.
// - Anything else (a folder, FIFO, socket or device) is not copied.
// True once the data is copied.
bool LFileCopy(const std::string& src, const std::string& dst);
