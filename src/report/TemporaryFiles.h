// Unique entries in the system's temporary folder ($TMPDIR, else /tmp) for the report's files: a new
// empty placeholder "zelXXXXXX.tmp" and beside it the entry named after it with a suffix
// ("zelXXXXXX.tmp.html", "zelXXXXXX.tmp.cat"). Both are created exclusively: an existing file, folder
// or link of the same name is never reused or followed. Nothing is deleted afterwards.
#pragma once

#include <string>

enum class TemporaryKind { File, Folder };

// Full path of the new entry (an empty file readable only by the user, or a folder only the user may
// enter); empty when the temporary folder is unusable.
std::string CreateTemporaryEntry(const std::string& suffix, TemporaryKind kind);
